// The builder on small layouts of its own: every kind of binding reaches its handler with the
// right event context, and tables that do not fit together give no window.
#include <string>
#include <vector>

#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/radiobut.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_registry.h"
#include "toolkit/layout_builder.h"

namespace {

// What the probe handlers saw, in order: "control|link event".
std::vector<std::string>& Seen() {
    static std::vector<std::string> seen;
    return seen;
}

void Record(const EventContext& context) {
    Seen().push_back(std::string(context.control) + "|" + std::string(context.link_event));
}

// Runs while the window is being built: the controls must all exist by then.
void RecordCreated(const EventContext& context) {
    Seen().push_back(FindControl("ProbeList") != nullptr ? "created with controls"
                                                         : "created without controls");
    Record(context);
}

using enum ControlKind;

const ControlRow kProbeControls[] = {
    {"ProbeWindow", Window, "", 0, 0, 400, 300, "Probe", false},
    {"ProbeButton", Button, "ProbeWindow", 10, 10, 80, 30, "按钮", true},
    {"ProbeGroup", GroupBox, "ProbeWindow", 10, 50, 300, 60, "组", false},
    {"ProbeCaption", TransLabel, "ProbeGroup", 100, 0, 100, 16, "", false},
    {"ProbeOptionB", RadioBox, "ProbeGroup", 120, 20, 90, 24, "乙", true},
    {"ProbeOptionA", RadioBox, "ProbeGroup", 20, 20, 90, 24, "甲", true},
    {"ProbeCombo", ComboBox, "ProbeWindow", 100, 10, 100, 29, "", true},
    {"ProbeLinks", SimpleHtml, "ProbeWindow", 10, 120, 200, 20,
     "<a event=导入>导入</a>或<a event=清空>清空</a>", true},
    {"ProbeList", ListView, "ProbeWindow", 10, 150, 200, 80, "", true},
    {"ProbePicture", PicBox, "ProbeWindow", 220, 150, 50, 50, "", false},
};

const ItemRow kProbeItems[] = {{"ProbeCombo", "一"}, {"ProbeCombo", "二"}};

void RecordCopy(const EventContext& context) {
    Seen().push_back(std::string(context.control) + "|copy");
}

const MenuItemRow kProbeMenuItems[] = {{"ProbeMenu", "复制本条", RecordCopy},
                                       {"ProbeMenu", "清空", Record}};

using enum EventKind;

const EventBinding kProbeBindings[] = {
    {"ProbeWindow", Created, RecordCreated}, {"ProbeButton", Clicked, Record},
    {"ProbeOptionA", Clicked, Record},       {"ProbeOptionB", Clicked, Record},
    {"ProbeCombo", ItemChosen, Record},      {"ProbeCaption", LeftDoubleClick, Record},
    {"ProbeLinks", LinkEvent, Record},       {"ProbeList", RightClick, Record},
    {"ProbePicture", LeftButtonUp, Record},
};

const WindowLayout kProbeLayout{kProbeControls, kProbeItems, {}, kProbeMenuItems, kProbeBindings};

class ProbeWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        Seen().clear();
        wxFrame* window = BuildWindow(kProbeLayout);
        ASSERT_NE(window, nullptr);
        window->Show();
        ASSERT_TRUE(PumpUntil([window] { return window->IsShownOnScreen(); }));
    }
    void TearDown() override {
        DropWaitingSteps();
        if (wxWindow* window = FindControl("ProbeWindow")) {
            window->Close();
        }
        EXPECT_TRUE(PumpUntil([] { return wxTopLevelWindows.empty(); }));
        EXPECT_EQ(FindControl("ProbeButton"), nullptr);
    }
};

TEST_F(ProbeWindow, CreatedHandlerRunsOnceWithEveryControlInPlace) {
    EXPECT_EQ(Seen(), (std::vector<std::string>{"created with controls", "ProbeWindow|"}));
}

struct DriveCase {
    const char* label;
    void (*drive)();
    std::string expected;
};

class ProbeEvents : public ProbeWindow, public ::testing::WithParamInterface<DriveCase> {};

TEST_P(ProbeEvents, ReachTheirHandlerWithTheirContext) {
    Seen().clear();
    GetParam().drive();
    EXPECT_EQ(Seen(), std::vector<std::string>{GetParam().expected});
}

wxPoint CentreOf(std::string_view name) {
    return ScreenCentre(Control<wxWindow>(name));
}

// The box starts with no item selected; the program selects the first (which raises nothing)
// and the person then picks from there.
void ChooseFromTheFirstProbeItem(int index) {
    Control<wxChoice>("ProbeCombo").SetSelection(0);
    ChooseInDropDown("ProbeCombo", index);
}

// The probe menu is popped up by the test itself (nothing in the probe layout shows it); the
// choice in it is a person's.
void ChooseInProbeMenu(std::string_view item, ChooseBy by) {
    ChooseInPopupMenu(
        [] {
            wxWindow& window = Control<wxWindow>("ProbeWindow");
            window.CallAfter([&window] { window.PopupMenu(&Menu("ProbeMenu"), 20, 20); });
            PumpEvents();
        },
        "ProbeMenu", item, by);
}

INSTANTIATE_TEST_SUITE_P(
    Bindings, ProbeEvents,
    ::testing::Values(
        DriveCase{"button", [] { ClickControl("ProbeButton"); }, "ProbeButton|"},
        DriveCase{"option", [] { ClickControl("ProbeOptionB"); }, "ProbeOptionB|"},
        DriveCase{"choice", [] { ChooseFromTheFirstProbeItem(1); }, "ProbeCombo|"},
        DriveCase{"double_click", [] { MouseDoubleClickAt(CentreOf("ProbeCaption")); },
                  "ProbeCaption|"},
        DriveCase{"event_link", [] { MouseClickAt(LinkCentre("ProbeLinks", "event:清空")); },
                  "ProbeLinks|清空"},
        DriveCase{"right_click", [] { MouseClickAt(CentreOf("ProbeList"), wxMOUSE_BTN_RIGHT); },
                  "ProbeList|"},
        DriveCase{"left_up", [] { ClickControl("ProbePicture"); }, "ProbePicture|"},
        DriveCase{"menu_by_pointer", [] { ChooseInProbeMenu("清空", ChooseBy::kPointer); },
                  "ProbeMenu|"},
        DriveCase{"menu_by_keyboard", [] { ChooseInProbeMenu("清空", ChooseBy::kKeyboard); },
                  "ProbeMenu|"},
        DriveCase{"other_menu_item", [] { ChooseInProbeMenu("复制本条", ChooseBy::kKeyboard); },
                  "ProbeMenu|copy"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ProbeWindow, UnboundEventsCallNothing) {
    Seen().clear();
    // The list takes right clicks only: neither a double-click nor a left button's release.
    MouseDoubleClickAt(CentreOf("ProbeList"));
    ClickControl("ProbeList");
    PumpFor(200);
    EXPECT_TRUE(Seen().empty());
}

TEST_F(ProbeWindow, EveryRealClickOnAnOptionIsAClickEvenOnTheOneClickedLast) {
    Seen().clear();
    const wxPoint a = ScreenCentre(Control<wxRadioButton>("ProbeOptionA"));
    const wxPoint b = ScreenCentre(Control<wxRadioButton>("ProbeOptionB"));
    for (const wxPoint& point : {a, a, b, a}) {
        const std::size_t before = Seen().size();
        MouseClickAt(point);
        ASSERT_TRUE(PumpUntil([before] { return Seen().size() == before + 1; }));
    }
    EXPECT_EQ(Seen(), (std::vector<std::string>{"ProbeOptionA|", "ProbeOptionA|", "ProbeOptionB|",
                                                "ProbeOptionA|"}));
}

// Tables that do not fit together.
const ControlRow kOrphan[] = {
    {"ProbeWindow", Window, "", 0, 0, 200, 100, "", false},
    {"ProbeButton", Button, "NoSuchParent", 0, 0, 10, 10, "", true},
};
const ControlRow kJustAButton[] = {
    {"ProbeWindow", Window, "", 0, 0, 200, 100, "", false},
    {"ProbeButton", Button, "ProbeWindow", 0, 0, 10, 10, "", true},
};
const EventBinding kMissingControl[] = {{"NoSuchButton", Clicked, Record}};
const EventBinding kWrongEvent[] = {{"ProbeButton", ItemChosen, Record}};
const MenuItemRow kMenuItemWithoutHandler[] = {{"ProbeMenu", "粘贴", nullptr}};

struct BrokenCase {
    const char* label;
    WindowLayout layout;
};

class BrokenLayouts : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenLayouts, GiveNoWindowAndLeaveNothingRegistered) {
    Seen().clear();
    EXPECT_EQ(BuildWindow(GetParam().layout), nullptr);
    EXPECT_EQ(FindControl("ProbeWindow"), nullptr);
    EXPECT_EQ(FindControl("ProbeButton"), nullptr);
    EXPECT_TRUE(PumpUntil([] { return wxTopLevelWindows.empty(); }));
    EXPECT_TRUE(Seen().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, BrokenLayouts,
    ::testing::Values(BrokenCase{"no_window", {{}, {}, {}, {}, {}}},
                      BrokenCase{"unknown_parent", {kOrphan, {}, {}, {}, {}}},
                      BrokenCase{"unknown_control", {kJustAButton, {}, {}, {}, kMissingControl}},
                      BrokenCase{"event_the_control_lacks",
                                 {kJustAButton, {}, {}, {}, kWrongEvent}},
                      BrokenCase{"menu_item_without_handler",
                                 {kJustAButton, {}, {}, kMenuItemWithoutHandler, {}}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
