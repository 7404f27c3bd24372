// Switching modes, folding the panel of common couriers and showing the help page, on the real
// window.
#include <memory>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "tests/support/toolkit_probe.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/event_wiring.h"
#include "toolkit/group_box.h"
#include "toolkit/hypertext_markup.h"
#include "ui/window_layout.h"

namespace {

const wxColour kWhite(0xFF, 0xFF, 0xFF);
const wxColour kGrey(0xEC, 0xEC, 0xEC);

struct NumberBoxState {
    Text text;
    bool enabled;
    wxColour background;
    bool operator==(const NumberBoxState&) const = default;
};

NumberBoxState NumberBox() {
    const wxTextCtrl& box = Control<wxTextCtrl>(kNumberBox);
    return {ControlText(kNumberBox), box.IsEnabled(), box.GetBackgroundColour()};
}

// What the handlers of modes and panels change.
struct WindowState {
    Text mode_caption;
    int page;
    Placement pages;
    Placement panel;
    Text panel_caption;
    NumberBoxState number_box;
    bool operator==(const WindowState&) const = default;
};

WindowState CurrentState() {
    return {ControlText(kModeButton),         ShownPage(kResultPages),
            ControlPlacement(kResultPages),   ControlPlacement(kCommonCourierPanel),
            ControlText(kCommonCourierPanel), NumberBox()};
}

// A click on the footer's help link.
void ClickHelpLink() {
    MouseClickAt(LinkCentre(kFooterLinkBox, JoinTexts(kEventLinkPrefix, "帮助")));
    ASSERT_TRUE(PumpUntil([] { return ShownPage(kResultPages) == kHelpPageNumber; }));
}

// An event no link of the footer names cannot be clicked: the footer's handler is given it.
void RaiseFooterEvent(std::string_view event_name) {
    LinkHandlerOf(MainWindowLayout(), kFooterLinkBox)({kFooterLinkBox, event_name});
    PumpEvents();
}

// The panel caption's double-click, through the layout's own binding (the toolkit's event probe
// and the scenario table make it with the pointer).
void ToggleFold() {
    for (const EventBinding& binding : MainWindowLayout().bindings) {
        if (binding.control == kPanelToggleLabel && binding.event == EventKind::LeftDoubleClick) {
            binding.handler({kPanelToggleLabel, {}});
        }
    }
    PumpEvents();
}

// The middle of the panel's caption text, where a person aims a double-click.
wxPoint CaptionTextCentre() {
    const wxStaticBox& frame = Control<GroupBoxPanel>(kCommonCourierPanel).Frame();
    const wxSize text = frame.GetTextExtent(frame.GetLabel());
    const wxRect panel = Control<wxWindow>(kCommonCourierPanel).GetScreenRect();
    return {panel.x + panel.width / 2, panel.y + text.y / 2};
}

// Moves the pointer away from the window, so that no control under it shows a hover look in a shot.
void MovePointerOffTheWindow() {
    MoveMouseTo(Control<wxFrame>(kMainWindow).GetScreenRect().GetBottomRight() + wxPoint(10, 10));
}

int Height(std::string_view name) {
    return ControlPlacement(name).height;
}

// Counts the clicks that reach a control, leaving the program's own handler to run as well.
std::shared_ptr<int> CountClicks(std::string_view name,
                                 const wxEventTypeTag<wxCommandEvent>& type) {
    auto clicks = std::make_shared<int>(0);
    Control<wxWindow>(name).Bind(type, [clicks](wxCommandEvent& event) {
        ++*clicks;
        event.Skip();
    });
    return clicks;
}

using ModesAndPanels = MainWindowTest;

TEST_F(ModesAndPanels, ModeButtonSwitchesToBatchAndBack) {
    SetControlText(kNumberBox, "7300128");
    ClickControl(kModeButton);
    EXPECT_EQ(ControlText(kModeButton), "◤单个");
    EXPECT_EQ(ShownPage(kResultPages), kBatchPageNumber);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"", false, kGrey}));

    ClickControl(kModeButton);
    EXPECT_EQ(ControlText(kModeButton), "批量◢");
    EXPECT_EQ(ShownPage(kResultPages), kSinglePageNumber);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"", true, kWhite}));

    // Back to single mode the box keeps whatever text it holds.
    ClickControl(kModeButton);
    SetControlText(kNumberBox, "42");
    ClickControl(kModeButton);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"42", true, kWhite}));
}

TEST_F(ModesAndPanels, TheNumberBoxShowsItsModesBackgroundOnScreen) {
    const wxPoint inside = Control<wxWindow>(kNumberBox).GetScreenPosition() -
                           Window().GetScreenPosition() + wxPoint(6, 6);
    const wxImage single =
        SettledScreenshot(Control<wxFrame>(kMainWindow), "number_box_single.png");
    ClickControl(kModeButton);
    MovePointerOffTheWindow();
    const wxImage batch = SettledScreenshot(Window(), "window_batch_page.png");
    ASSERT_TRUE(single.IsOk() && batch.IsOk());
    EXPECT_EQ(ColourIn(single, inside), kWhite);
    EXPECT_EQ(ColourIn(batch, inside), kGrey);
    EXPECT_EQ(ColourAtCentreOf(batch, kBatchNumberBox), kWhite);
}

TEST_F(ModesAndPanels, FoldingGivesThePanelsRoomToThePagesAndUnfoldingTakesItBack) {
    const WindowState started = CurrentState();
    const int heights[] = {Height(kSingleResultList), Height(kBatchResultList),
                           Height(kBatchNumberBox)};
    const wxPoint option =
        ScreenCentre(Control<wxWindow>(kCommonCourierOption1)) - Window().GetScreenPosition();
    ToggleFold();
    // On screen the result list has moved up to where the first option was.
    MovePointerOffTheWindow();
    EXPECT_EQ(ColourIn(SettledScreenshot(Window(), "window_panel_folded.png"), option), kWhite);
    EXPECT_EQ(ControlPlacement(kResultPages), (Placement{3, 172, 610, 424}));
    EXPECT_EQ(ControlPlacement(kCommonCourierPanel), (Placement{8, 146, 600, 16}));
    EXPECT_EQ(ControlText(kCommonCourierPanel), "常用快递（双击展开）");
    EXPECT_EQ(ItemCount(kCourierBox), 148);
    EXPECT_EQ(Height(kSingleResultList), heights[0] + 72);
    EXPECT_EQ(Height(kBatchResultList), heights[1] + 72);
    EXPECT_EQ(Height(kBatchNumberBox), heights[2] + 72);

    ToggleFold();
    EXPECT_EQ(CurrentState(), started);
    EXPECT_EQ(ControlText(kCommonCourierPanel), "常用快递（双击关闭）");
    EXPECT_EQ(Height(kSingleResultList), heights[0]);
    EXPECT_EQ(Height(kBatchResultList), heights[1]);
    EXPECT_EQ(Height(kBatchNumberBox), heights[2]);
}

// The toggle label covers the centred caption text, folded and unfolded: a double-click where a
// person aims it reaches the label, and the folded caption lies where it was.
TEST_F(ModesAndPanels, TheToggleAreaCoversTheCentredCaptionText) {
    const wxPoint unfolded = CaptionTextCentre();
    for (const char* state : {"unfolded", "folded"}) {
        const wxRect toggle = Control<wxWindow>(kPanelToggleLabel).GetScreenRect();
        const wxStaticBox& frame = Control<GroupBoxPanel>(kCommonCourierPanel).Frame();
        const wxSize text = frame.GetTextExtent(frame.GetLabel());
        const wxPoint centre = CaptionTextCentre();
        EXPECT_EQ(centre, unfolded) << state;
        const wxRect caption(centre.x - text.x / 2, centre.y - text.y / 2, text.x, text.y);
        EXPECT_TRUE(toggle.Contains(caption)) << state << ": " << caption.x << "," << caption.y
                                              << " " << caption.width << "x" << caption.height;
        ToggleFold();
    }
}

TEST_F(ModesAndPanels, UnfoldingShowsAllGroupsWhileCourierBoxKeepsItsItems) {
    ChooseInDropDown(kLetterGroupBox, 3);
    ToggleFold();
    EXPECT_EQ(SelectedItem(kLetterGroupBox), 3);
    ToggleFold();
    EXPECT_EQ(SelectedItem(kLetterGroupBox), 0);
    EXPECT_EQ(ItemCount(kCourierBox), 18);
}

struct HelpCase {
    bool folded;
    bool batch;
    Placement returned;
};

class HelpPage : public MainWindowTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpPage, CoversTheWindowAndReturnsToTheModesPage) {
    const HelpCase& c = GetParam();
    if (c.folded) {
        ToggleFold();
    }
    if (c.batch) {
        ClickControl(kModeButton);
    }
    SetControlText(kNumberBox, "7300128");
    const Text caption = ControlText(kModeButton);
    ClickHelpLink();
    EXPECT_EQ(ShownPage(kResultPages), kHelpPageNumber);
    EXPECT_EQ(ControlPlacement(kResultPages), (Placement{0, 101, 623, 495}));
    EXPECT_EQ(ControlText(kModeButton), caption);

    ClickControl(kReturnButton);
    EXPECT_EQ(ShownPage(kResultPages), c.batch ? kBatchPageNumber : kSinglePageNumber);
    EXPECT_EQ(ControlPlacement(kResultPages), c.returned);
    EXPECT_EQ(ControlText(kModeButton), caption);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"", !c.batch, c.batch ? kGrey : kWhite}));
}

INSTANTIATE_TEST_SUITE_P(FoldStatesAndModes, HelpPage,
                         ::testing::Values(HelpCase{false, false, {3, 244, 610, 352}},
                                           HelpCase{false, true, {3, 244, 610, 352}},
                                           HelpCase{true, false, {3, 174, 610, 422}},
                                           HelpCase{true, true, {3, 174, 610, 422}}));

TEST_F(ModesAndPanels, FooterEventsOtherThanHelpChangeNothing) {
    ClickControl(kModeButton);
    const WindowState before = CurrentState();
    for (const std::string_view name : {"", "导入", "清空", "软件帮助", "帮助 ", " 帮助", "help"}) {
        RaiseFooterEvent(name);
        EXPECT_EQ(CurrentState(), before) << name;
    }
}

TEST_F(ModesAndPanels, TheHelpPageTakesRealClicksMeantForTheControlsBelowIt) {
    struct Covered {
        std::string_view name;
        const wxEventTypeTag<wxCommandEvent>& click;
    };
    const Covered covered[] = {{kQueryButton, wxEVT_BUTTON},
                               {kModeButton, wxEVT_BUTTON},
                               {kCommonCourierOption3, wxEVT_RADIOBUTTON}};
    ClickHelpLink();
    PumpEvents();
    for (const Covered& control : covered) {
        const auto clicks = CountClicks(control.name, control.click);
        MouseClickAt(ScreenCentre(Control<wxWindow>(control.name)));
        PumpEvents();
        EXPECT_EQ(*clicks, 0) << control.name;
    }
    // Nor does a click where CourierBox lies open its list.
    MouseClickAt(ScreenCentre(Control<wxWindow>(kCourierBox)));
    PumpEvents();
    EXPECT_FALSE(DropDownIsOpen(Control<wxChoice>(kCourierBox)));
    EXPECT_EQ(ControlText(kModeButton), "批量◢");
    EXPECT_EQ(ItemCount(kCourierBox), 148);

    // Back from help the same clicks arrive again.
    ClickControl(kReturnButton);
    const auto clicks = CountClicks(kModeButton, wxEVT_BUTTON);
    MouseClickAt(ScreenCentre(Control<wxWindow>(kModeButton)));
    EXPECT_TRUE(PumpUntil([clicks] { return *clicks == 1; }));
}

TEST_F(ModesAndPanels, TheHelpPageIsDrawnOverTheQueryRowAndThePanel) {
    // CourierBox is left out: on this GTK, hiding the drop-down list below the page redraws the
    // page's texts in a paler look once earlier windows of the process have come and gone (see
    // the real click on it in TheHelpPageTakesRealClicksMeantForTheControlsBelowIt).
    const std::string_view covered[] = {kModeButton, kQueryButton, kNumberBox, kCommonCourierPanel};
    // Where nothing covers the query row, hiding a control there changes what is shown.
    const wxImage started =
        SettledScreenshot(Control<wxFrame>(kMainWindow), "query_row_started.png");
    Control<wxWindow>(kQueryButton).Hide();
    const wxImage without_button =
        SettledScreenshot(Control<wxFrame>(kMainWindow), "query_row_without_button.png");
    Control<wxWindow>(kQueryButton).Show();
    ASSERT_TRUE(started.IsOk() && without_button.IsOk());
    ASSERT_FALSE(
        SamePixels(PixelsOver(started, kQueryButton), PixelsOver(without_button, kQueryButton)));

    ClickHelpLink();
    // Away from the pointer and the focus, nothing on the page changes its look (hover, focus)
    // when the controls below it come and go.
    MovePointerOffTheWindow();
    Control<wxWindow>(kReturnButton).SetFocus();
    ASSERT_TRUE(PumpUntil([] { return Control<wxWindow>(kReturnButton).HasFocus(); }));
    // Without the controls below and with them shown again.
    for (const std::string_view name : covered) {
        Control<wxWindow>(name).Hide();
    }
    const wxImage help_without =
        SettledScreenshot(Control<wxFrame>(kMainWindow), "help_without_query_row.png");
    for (const std::string_view name : covered) {
        Control<wxWindow>(name).Show();
    }
    const wxImage help = SettledScreenshot(Control<wxFrame>(kMainWindow), "window_help_page.png");
    ASSERT_TRUE(help.IsOk() && help_without.IsOk());
    for (const std::string_view name : covered) {
        EXPECT_TRUE(SamePixels(PixelsOver(help, name), PixelsOver(help_without, name))) << name;
    }
}

}  // namespace
