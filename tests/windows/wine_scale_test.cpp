// parcelio.exe under Wine on screens of 96, 120, 144 and 192 dots per inch (the prefix's
// LogPixels): every control where the layout puts it, times the scale, as Windows reports it to
// a program beside it, and its text fitting it; the window's client area likewise; and the banner
// drawn from a picture
// made for the scale, not an enlargement of the stored one. Screenshots for people to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/program_session.h"

namespace {

// A control's place in the client area at 96 dots per inch, after start-up (the page area at
// 3, 244): a group box's controls counted from the window's corner.
struct LayoutBox {
    const char* what;
    int left;
    int top;
    int width;
    int height;
};

const LayoutBox kLayoutBoxes[] = {
    {"the page area", 3, 244, 610, 352},
    {"the single result list", 9, 249, 600, 342},
    {"the banner", 0, 0, 624, 88},
    {"the strip under the banner", 0, 88, 624, 13},
    {"the mode button", 565, 106, 44, 32},
    {"the footer's links", 175, 602, 266, 26},
    {"the common couriers' box", 8, 146, 600, 88},
    {"the courier list", 79, 106, 162, 29},
    {"the letter group list", 8, 106, 71, 29},
    {"the number's label", 255, 106, 56, 32},
    {"the number box", 315, 106, 178, 32},
    {"the query button", 498, 106, 62, 32},
    {"the double-click label", 248, 146, 120, 16},
    {"common courier 1", 52, 166, 45, 24},
    {"common courier 2", 131, 166, 68, 24},
    {"common courier 3", 210, 166, 68, 24},
    {"common courier 4", 289, 166, 68, 24},
    {"common courier 5", 368, 166, 68, 24},
    {"common courier 6", 447, 166, 45, 24},
    {"common courier 7", 524, 166, 45, 24},
    {"common courier 8", 52, 198, 68, 24},
    {"common courier 9", 131, 198, 68, 24},
    {"common courier 10", 210, 198, 56, 24},
    {"common courier 11", 289, 198, 45, 24},
    {"common courier 12", 368, 198, 56, 24},
    {"common courier 13", 447, 198, 45, 24},
    {"common courier 14", 524, 198, 69, 24},
};

// The client area at 96 dots per inch: the frame's 623 x 688 less Wine's borders and caption.
// At other scales Wine draws the borders at their size of 96 dots per inch, so the client area
// of the scaled frame is a little larger than the layout's times the scale, never smaller.
constexpr int kClientWidth = 617;
constexpr int kClientHeight = 663;

struct PlacedControl {
    std::string kind;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int need_width = 0;  // the room its text needs in its font at the scale; 0 without text
    int need_height = 0;
};

struct WindowReport {
    int client_width = 0;
    int client_height = 0;
    int dpi = 0;
    std::vector<PlacedControl> controls;
};

// What the helper beside the program reports about the main window.
WindowReport ReportedPlaces() {
    std::istringstream lines(CommandOutput(PARCELIO_WINE_RUN " " PARCELIO_WINDOW_RECTANGLES));
    WindowReport report;
    std::string first;
    lines >> first >> report.client_width >> report.client_height >> report.dpi;
    PlacedControl control;
    while (lines >> control.kind >> control.left >> control.top >> control.width >>
           control.height >> control.need_width >> control.need_height) {
        report.controls.push_back(control);
    }
    return report;
}

int Scaled(int layout, int dpi) {
    return static_cast<int>(std::lround(layout * dpi / 96.0));
}

bool Near(int value, int expected) {
    return std::abs(value - expected) <= 1;
}

void SetScreenDpi(int dpi) {
    CommandOutput(PARCELIO_WINE_RUN
                  " reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t "
                  "REG_DWORD /d " +
                  std::to_string(dpi) + " /f; " PARCELIO_WINE_IDLE);
}

// How far a crop of picture is from a picture file made to its size (ImageMagick's RMSE, 0 to 1).
double Distance(const std::string& picture, int width, int height, const std::string& reference) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    const std::string output =
        CommandOutput("convert " + picture + " -crop " + size + "+0+0 +repage png:- | compare " +
                      "-metric RMSE - \\( " + reference + " -resize " + size + "! \\) null: 2>&1");
    const std::size_t open = output.find('(');
    return open == std::string::npos ? 1.0 : std::stod(output.substr(open + 1));
}

class WindowAtScreenScale : public testing::TestWithParam<int> {
  protected:
    void TearDown() override { SetScreenDpi(96); }
};

TEST_P(WindowAtScreenScale, PlacesEveryControlAtTheLayoutsPlaceTimesTheScale) {
    const int dpi = GetParam();
    SetScreenDpi(dpi);
    FixtureService service;
    ProgramSession program(service);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
    PauseBriefly(10);
    const std::string shot =
        (OutputFolder("screenshots") / ("windows-at-" + std::to_string(dpi) + "-dpi.png")).string();
    CommandOutput("import -window " + program.Window() + " " + shot);

    const WindowReport report = ReportedPlaces();
    EXPECT_EQ(report.dpi, dpi);
    EXPECT_GE(report.client_width, Scaled(kClientWidth, dpi) - 1);
    EXPECT_GE(report.client_height, Scaled(kClientHeight, dpi) - 1);
    for (const LayoutBox& box : kLayoutBoxes) {
        const bool placed = std::any_of(report.controls.begin(), report.controls.end(),
                                        [&](const PlacedControl& control) {
                                            return Near(control.left, Scaled(box.left, dpi)) &&
                                                   Near(control.top, Scaled(box.top, dpi)) &&
                                                   Near(control.width, Scaled(box.width, dpi)) &&
                                                   Near(control.height, Scaled(box.height, dpi));
                                        });
        EXPECT_TRUE(placed) << box.what << " at " << dpi << " dots per inch";
    }
    // Every caption, label and chosen list item fits its control at the scale.
    for (const PlacedControl& control : report.controls) {
        EXPECT_LE(control.need_width, control.width)
            << control.kind << " at " << control.left << ", " << control.top;
        EXPECT_LE(control.need_height, control.height)
            << control.kind << " at " << control.left << ", " << control.top;
    }

    // The banner is drawn from the picture for the scale: nearer to the stored larger picture
    // made to its size than to the stored picture blown up.
    const int width = Scaled(623, dpi);
    const int height = Scaled(88, dpi);
    const double to_its_picture = Distance(shot, width, height, PARCELIO_BANNER_2X);
    const double to_blown_up = Distance(shot, width, height, PARCELIO_BANNER);
    if (dpi > 96) {
        EXPECT_LT(to_its_picture, to_blown_up) << to_its_picture << " against " << to_blown_up;
    }
    EXPECT_EQ(program.CloseAndWait(30), 0);
}

INSTANTIATE_TEST_SUITE_P(LogPixels, WindowAtScreenScale, testing::Values(96, 120, 144, 192));

}  // namespace
