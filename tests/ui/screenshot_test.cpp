// Screenshots of the started window and of its other pages, written to the build folder for
// people to look at; a few pixels are checked against the layout.
#include <span>

#include <wx/frame.h>
#include <wx/iconbndl.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/picture_box.h"
#include "ui/embedded_assets.h"
#include "ui/window_layout.h"

namespace {

// The colour on screen at the centre of the named control.
wxColour ColourAtCentreOf(const wxImage& shot, const wxFrame& window, std::string_view name) {
    const wxPoint at = ScreenCentre(Control<wxWindow>(name)) - window.GetScreenPosition();
    return {shot.GetRed(at.x, at.y), shot.GetGreen(at.x, at.y), shot.GetBlue(at.x, at.y)};
}

using Screenshots = MainWindowTest;

TEST_F(Screenshots, StartedWindowShowsItsLayout) {
    const wxImage shot = SettledScreenshot(Window(), "window_started.png");
    ASSERT_TRUE(shot.IsOk());
    EXPECT_EQ(shot.GetSize(), wxSize(623, 688));
    EXPECT_EQ(ColourAtCentreOf(shot, Window(), kNumberBox), *wxWHITE);
    EXPECT_EQ(ColourAtCentreOf(shot, Window(), kBannerStrip), wxColour(0x9C, 0xCB, 0xEA));
    EXPECT_NE(ColourAtCentreOf(shot, Window(), kModeButton), *wxWHITE);
    // The banner's picture is on screen as it is stored.
    const wxBitmap banner = DecodePicture(kBannerJpeg.data(), kBannerJpeg.size());
    const wxImage stored = banner.ConvertToImage();
    for (const wxPoint& at : {wxPoint(10, 10), wxPoint(60, 40), wxPoint(300, 80)}) {
        const wxPoint on_screen = Control<wxWindow>(kBannerPicture).GetScreenPosition() + at -
                                  Window().GetScreenPosition();
        EXPECT_NEAR(shot.GetRed(on_screen.x, on_screen.y), stored.GetRed(at.x, at.y), 8);
        EXPECT_NEAR(shot.GetBlue(on_screen.x, on_screen.y), stored.GetBlue(at.x, at.y), 8);
    }
}

// On a screen of any scale (GDK_SCALE) the banner shows, pixel for pixel, its picture made for
// that scale (the stored larger one at twice the layout's size), and the window offers its icon
// in the sizes the scale asks for.
TEST_F(Screenshots, TheBannerAndTheIconAreDrawnFromTheirPicturesForTheScale) {
    const double scale = Window().GetContentScaleFactor();
    const wxImage shot = SettledScreenshot(Window(), "window_banner_at_scale.png");
    ASSERT_TRUE(shot.IsOk());
    const wxPoint logical =
        Control<wxWindow>(kBannerPicture).GetScreenPosition() - Window().GetScreenPosition();
    const wxPoint at(wxRound(logical.x * scale), wxRound(logical.y * scale));
    const wxSize size(wxRound(623 * scale), wxRound(88 * scale));
    const std::span<const unsigned char> larger[] = {kBannerJpeg2x};
    const wxImage expected =
        PictureForEveryScale(kBannerJpeg, larger).GetBitmap(size).ConvertToImage();
    ASSERT_EQ(expected.GetSize(), size);
    int differing = 0;
    for (int y = 0; y < size.y; ++y) {
        for (int x = 0; x < size.x; ++x) {
            differing += shot.GetRed(at.x + x, at.y + y) != expected.GetRed(x, y) ||
                         shot.GetGreen(at.x + x, at.y + y) != expected.GetGreen(x, y) ||
                         shot.GetBlue(at.x + x, at.y + y) != expected.GetBlue(x, y);
        }
    }
    EXPECT_EQ(differing, 0) << "at scale " << scale;
    // The icon the scale asks for is made from a picture at least as large, never blown up.
    const int icon_side = wxRound(48 * scale);
    EXPECT_GE(Window()
                  .GetIcons()
                  .GetIcon(wxSize(icon_side, icon_side), wxIconBundle::FALLBACK_NEAREST_LARGER)
                  .GetWidth(),
              icon_side);
}

TEST_F(Screenshots, BatchPage) {
    MouseClickAt(ScreenCentre(Control<wxWindow>(kModeButton)));
    ASSERT_TRUE(PumpUntil([] { return ShownPage(kResultPages) == kBatchPageNumber; }));
    MoveMouseTo(Window().GetScreenRect().GetBottomRight() + wxPoint(10, 10));
    const wxImage shot = SettledScreenshot(Window(), "window_batch_page.png");
    ASSERT_TRUE(shot.IsOk());
    EXPECT_EQ(ColourAtCentreOf(shot, Window(), kBatchNumberBox), *wxWHITE);
}

TEST_F(Screenshots, HelpPageCoversTheQueryRow) {
    ShowPage(kResultPages, kHelpPageNumber);
    PlaceControl(kResultPages, {0, 101, 623, 495});
    const wxImage shot = SettledScreenshot(Window(), "window_help_page.png");
    ASSERT_TRUE(shot.IsOk());
    // The white about group now lies where the mode button is (its frame line crosses the
    // button's middle; below it the group is white).
    const wxRect button = Control<wxWindow>(kModeButton).GetScreenRect();
    const wxPoint below_line =
        wxPoint(button.x + button.width / 2, button.GetBottom() - 4) - Window().GetScreenPosition();
    EXPECT_EQ(
        wxColour(shot.GetRed(below_line.x, below_line.y), shot.GetGreen(below_line.x, below_line.y),
                 shot.GetBlue(below_line.x, below_line.y)),
        *wxWHITE);
}

TEST_F(Screenshots, FoldedPanel) {
    const wxPoint option = ScreenCentre(Control<wxWindow>(kCommonCourierOption1));
    // The caption's double-click, through the layout's binding.
    for (const EventBinding& binding : MainWindowLayout().bindings) {
        if (binding.control == kPanelToggleLabel && binding.event == EventKind::LeftDoubleClick) {
            binding.handler({kPanelToggleLabel, {}});
        }
    }
    ASSERT_EQ(ControlPlacement(kCommonCourierPanel).height, 16);
    MoveMouseTo(Window().GetScreenRect().GetBottomRight() + wxPoint(10, 10));
    const wxImage shot = SettledScreenshot(Window(), "window_panel_folded.png");
    ASSERT_TRUE(shot.IsOk());
    // The result list has moved up to where the first option was.
    const wxPoint at = option - Window().GetScreenPosition();
    EXPECT_EQ(
        wxColour(shot.GetRed(at.x, at.y), shot.GetGreen(at.x, at.y), shot.GetBlue(at.x, at.y)),
        *wxWHITE);
}

}  // namespace
