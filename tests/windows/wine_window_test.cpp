// The Windows build's window under Wine: its title and size at start-up, screenshots of the
// start-up window, the batch page and the help page for the documentation, and a start where no
// window can be made.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/program_session.h"

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

// Lets the window draw, then saves it.
void SaveScreenshot(const std::string& window, const std::string& name) {
    for (int look = 0; look < 10; ++look) {
        PauseBriefly();
    }
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
