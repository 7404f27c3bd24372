#include "ui/window_layout.h"

#include <vector>

#include "catalogue/courier_picker.h"
#include "runs/import_export.h"
#include "runs/query_runs.h"
#include "runs/result_list.h"
#include "ui/embedded_assets.h"
#include "ui/main_window.h"
#include "ui/modes_panels.h"
#include "ui/window_texts.h"

namespace {

using enum ControlKind;

constexpr int kWhite = 0xFFFFFF;
constexpr int kStripColour = 0x9CCBEA;  // the light blue at the foot of the banner

std::vector<ControlRow> MakeControlTable() {
    constexpr FontChoice kSimSun = FontChoice::SimSunHeight12;
    constexpr FontChoice kLarge = FontChoice::Gb2312Height21;
    // clang-format off
    return {
        // name, kind, parent, left, top, width, height, text, focus, font, style, background
        {"MainWindow", Window, "", 50, 50, 623, 688, "Parceliov1.4", false, FontChoice::Default,
         kPlainStyle, kDefaultColour, kWindowIconPng},

        {"ResultPages", PageControl, "MainWindow", 0, 101, 623, 495, "", false, kSimSun},
        {"BannerStrip", Label, "MainWindow", 0, 88, 624, 13, "", false, FontChoice::Default,
         kPlainStyle, kStripColour},
        {"BannerPicture", PicBox, "MainWindow", 0, 0, 624, 88, "", false, FontChoice::Default,
         kPlainStyle, kDefaultColour, kBannerJpeg},
        {"ModeButton", Button, "MainWindow", 565, 106, 44, 32, "批量◢", true},
        {"FooterLinkBox", SimpleHtml, "MainWindow", 175, 602, 266, 26, FooterMarkup(), true},
        {"CommonCourierPanel", GroupBox, "MainWindow", 8, 146, 600, 88, "常用快递（双击关闭）",
         false, FontChoice::Default, kCentredCaption},
        {"MainStatusBar", StatusBar, "MainWindow", 0, 0, 0, 20, "", false},
        {"CourierBox", ComboBox, "MainWindow", 79, 106, 162, 29, "-请选择-", true, kLarge},
        {"LetterGroupBox", ComboBox, "MainWindow", 8, 106, 71, 29, "", true, kLarge},
        {"NumberLabel", Label, "MainWindow", 255, 106, 56, 32, "输入单号", false},
        {"NumberBox", EditBox, "MainWindow", 315, 106, 178, 32, "", true, kLarge, kPlainStyle,
         kWhite},
        {"QueryButton", Button, "MainWindow", 498, 106, 62, 32, "查询", true},

        {"PanelToggleLabel", TransLabel, "CommonCourierPanel", 240, 0, 120, 16, "", false},
        {"CommonCourierOption14", RadioBox, "CommonCourierPanel", 516, 52, 69, 24, "中铁快运", true},
        {"CommonCourierOption13", RadioBox, "CommonCourierPanel", 439, 52, 45, 24, "UPS", true},
        {"CommonCourierOption12", RadioBox, "CommonCourierPanel", 360, 52, 56, 24, "FedEx", true},
        {"CommonCourierOption11", RadioBox, "CommonCourierPanel", 281, 52, 45, 24, "DHL", true},
        {"CommonCourierOption10", RadioBox, "CommonCourierPanel", 202, 52, 56, 24, "宅急送", true},
        {"CommonCourierOption9", RadioBox, "CommonCourierPanel", 123, 52, 68, 24, "全峰快递", true},
        {"CommonCourierOption8", RadioBox, "CommonCourierPanel", 44, 52, 68, 24, "天天快递", true},
        {"CommonCourierOption7", RadioBox, "CommonCourierPanel", 516, 20, 45, 24, "EMS", true},
        {"CommonCourierOption6", RadioBox, "CommonCourierPanel", 439, 20, 45, 24, "顺丰", true},
        {"CommonCourierOption5", RadioBox, "CommonCourierPanel", 360, 20, 68, 24, "汇通快运", true},
        {"CommonCourierOption4", RadioBox, "CommonCourierPanel", 281, 20, 68, 24, "韵达快运", true},
        {"CommonCourierOption3", RadioBox, "CommonCourierPanel", 202, 20, 68, 24, "中通速递", true},
        {"CommonCourierOption2", RadioBox, "CommonCourierPanel", 123, 20, 68, 24, "圆通速递", true},
        {"CommonCourierOption1", RadioBox, "CommonCourierPanel", 44, 20, 45, 24, "申通", true},

        // The pages of ResultPages, in page order: single, batch, help.
        {"SinglePage", Page, "ResultPages", 0, 0, 0, 0, "", false},
        {"BatchPage", Page, "ResultPages", 0, 0, 0, 0, "", false},
        {"HelpPage", Page, "ResultPages", 0, 0, 0, 0, "", false},

        {"SingleResultList", ListView, "SinglePage", 6, 5, 600, 342, "", true},

        {"FileDialog", CommonDlg, "BatchPage", 101, 69, 26, 26, "", false},
        {"BatchLinkBox", SimpleHtml, "BatchPage", 26, 12, 135, 14, BatchLinkMarkup(), true},
        {"BatchNumberBox", EditBox, "BatchPage", 7, 34, 174, 313, "", true, FontChoice::Default,
         kMultiLine, kWhite},
        {"BatchResultList", ListView, "BatchPage", 186, 5, 420, 342, "", true},

        {"HelpGroup", GroupBox, "HelpPage", 13, 173, 584, 172, "软件帮助", false,
         FontChoice::Default, kPlainStyle, kWhite},
        {"HelpText", Label, "HelpGroup", 43, 18, 503, 144, HelpText(), false},
        {"ReturnButton", Button, "HelpPage", 493, 446, 104, 32, "返回", true},
        {"AboutGroup", GroupBox, "HelpPage", 13, 14, 584, 142, "作者的话", false,
         FontChoice::Default, kPlainStyle, kWhite},
        {"PresencePicture", PicBox, "AboutGroup", 494, 12, 82, 122, "", false, FontChoice::Default,
         kHandPointer},
        {"AboutText", Label, "AboutGroup", 22, 26, 429, 90, AboutText(), false},
    };
    // clang-format on
}

constexpr ItemRow kItems[] = {
    {"LetterGroupBox", "全部"}, {"LetterGroupBox", "A-E"}, {"LetterGroupBox", "F-J"},
    {"LetterGroupBox", "K-O"},  {"LetterGroupBox", "P-T"}, {"LetterGroupBox", "U-Z"},
};

constexpr ColumnRow kColumns[] = {
    {"SingleResultList", "快件单号", 80, ColumnAlign::Left},
    {"SingleResultList", "操作时间", 140, ColumnAlign::Centre},
    {"SingleResultList", "走件流程", 370, ColumnAlign::Left},
    {"BatchResultList", "快件单号", 80, ColumnAlign::Left},
    {"BatchResultList", "操作时间", 140, ColumnAlign::Centre},
    {"BatchResultList", "最近状态", 190, ColumnAlign::Left},
};

constexpr MenuItemRow kMenuItems[] = {
    {"BatchResultMenu", "查看快件流程"},  {"BatchResultMenu", "导出查询结果"},
    {"BatchResultMenu", "复制本条"},      {"BatchResultMenu", "删除本条结果"},
    {"BatchResultMenu", "清空查询结果"},  {"SingleResultMenu", "复制本条"},
    {"SingleResultMenu", "导出查询结果"}, {"SingleResultMenu", "清空"},
};

void PickOption(const EventContext& context) {
    PickCommonCourier(context.control);
}

using enum EventKind;

constexpr EventBinding kBindings[] = {
    {"MainWindow", "", Created, [](const EventContext&) { InitMainWindow(); }},
    {"QueryButton", "", Clicked, [](const EventContext&) { OnQueryButton(); }},
    {"ModeButton", "", Clicked, [](const EventContext&) { ToggleQueryMode(); }},
    {"LetterGroupBox", "", ItemChosen, [](const EventContext&) { FillCourierBox(); }},
    {"CommonCourierOption1", "", Clicked, PickOption},
    {"CommonCourierOption2", "", Clicked, PickOption},
    {"CommonCourierOption3", "", Clicked, PickOption},
    {"CommonCourierOption4", "", Clicked, PickOption},
    {"CommonCourierOption5", "", Clicked, PickOption},
    {"CommonCourierOption6", "", Clicked, PickOption},
    {"CommonCourierOption7", "", Clicked, PickOption},
    {"CommonCourierOption8", "", Clicked, PickOption},
    {"CommonCourierOption9", "", Clicked, PickOption},
    {"CommonCourierOption10", "", Clicked, PickOption},
    {"CommonCourierOption11", "", Clicked, PickOption},
    {"CommonCourierOption12", "", Clicked, PickOption},
    {"CommonCourierOption13", "", Clicked, PickOption},
    {"CommonCourierOption14", "", Clicked, PickOption},
    {"PanelToggleLabel", "", LeftDoubleClick, [](const EventContext&) { ToggleCommonPanel(); }},
    {"FooterLinkBox", "", LinkEvent, [](const EventContext& c) { OnFooterLink(c.link_event); }},
    {"BatchLinkBox", "", LinkEvent, [](const EventContext& c) { OnBatchLink(c.link_event); }},
    {"SingleResultList", "", RightClick,
     [](const EventContext&) { ShowResultMenu("SingleResultList", "SingleResultMenu"); }},
    {"BatchResultList", "", RightClick,
     [](const EventContext&) { ShowResultMenu("BatchResultList", "BatchResultMenu"); }},
    {"PresencePicture", "", LeftButtonUp, [](const EventContext&) { OpenChatPage(); }},
    {"ReturnButton", "", Clicked, [](const EventContext&) { ReturnFromHelp(); }},
    {"BatchResultMenu", "查看快件流程", MenuChosen, [](const EventContext&) { ViewParcelSteps(); }},
    {"BatchResultMenu", "导出查询结果", MenuChosen,
     [](const EventContext&) { ExportResultList("BatchResultList"); }},
    {"BatchResultMenu", "复制本条", MenuChosen,
     [](const EventContext&) { CopySelectedRow("BatchResultList"); }},
    {"BatchResultMenu", "删除本条结果", MenuChosen,
     [](const EventContext&) { DeleteSelectedRow("BatchResultList"); }},
    {"BatchResultMenu", "清空查询结果", MenuChosen,
     [](const EventContext&) { ClearResultList("BatchResultList"); }},
    {"SingleResultMenu", "复制本条", MenuChosen,
     [](const EventContext&) { CopySelectedRow("SingleResultList"); }},
    {"SingleResultMenu", "导出查询结果", MenuChosen,
     [](const EventContext&) { ExportResultList("SingleResultList"); }},
    {"SingleResultMenu", "清空", MenuChosen,
     [](const EventContext&) { ClearResultList("SingleResultList"); }},
};

}  // namespace

const WindowLayout& MainWindowLayout() {
    static const std::vector<ControlRow> controls = MakeControlTable();
    static const WindowLayout layout{controls, kItems, kColumns, kMenuItems, kBindings};
    return layout;
}
