// What the Windows build's start-up window shows under Wine where the Windows toolkit's drawing
// differs from the layout unless the program sees to it: spots of the window's client area (the
// X window) that must show the same colour as a reference spot, or a different one.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/program_session.h"
#include "tests/windows/picture_spots.h"

namespace {

struct SpotCase {
    const char* what;
    WindowPoint spot;
    WindowPoint reference;
    bool same_colour;
};

// The common couriers' box lies at (8, 146), 600 wide; its double-click label covers its
// columns 240 to 359 and rows 0 to 15. The drop-down lists are 29 rows tall from row 106.
const SpotCase kSpotCases[] = {
    {"the footer link box, left of its second line, shows the window's colour",
     {180, 622},
     {100, 622},
     true},
    {"the box under the double-click label's last row shows the box's colour",
     {300, 161},
     {200, 161},
     true},
    {"the letter-group list's left border reaches its last row", {8, 134}, {8, 106}, true},
    {"the letter-group list ends at its last row", {8, 135}, {8, 106}, false},
    {"the courier list's left border reaches its last row", {79, 134}, {79, 106}, true},
    {"the courier list ends at its last row", {79, 135}, {79, 106}, false},
};

constexpr int kBoxTop = 146;
constexpr int kBoxCaptionRows = 16;
constexpr int kBoxRightInside = 590;
constexpr int kLeftOfTheLabel = 30;

// The row of the box's top frame line: the first row of its caption rows that differs from the
// one above the box, taken right of the caption.
int FrameLineRow(const std::string& picture) {
    const std::string outside = ColourAt(picture, {kBoxRightInside, kBoxTop - 1});
    for (int row = kBoxTop; row < kBoxTop + kBoxCaptionRows; ++row) {
        if (ColourAt(picture, {kBoxRightInside, row}) != outside) {
            return row;
        }
    }
    return -1;
}

class StartupWindowUnderWine : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        FixtureService service;
        ProgramSession program(service);
        ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
        PauseBriefly(10);
        CommandOutput("import -window " + program.Window() + " " + Picture());
        EXPECT_EQ(program.CloseAndWait(30), 0);
    }

    static std::string Picture() {
        return (OutputFolder("screenshots") / "look-under-wine.png").string();
    }
};

TEST_F(StartupWindowUnderWine, ShowsTheLayoutsColoursAndSizes) {
    const std::string picture = Picture();
    for (const SpotCase& spot_case : kSpotCases) {
        const std::string spot = ColourAt(picture, spot_case.spot);
        const std::string reference = ColourAt(picture, spot_case.reference);
        ASSERT_FALSE(reference.empty()) << spot_case.what;
        EXPECT_EQ(spot == reference, spot_case.same_colour)
            << spot_case.what << ": " << spot << " against " << reference;
    }
}

// The caption is centred, under the double-click label: left of the label the frame line passes
// where a caption at the left would break it.
TEST_F(StartupWindowUnderWine, CentresTheCommonCouriersCaptionUnderItsLabel) {
    const std::string picture = Picture();
    const int line = FrameLineRow(picture);
    ASSERT_GE(line, kBoxTop);
    EXPECT_EQ(ColourAt(picture, {kLeftOfTheLabel, line}),
              ColourAt(picture, {kBoxRightInside, line}));
}

}  // namespace
