// The window as start-up leaves it.
#include <algorithm>

#include <wx/display.h>
#include <wx/frame.h>
#include <wx/generic/statbmpg.h>
#include <wx/iconbndl.h>
#include <wx/simplebook.h>
#include <wx/statusbr.h>

#include "catalogue/courier_catalogue.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/status_bar.h"

namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, LetterGroupBoxShowsAllOfItsSixGroups) {
    EXPECT_EQ(SelectedItem(kLetterGroupBox), 0);
    const Text groups[] = {"全部", "A-E", "F-J", "K-O", "P-T", "U-Z"};
    ASSERT_EQ(ItemCount(kLetterGroupBox), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ItemText(kLetterGroupBox, i), groups[i]);
    }
}

TEST_F(StartUp, CourierBoxHoldsEveryCatalogueNameInCatalogueOrder) {
    ASSERT_EQ(CourierCatalogue.size(), static_cast<std::size_t>(kCourierCount));
    ASSERT_EQ(ItemCount(kCourierBox), kCourierCount);
    for (int i = 0; i < kCourierCount; ++i) {
        EXPECT_EQ(ItemText(kCourierBox, i), CourierCatalogue[i].name) << i;
    }
    EXPECT_EQ(SelectedItem(kCourierBox), 0);
    EXPECT_EQ(ItemText(kCourierBox, SelectedItem(kCourierBox)), "澳大利亚邮政");
}

TEST_F(StartUp, ResultPagesSitsBelowThePanelShowingTheSinglePage) {
    EXPECT_EQ(ControlPlacement(kResultPages), (Placement{3, 244, 610, 352}));
    EXPECT_EQ(ShownPage(kResultPages), kSinglePageNumber);
    EXPECT_TRUE(Control<wxWindow>(kSingleResultList).IsShownOnScreen());
    EXPECT_FALSE(Control<wxWindow>(kBatchResultList).IsShownOnScreen());
    EXPECT_FALSE(Control<wxWindow>(kReturnButton).IsShownOnScreen());
}

TEST_F(StartUp, StatusBarHasFourPartsWithTextsWidthsAndTips) {
    struct Part {
        Text text;
        int width;
    };
    const Part parts[] = {{"请输入快递单号", 250},
                          {"欢迎使用Parcelio", 130},
                          {"精品软件，来自Vorlan", 120},
                          {"Vorlan Home Group.", -1}};
    wxStatusBar& bar = Control<wxStatusBar>(kMainStatusBar);
    ASSERT_EQ(bar.GetFieldsCount(), 4);
    ASSERT_EQ(StatusPartCount(), 4);
    // The parts lie edge to edge at their widths, the last one to the window's edge.
    int left = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(StatusPartText(i), parts[i].text) << i;
        EXPECT_EQ(StatusPartTip(i), "") << i;  // only a query run gives part 0 a tooltip
        EXPECT_EQ(bar.GetStatusWidth(i), parts[i].width) << i;
        const int width = i < 3 ? parts[i].width : Window().GetClientSize().x - left;
        EXPECT_EQ(StatusPartArea(i), wxRect(left, 0, width, 20)) << i;
        left += width;
    }
}

TEST_F(StartUp, PresencePictureStaysEmptyWithoutAServiceAndNothingElseOpens) {
    // The build's instant-messaging host does not resolve here.
    EXPECT_FALSE(Control<wxGenericStaticBitmap>(kPresencePicture).GetBitmap().IsOk());
    EXPECT_EQ(ControlPlacement(kPresencePicture), (Placement{494, 12, 82, 122}));
    EXPECT_EQ(wxTopLevelWindows.size(), 1U);
}

TEST_F(StartUp, BannerAndIconComeBuiltIn) {
    const wxBitmap banner = Control<wxGenericStaticBitmap>(kBannerPicture).GetBitmap();
    ASSERT_TRUE(banner.IsOk());
    EXPECT_EQ(banner.GetSize(), wxSize(623, 88));
    EXPECT_EQ(ControlPlacement(kBannerPicture), (Placement{0, 0, 624, 88}));
    // The 48-pixel icon, with the same picture in the sizes other scales of the screen ask for.
    EXPECT_EQ(Window().GetIcons().GetIconCount(), 7U);
    const wxIcon icon = Window().GetIcons().GetIcon(wxSize(48, 48), wxIconBundle::FALLBACK_NONE);
    ASSERT_TRUE(icon.IsOk());
    EXPECT_EQ(icon.GetSize(), wxSize(48, 48));
    EXPECT_TRUE(icon.ConvertToImage().HasAlpha());
}

TEST_F(StartUp, WindowIsFixedCentredAndTitled) {
    wxFrame& window = Window();
    EXPECT_EQ(ControlText(kMainWindow), "Parceliov1.4");
    EXPECT_EQ(window.GetSize(), wxSize(623, 688));
    EXPECT_FALSE(window.HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(window.HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(window.HasFlag(wxMINIMIZE_BOX));
    EXPECT_TRUE(window.HasFlag(wxSYSTEM_MENU));
    EXPECT_FALSE(window.HasFlag(wxSTAY_ON_TOP));
    EXPECT_EQ(window.GetMenuBar(), nullptr);
    const wxRect screen = wxDisplay(&window).GetClientArea();
    const wxPoint centred =
        screen.GetPosition() + wxPoint((screen.width - 623) / 2, (screen.height - 688) / 2);
    EXPECT_NEAR(window.GetPosition().x, centred.x, 1);
    EXPECT_NEAR(window.GetPosition().y, centred.y, 1);
}

}  // namespace
