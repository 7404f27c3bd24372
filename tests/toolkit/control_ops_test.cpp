// Operations on the real controls by name.
#include <stdexcept>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/statusbr.h>

#include "catalogue/courier_catalogue.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/status_bar.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"
#include "ui/window_texts.h"

namespace {

using ControlOps = MainWindowTest;

TEST_F(ControlOps, AccessorRefusesUnknownNamesAndWrongClasses) {
    EXPECT_THROW(Control<wxButton>(kNumberBox), std::logic_error);
    EXPECT_THROW(Control<wxWindow>("NoSuchControl"), std::logic_error);
    EXPECT_THROW(Menu("NoSuchMenu"), std::logic_error);
    EXPECT_EQ(FindControl(kFileDialog), nullptr);  // the dialogs are made when used
    EXPECT_NO_THROW(Control<wxButton>(kQueryButton));
}

struct SelectCase {
    int asked;
    int selected;
};

class SelectItemClamps : public MainWindowTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectItemClamps, ToTheItemsOrNone) {
    SelectItem(kCourierBox, GetParam().asked);
    EXPECT_EQ(SelectedItem(kCourierBox), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Indexes, SelectItemClamps,
                         ::testing::Values(SelectCase{5, 5}, SelectCase{147, 147},
                                           SelectCase{148, 147}, SelectCase{100000, 147},
                                           SelectCase{-1, -1}, SelectCase{-7, -1}));

TEST_F(ControlOps, AnEmptyCatalogueLeavesTheCourierBoxEmptyWithNothingSelected) {
    FreeProgramValues();
    InitMainWindow();
    LoadCatalogue();
    EXPECT_EQ(ItemCount(kCourierBox), 0);
    EXPECT_EQ(SelectedItem(kCourierBox), -1);
    EXPECT_EQ(ItemText(kCourierBox, 0), "");
}

TEST_F(ControlOps, ItemTextOutsideTheItemsIsEmpty) {
    EXPECT_EQ(ItemText(kLetterGroupBox, -1), "");
    EXPECT_EQ(ItemText(kLetterGroupBox, 6), "");
    EXPECT_EQ(ItemText(kLetterGroupBox, 5), "U-Z");
}

TEST_F(ControlOps, ProgramSelectionRaisesNoChoiceEvent) {
    int events = 0;
    Control<wxChoice>(kLetterGroupBox).Bind(wxEVT_CHOICE, [&events](wxCommandEvent& event) {
        ++events;
        event.Skip();
    });
    SelectItem(kLetterGroupBox, 3);
    PumpEvents();
    EXPECT_EQ(events, 0);
    ChooseInDropDown(kLetterGroupBox, 2);
    EXPECT_EQ(events, 1);
}

TEST_F(ControlOps, ComboBoxKeepsItsStoredTextWithoutShowingIt) {
    EXPECT_EQ(ControlText(kCourierBox), "-请选择-");
    SetControlText(kCourierBox, "-请选择-x");
    EXPECT_EQ(ControlText(kCourierBox), "-请选择-x");
    EXPECT_EQ(Control<wxChoice>(kCourierBox).GetStringSelection(), GbkToWx("澳大利亚邮政"));
}

struct TextCase {
    std::string_view control;
    Text initial;
    Text replaced;
};

class ControlTexts : public MainWindowTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ControlTexts, ReadBackAsGbkBytes) {
    const TextCase& c = GetParam();
    EXPECT_EQ(ControlText(c.control), c.initial);
    SetControlText(c.control, c.replaced);
    EXPECT_EQ(ControlText(c.control), c.replaced);
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlTexts,
                         ::testing::Values(TextCase{kMainWindow, "Parceliov1.4", "Parcelio"},
                                           TextCase{kModeButton, "批量◢", "◤单个"},
                                           TextCase{kCommonCourierPanel, "常用快递（双击关闭）",
                                                    "常用快递（双击展开）"},
                                           TextCase{kCommonCourierOption6, "顺丰", "顺丰"},
                                           TextCase{kNumberLabel, "输入单号", "输入单号"},
                                           TextCase{kNumberBox, "", "  1234 5678\xA1\xA1"},
                                           TextCase{kBatchNumberBox, "", "111\r\n222\r\n"},
                                           TextCase{kQueryButton, "查询", "查询"}),
                         [](const auto& info) { return std::string(info.param.control); });

TEST_F(ControlOps, HelpTextIsShownByteForByte) {
    EXPECT_EQ(ControlText(kHelpText), HelpText());
    EXPECT_EQ(ControlText(kAboutText), AboutText());
}

TEST_F(ControlOps, PlacementRoundTripsAndAMissingPageChangesNothing) {
    PlaceControl(kResultPages, {0, 101, 623, 495});
    EXPECT_EQ(ControlPlacement(kResultPages), (Placement{0, 101, 623, 495}));
    ShowPage(kResultPages, 2);
    EXPECT_EQ(ShownPage(kResultPages), 2);
    ShowPage(kResultPages, 3);
    ShowPage(kResultPages, -1);
    EXPECT_EQ(ShownPage(kResultPages), 2);
}

TEST_F(ControlOps, StatusPartTextAndTipChangeApart) {
    SetStatusPartText(0, "查询执行完成!");
    SetStatusPartTip(0, "查询执行完成");
    EXPECT_EQ(StatusPartText(0), "查询执行完成!");
    EXPECT_EQ(StatusPartTip(0), "查询执行完成");
    EXPECT_EQ(StatusPartTip(1), "");  // parts get no tooltip of their own
    SetStatusPartText(4, "x");
    SetStatusPartTip(-1, "x");
    EXPECT_EQ(StatusPartText(4), "");
    EXPECT_EQ(StatusPartTip(-1), "");
    EXPECT_EQ(StatusPartCount(), 4);
}

TEST_F(ControlOps, StatusTipFollowsThePartUnderThePointer) {
    SetStatusPartTip(0, "单号提示");
    wxStatusBar& bar = Control<wxStatusBar>(kMainStatusBar);
    for (const int part : {1, 0, 3}) {
        wxRect rect;
        ASSERT_TRUE(bar.GetFieldRect(part, rect));
        MoveMouseTo(bar.ClientToScreen(rect.GetPosition() + wxPoint(5, rect.height / 2)));
        EXPECT_TRUE(PumpUntil([&] { return WxToGbk(bar.GetToolTipText()) == StatusPartTip(part); }))
            << "part " << part;
    }
}

}  // namespace
