// The Windows build's window under Wine: its title and size at start-up, screenshots of the
// start-up window, the batch page and the help page for the documentation, and a start where no
// window can be made.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/program_session.h"
#include "tests/windows/picture_spots.h"

namespace {

// The link "软件帮助" on the second line of FooterLinkBox.
constexpr WindowPoint kHelpLink{222, 622};

struct Geometry {
    int width = 0;
    int height = 0;
};

Geometry WindowGeometry(const std::string& window) {
    const std::string shell = CommandOutput("xdotool getwindowgeometry --shell " + window);
    const auto value = [&shell](const std::string& key) {
        const std::size_t at = shell.find(key + "=");
        return at == std::string::npos ? 0 : std::stoi(shell.substr(at + key.size() + 1));
    };
    return {value("WIDTH"), value("HEIGHT")};
}

// A band of HelpText on the help page, in the X window's coordinates: the page lies at (0, 101),
// the help box at (13, 173) on it and the label at (43, 18) in the box, 503 x 144.
struct TextBand {
    const char* what;
    int x;
    int y;
    int width;
    int height;
};

const TextBand kHelpTextBands[] = {
    {"the first line, the single query heading", 56, 292, 150, 12},
    // Right of the indented block's "注意：": with the font's own line spacing the box shows
    // no more than that line and the empty line above it here.
    {"the last line, below the note heading", 140, 414, 300, 22},
};

// Whether the band of picture holds a dark pixel: a character's stroke on the light page.
bool BandShowsText(const std::string& picture, const TextBand& band) {
    const std::string darkest =
        CommandOutput("convert " + picture + " -crop " + std::to_string(band.width) + "x" +
                      std::to_string(band.height) + "+" + std::to_string(band.x) + "+" +
                      std::to_string(band.y) + " -colorspace gray -format '%[fx:minima]' info:");
    return !darkest.empty() && std::stod(darkest) < 0.5;
}

// Lets the window draw, then saves it.
void SaveScreenshot(const std::string& window, const std::string& name) {
    PauseBriefly(10);
    CommandOutput("import -window " + window + " " + (OutputFolder("screenshots") / name).string());
}

TEST(WindowUnderWine, ShowsTheMainWindowAndItsPages) {
    FixtureService service;
    ProgramSession program(service);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();

    // Without a window manager the X window is the frame's client area: the fixed 623 x 688
    // frame less Wine's fixed-frame borders (3 pixels) and caption (19 pixels).
    const Geometry geometry = WindowGeometry(program.Window());
    EXPECT_EQ(geometry.width, 623 - 2 * 3);
    EXPECT_EQ(geometry.height, 688 - 19 - 2 * 3);
    SaveScreenshot(program.Window(), "windows-startup.png");

    program.Click(kModeButton);
    SaveScreenshot(program.Window(), "windows-batch-page.png");

    program.Click(kHelpLink);
    SaveScreenshot(program.Window(), "windows-help-page.png");
    const std::string help_page = (OutputFolder("screenshots") / "windows-help-page.png").string();
    for (const TextBand& band : kHelpTextBands) {
        EXPECT_TRUE(BandShowsText(help_page, band)) << band.what;
    }
    // The lines are drawn on the help box's own colour: inside the label right of its lines as
    // left of the label.
    EXPECT_EQ(ColourAt(help_page, {550, 300}), ColourAt(help_page, {30, 350}))
        << "inside HelpText, right of its lines";

    EXPECT_EQ(program.CloseAndWait(30), 0);
}

// Started without a display, the program can make no window and no message box: it says why on
// its error stream and ends with status 1, and the box it could not show is no failed check of
// the toolkit's. The Wine server it may have started without a display ends before the next test.
TEST(WindowUnderWine, StartWithoutADisplaySaysWhyAndEndsWithStatusOne) {
    const std::string output =
        CommandOutput("env -u DISPLAY PARCELIO_TRACKING_HOST=127.0.0.1:9 " PARCELIO_PROGRAM
                      " 2>&1; echo \"status $?\"; " PARCELIO_WINE_IDLE);
    EXPECT_NE(output.find("parcelio: the main window could not be made"), std::string::npos)
        << output;
    EXPECT_EQ(output.find("failed:"), std::string::npos) << output;
    EXPECT_NE(output.find("status 1"), std::string::npos) << output;
}

}  // namespace
