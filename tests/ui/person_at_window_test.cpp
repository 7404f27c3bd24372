// The window as a person uses it: real pointer and key input through the X server on the letter
// group list, Esc, the status bar, the links and the number boxes.
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <string>

#include "tests/support/toolkit_probe.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/hypertext_markup.h"
#include "toolkit/status_bar.h"

namespace {

constexpr int kAllCouriers = 148;

wxChoice& LetterGroups() {
    return Control<wxChoice>(kLetterGroupBox);
}

// A real click on a common courier leaves one courier in CourierBox and "全部" shown above it.
void PickShunfengWithThePointer() {
    MouseClickAt(ScreenCentre(Control<wxWindow>(kCommonCourierOption6)));
    ASSERT_TRUE(PumpUntil([] { return ItemCount(kCourierBox) == 1; }));
    ASSERT_EQ(ItemText(kCourierBox, 0), "顺丰速递");
    ASSERT_EQ(SelectedItem(kLetterGroupBox), 0);
}

void OpenLetterGroupsWithThePointer() {
    MouseClickAt(ScreenCentre(LetterGroups()));
    ASSERT_TRUE(PumpUntil([] { return DropDownIsOpen(LetterGroups()); }));
}

bool AllCouriersShownWithTheFirstSelected() {
    return ItemCount(kCourierBox) == kAllCouriers && SelectedItem(kCourierBox) == 0;
}

// How many pixel rows of the link's area, as the screen shows it now, are a line of the link's
// blue across nearly the whole link: its underline.
int UnderlineRows(wxFrame& window, std::string_view box, std::string_view address) {
    const wxImage shot = SettledScreenshot(window, "link_underline.png");
    const wxRect area = LinkArea(box, address);
    const wxPoint origin = area.GetPosition() - window.GetScreenPosition();
    int rows = 0;
    for (int y = 0; y < area.height + 2; ++y) {
        int blue = 0;
        for (int x = 0; x < area.width; ++x) {
            const int px = origin.x + x;
            const int py = origin.y + y;
            blue += shot.GetBlue(px, py) > 160 && shot.GetRed(px, py) < 100 &&
                    shot.GetGreen(px, py) < 100;
        }
        rows += blue * 10 >= area.width * 9;
    }
    return rows;
}

// Whether the screen shows the light background of the current link behind the link's text.
bool ShownAsCurrent(wxFrame& window, std::string_view box, std::string_view address) {
    const wxImage shot = SettledScreenshot(window, "current_link.png");
    const wxRect area = LinkArea(box, address);
    const wxPoint origin = area.GetPosition() - window.GetScreenPosition();
    const unsigned long colour = std::stoul(Text(kCurrentLinkBackground.substr(1)), nullptr, 16);
    int marked = 0;
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            marked += shot.GetRed(origin.x + x, origin.y + y) == ((colour >> 16) & 0xFF) &&
                      shot.GetGreen(origin.x + x, origin.y + y) == ((colour >> 8) & 0xFF) &&
                      shot.GetBlue(origin.x + x, origin.y + y) == (colour & 0xFF);
        }
    }
    return marked * 2 >= area.width * area.height;
}

bool HasFocus(std::string_view name) {
    return wxWindow::FindFocus() == &Control<wxWindow>(name);
}

using PersonAtWindow = MainWindowTest;

TEST_F(PersonAtWindow, ChoosingTheShownAllGroupWithThePointerRestoresEveryCourier) {
    PickShunfengWithThePointer();
    OpenLetterGroupsWithThePointer();
    // The open list puts the selected item, "全部", under the pointer.
    MouseClickAt(ScreenCentre(LetterGroups()));
    EXPECT_TRUE(PumpUntil(AllCouriersShownWithTheFirstSelected)) << ItemCount(kCourierBox);
    EXPECT_EQ(ItemText(kCourierBox, 0), "澳大利亚邮政");
}

TEST_F(PersonAtWindow, ChoosingTheShownAllGroupWithTheKeyboardRestoresEveryCourier) {
    PickShunfengWithThePointer();
    LetterGroups().SetFocus();
    ASSERT_TRUE(PumpUntil([] { return LetterGroups().HasFocus(); }));
    PressKey(WXK_SPACE);
    ASSERT_TRUE(PumpUntil([] { return DropDownIsOpen(LetterGroups()); }));
    PressKey(WXK_RETURN);
    EXPECT_TRUE(PumpUntil(AllCouriersShownWithTheFirstSelected)) << ItemCount(kCourierBox);
}

TEST_F(PersonAtWindow, EscWithAnOpenDropDownClosesOnlyTheDropDown) {
    OpenLetterGroupsWithThePointer();
    PressKey(WXK_ESCAPE);
    ASSERT_TRUE(PumpUntil([] { return !DropDownIsOpen(LetterGroups()); }));
    for (int round = 0; round < 20; ++round) {
        PumpEvents();
    }
    ASSERT_TRUE(WindowIsOpen());
    EXPECT_EQ(SelectedItem(kLetterGroupBox), 0);
    // With the list closed, Esc closes the window.
    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !WindowIsOpen(); }));
}

TEST_F(PersonAtWindow, NoStatusPartHasATooltipAfterStartOrARefusedPress) {
    wxStatusBar& bar = Control<wxStatusBar>(kMainStatusBar);
    const auto check_every_part = [&bar](const char* when) {
        for (int part = 0; part < StatusPartCount(); ++part) {
            const wxRect area = StatusPartArea(part);
            MoveMouseTo(bar.ClientToScreen(area.GetPosition() + wxPoint(area.width / 2, 10)));
            PumpEvents();
            EXPECT_EQ(bar.GetToolTipText(), wxString()) << when << ", part " << part;
            EXPECT_EQ(StatusPartTip(part), "") << when << ", part " << part;
        }
    };
    check_every_part("after start");
    // The query button with no number is refused and says so in part 0.
    SetStatusPartText(0, "");
    MouseClickAt(ScreenCentre(Control<wxWindow>(kQueryButton)));
    ASSERT_TRUE(PumpUntil([] { return StatusPartText(0) == "请输入单号！"; }));
    check_every_part("after a refused press");
}

// Links are blue without an underline, and underlined only while the pointer is over them.
TEST_F(PersonAtWindow, ALinkIsUnderlinedOnlyWhileThePointerIsOverIt) {
    const Text help = JoinTexts(kEventLinkPrefix, "帮助");
    MoveMouseTo(ScreenCentre(Control<wxWindow>(kBannerPicture)));
    EXPECT_EQ(UnderlineRows(Window(), kFooterLinkBox, help), 0);
    MoveMouseTo(LinkCentre(kFooterLinkBox, help));
    EXPECT_GE(UnderlineRows(Window(), kFooterLinkBox, help), 1);
    // Off the link but still over the box (its blank top-left corner).
    MoveMouseTo(Control<wxWindow>(kFooterLinkBox).GetScreenPosition() + wxPoint(2, 2));
    EXPECT_EQ(UnderlineRows(Window(), kFooterLinkBox, help), 0);
}

// Shift+Tab from the batch box reaches the link box at its last link, moves to the first, and
// Enter on a link does what its click does.
TEST_F(PersonAtWindow, TabAndShiftTabMoveFromLinkToLinkAndEnterFollowsTheCurrentOne) {
    ClickControl(kModeButton);
    ASSERT_TRUE(PumpUntil([] { return ShownPage(kResultPages) == kBatchPageNumber; }));
    MouseClickAt(ScreenCentre(Control<wxWindow>(kBatchNumberBox)));
    TypeText("123");
    ASSERT_TRUE(PumpUntil([] { return ControlText(kBatchNumberBox) == "123"; }));
    PressKey(WXK_TAB, wxMOD_SHIFT);
    ASSERT_TRUE(PumpUntil([] { return HasFocus(kBatchLinkBox); }));
    EXPECT_TRUE(ShownAsCurrent(Window(), kBatchLinkBox, "event:清空"));
    EXPECT_FALSE(ShownAsCurrent(Window(), kBatchLinkBox, "event:导入"));
    PressKey(WXK_TAB, wxMOD_SHIFT);
    EXPECT_TRUE(ShownAsCurrent(Window(), kBatchLinkBox, "event:导入"));
    EXPECT_FALSE(ShownAsCurrent(Window(), kBatchLinkBox, "event:清空"));
    PressKey(WXK_TAB);
    EXPECT_TRUE(ShownAsCurrent(Window(), kBatchLinkBox, "event:清空"));
    PressKey(WXK_RETURN);
    EXPECT_TRUE(PumpUntil([] { return ControlText(kBatchNumberBox).empty(); }));
    EXPECT_TRUE(HasFocus(kBatchLinkBox));
    // Past the last link Tab leaves the box for the batch box, which shows no current link.
    PressKey(WXK_TAB);
    EXPECT_TRUE(PumpUntil([] { return HasFocus(kBatchNumberBox); }));
    EXPECT_FALSE(ShownAsCurrent(Window(), kBatchLinkBox, "event:清空"));
}

// Tab from the mode button reaches the footer's first link; Space on its second link opens the
// help page, as its click does.
TEST_F(PersonAtWindow, TheFootersHelpLinkIsFollowedFromTheKeyboard) {
    Control<wxWindow>(kModeButton).SetFocus();
    ASSERT_TRUE(PumpUntil([] { return HasFocus(kModeButton); }));
    PressKey(WXK_TAB);
    ASSERT_TRUE(PumpUntil([] { return HasFocus(kFooterLinkBox); }));
    PressKey(WXK_TAB);
    const Text help = JoinTexts(kEventLinkPrefix, "帮助");
    EXPECT_TRUE(ShownAsCurrent(Window(), kFooterLinkBox, help));
    PressKey(WXK_SPACE);
    EXPECT_TRUE(PumpUntil([] { return ShownPage(kResultPages) == kHelpPageNumber; }));
}

TEST_F(PersonAtWindow, TypedTextGoesIntoTheFocusedNumberBox) {
    wxTextCtrl& number_box = Control<wxTextCtrl>(kNumberBox);
    MouseClickAt(ScreenCentre(number_box));
    ASSERT_TRUE(PumpUntil([&number_box] { return number_box.HasFocus(); }));
    PressKey('7');
    PressKey(WXK_RETURN);  // a single-line box keeps Enter to itself; nothing else happens
    EXPECT_TRUE(PumpUntil([] { return ControlText(kNumberBox) == "7"; }));
    EXPECT_TRUE(WindowIsOpen());
    EXPECT_TRUE(number_box.HasFocus());
}

TEST_F(PersonAtWindow, EnterInTheBatchBoxEndsTheLineWithCrLf) {
    ShowPage(kResultPages, kBatchPageNumber);
    wxTextCtrl& batch_box = Control<wxTextCtrl>(kBatchNumberBox);
    MouseClickAt(ScreenCentre(batch_box));
    ASSERT_TRUE(PumpUntil([&batch_box] { return batch_box.HasFocus(); }));
    PressKey('1');
    PressKey(WXK_RETURN);
    PressKey('2');
    EXPECT_TRUE(PumpUntil([] { return ControlText(kBatchNumberBox) == "1\r\n2"; }))
        << ControlText(kBatchNumberBox);
}

}  // namespace
