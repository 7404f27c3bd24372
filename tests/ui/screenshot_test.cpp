// Screenshots of the started window, written to the build folder for people to look at (the
// other pages' shots come from the tests of modes and panels); its pixels are checked against
// the layout and the stored pictures.
#include <span>

#include <wx/frame.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/picture_box.h"
#include "ui/embedded_assets.h"

namespace {

using Screenshots = MainWindowTest;

TEST_F(Screenshots, StartedWindowShowsItsLayout) {
    const wxImage shot = SettledScreenshot(Window(), "window_started.png");
    ASSERT_TRUE(shot.IsOk());
    EXPECT_EQ(shot.GetSize(), wxSize(623, 688));
    EXPECT_EQ(ColourAtCentreOf(shot, kNumberBox), *wxWHITE);
    EXPECT_EQ(ColourAtCentreOf(shot, kBannerStrip), wxColour(0x9C, 0xCB, 0xEA));
    EXPECT_NE(ColourAtCentreOf(shot, kModeButton), *wxWHITE);
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

}  // namespace
