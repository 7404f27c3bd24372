// Switching modes, folding the panel of common couriers and showing the help page, on the real
// window.
#include <memory>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "tests/ui/toolkit_probe.h"
#include "tests/ui/window_harness.h"
#include "ui/control_ops.h"
#include "ui/controls.h"
#include "ui/hypertext_markup.h"

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
    const wxTextCtrl& box = Control<wxTextCtrl>("NumberBox");
    return {ControlText("NumberBox"), box.IsEnabled(), box.GetBackgroundColour()};
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
    return {ControlText("ModeButton"),         ShownPage("ResultPages"),
            ControlPlacement("ResultPages"),   ControlPlacement("CommonCourierPanel"),
            ControlText("CommonCourierPanel"), NumberBox()};
}

void ClickFooterEvent(std::string_view event_name) {
    ClickLink("FooterLinkBox", JoinTexts(kEventLinkPrefix, event_name));
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

// The pixels of a shot of the window where the named control lies.
wxImage PixelsOver(const wxImage& shot, std::string_view name) {
    const wxWindow& control = Control<wxWindow>(name);
    const wxPoint at =
        control.GetScreenPosition() - Control<wxFrame>("MainWindow").GetScreenPosition();
    return shot.GetSubImage(wxRect(at, control.GetSize()));
}

wxColour PixelAt(const wxImage& shot, const wxPoint& at) {
    return {shot.GetRed(at.x, at.y), shot.GetGreen(at.x, at.y), shot.GetBlue(at.x, at.y)};
}

bool SamePixels(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + 3 * a.GetWidth() * a.GetHeight(), b.GetData());
}

using ModesAndPanels = MainWindowTest;

TEST_F(ModesAndPanels, ModeButtonSwitchesToBatchAndBack) {
    SetControlText("NumberBox", "7300128");
    ClickButton("ModeButton");
    EXPECT_EQ(ControlText("ModeButton"), "◤单个");
    EXPECT_EQ(ShownPage("ResultPages"), 1);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"", false, kGrey}));

    ClickButton("ModeButton");
    EXPECT_EQ(ControlText("ModeButton"), "批量◢");
    EXPECT_EQ(ShownPage("ResultPages"), 0);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"", true, kWhite}));

    // Back to single mode the box keeps whatever text it holds.
    ClickButton("ModeButton");
    SetControlText("NumberBox", "42");
    ClickButton("ModeButton");
    EXPECT_EQ(NumberBox(), (NumberBoxState{"42", true, kWhite}));
}

TEST_F(ModesAndPanels, TheNumberBoxShowsItsModesBackgroundOnScreen) {
    const wxPoint inside = Control<wxWindow>("NumberBox").GetScreenPosition() -
                           Window().GetScreenPosition() + wxPoint(6, 6);
    const wxImage single =
        SettledScreenshot(Control<wxFrame>("MainWindow"), "number_box_single.png");
    ClickButton("ModeButton");
    const wxImage batch = SettledScreenshot(Control<wxFrame>("MainWindow"), "number_box_batch.png");
    ASSERT_TRUE(single.IsOk() && batch.IsOk());
    EXPECT_EQ(PixelAt(single, inside), kWhite);
    EXPECT_EQ(PixelAt(batch, inside), kGrey);
}

TEST_F(ModesAndPanels, FoldingGivesThePanelsRoomToThePagesAndUnfoldingTakesItBack) {
    const WindowState started = CurrentState();
    const int heights[] = {Height("SingleResultList"), Height("BatchResultList"),
                           Height("BatchNumberBox")};
    DoubleClick("PanelToggleLabel");
    EXPECT_EQ(ControlPlacement("ResultPages"), (Placement{3, 172, 610, 424}));
    EXPECT_EQ(ControlPlacement("CommonCourierPanel"), (Placement{8, 146, 600, 16}));
    EXPECT_EQ(ControlText("CommonCourierPanel"), "常用快递（双击展开）");
    EXPECT_EQ(Height("SingleResultList"), heights[0] + 72);
    EXPECT_EQ(Height("BatchResultList"), heights[1] + 72);
    EXPECT_EQ(Height("BatchNumberBox"), heights[2] + 72);

    DoubleClick("PanelToggleLabel");
    EXPECT_EQ(CurrentState(), started);
    EXPECT_EQ(ControlText("CommonCourierPanel"), "常用快递（双击关闭）");
    EXPECT_EQ(Height("SingleResultList"), heights[0]);
    EXPECT_EQ(Height("BatchResultList"), heights[1]);
    EXPECT_EQ(Height("BatchNumberBox"), heights[2]);
}

TEST_F(ModesAndPanels, ARealDoubleClickOnTheCaptionFoldsThePanelAndHidesItsOptions) {
    const wxPoint option = ScreenCentre(Control<wxWindow>("CommonCourierOption1"));
    MoveMouseTo(ScreenCentre(Control<wxWindow>("PanelToggleLabel")));
    wxUIActionSimulator().MouseDblClick();
    ASSERT_TRUE(PumpUntil([] { return Height("CommonCourierPanel") == 16; }));
    const auto clicks = CountClicks("CommonCourierOption1", wxEVT_RADIOBUTTON);
    MouseClickAt(option);
    PumpEvents();
    EXPECT_EQ(*clicks, 0);
    EXPECT_EQ(ItemCount("CourierBox"), 148);
}

TEST_F(ModesAndPanels, UnfoldingShowsAllGroupsWhileCourierBoxKeepsItsItems) {
    ChooseItem("LetterGroupBox", 3);
    DoubleClick("PanelToggleLabel");
    EXPECT_EQ(SelectedItem("LetterGroupBox"), 3);
    DoubleClick("PanelToggleLabel");
    EXPECT_EQ(SelectedItem("LetterGroupBox"), 0);
    EXPECT_EQ(ItemCount("CourierBox"), 18);
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
        DoubleClick("PanelToggleLabel");
    }
    if (c.batch) {
        ClickButton("ModeButton");
    }
    SetControlText("NumberBox", "7300128");
    const Text caption = ControlText("ModeButton");
    ClickFooterEvent("帮助");
    EXPECT_EQ(ShownPage("ResultPages"), 2);
    EXPECT_EQ(ControlPlacement("ResultPages"), (Placement{0, 101, 623, 495}));
    EXPECT_EQ(ControlText("ModeButton"), caption);

    ClickButton("ReturnButton");
    EXPECT_EQ(ShownPage("ResultPages"), c.batch ? 1 : 0);
    EXPECT_EQ(ControlPlacement("ResultPages"), c.returned);
    EXPECT_EQ(ControlText("ModeButton"), caption);
    EXPECT_EQ(NumberBox(), (NumberBoxState{"", !c.batch, c.batch ? kGrey : kWhite}));
}

INSTANTIATE_TEST_SUITE_P(FoldStatesAndModes, HelpPage,
                         ::testing::Values(HelpCase{false, false, {3, 244, 610, 352}},
                                           HelpCase{false, true, {3, 244, 610, 352}},
                                           HelpCase{true, false, {3, 174, 610, 422}},
                                           HelpCase{true, true, {3, 174, 610, 422}}));

TEST_F(ModesAndPanels, FooterEventsOtherThanHelpChangeNothing) {
    ClickButton("ModeButton");
    const WindowState before = CurrentState();
    for (const std::string_view name : {"", "导入", "清空", "软件帮助", "帮助 ", " 帮助", "help"}) {
        ClickFooterEvent(name);
        EXPECT_EQ(CurrentState(), before) << name;
    }
}

TEST_F(ModesAndPanels, TheHelpPageTakesRealClicksMeantForTheControlsBelowIt) {
    struct Covered {
        std::string_view name;
        const wxEventTypeTag<wxCommandEvent>& click;
    };
    const Covered covered[] = {{"QueryButton", wxEVT_BUTTON},
                               {"ModeButton", wxEVT_BUTTON},
                               {"CommonCourierOption3", wxEVT_RADIOBUTTON}};
    ClickFooterEvent("帮助");
    PumpEvents();
    for (const Covered& control : covered) {
        const auto clicks = CountClicks(control.name, control.click);
        MouseClickAt(ScreenCentre(Control<wxWindow>(control.name)));
        PumpEvents();
        EXPECT_EQ(*clicks, 0) << control.name;
    }
    // Nor does a click where CourierBox lies open its list.
    MouseClickAt(ScreenCentre(Control<wxWindow>("CourierBox")));
    PumpEvents();
    EXPECT_FALSE(DropDownIsOpen(Control<wxChoice>("CourierBox")));
    EXPECT_EQ(ControlText("ModeButton"), "批量◢");
    EXPECT_EQ(ItemCount("CourierBox"), 148);

    // Back from help the same clicks arrive again.
    ClickButton("ReturnButton");
    const auto clicks = CountClicks("ModeButton", wxEVT_BUTTON);
    MouseClickAt(ScreenCentre(Control<wxWindow>("ModeButton")));
    EXPECT_TRUE(PumpUntil([clicks] { return *clicks == 1; }));
}

TEST_F(ModesAndPanels, TheHelpPageIsDrawnOverTheQueryRowAndThePanel) {
    // CourierBox is left out: on this GTK, hiding the drop-down list below the page redraws the
    // page's texts in a paler look once earlier windows of the process have come and gone (see
    // the real click on it in TheHelpPageTakesRealClicksMeantForTheControlsBelowIt).
    const std::string_view covered[] = {"ModeButton", "QueryButton", "NumberBox",
                                        "CommonCourierPanel"};
    // Where nothing covers the query row, hiding a control there changes what is shown.
    const wxImage started =
        SettledScreenshot(Control<wxFrame>("MainWindow"), "query_row_started.png");
    Control<wxWindow>("QueryButton").Hide();
    const wxImage without_button =
        SettledScreenshot(Control<wxFrame>("MainWindow"), "query_row_without_button.png");
    Control<wxWindow>("QueryButton").Show();
    ASSERT_TRUE(started.IsOk() && without_button.IsOk());
    ASSERT_FALSE(
        SamePixels(PixelsOver(started, "QueryButton"), PixelsOver(without_button, "QueryButton")));

    ClickFooterEvent("帮助");
    // Away from the pointer and the focus, nothing on the page changes its look (hover, focus)
    // when the controls below it come and go.
    MoveMouseTo(Window().GetScreenRect().GetBottomRight() + wxPoint(10, 10));
    Control<wxWindow>("ReturnButton").SetFocus();
    ASSERT_TRUE(PumpUntil([] { return Control<wxWindow>("ReturnButton").HasFocus(); }));
    // Without the controls below and with them shown again.
    for (const std::string_view name : covered) {
        Control<wxWindow>(name).Hide();
    }
    const wxImage help_without =
        SettledScreenshot(Control<wxFrame>("MainWindow"), "help_without_query_row.png");
    for (const std::string_view name : covered) {
        Control<wxWindow>(name).Show();
    }
    const wxImage help =
        SettledScreenshot(Control<wxFrame>("MainWindow"), "help_over_query_row.png");
    ASSERT_TRUE(help.IsOk() && help_without.IsOk());
    for (const std::string_view name : covered) {
        EXPECT_TRUE(SamePixels(PixelsOver(help, name), PixelsOver(help_without, name))) << name;
    }
}

}  // namespace
