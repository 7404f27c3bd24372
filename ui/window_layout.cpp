#include "ui/window_layout.h"

#include <vector>

#include "catalogue/courier_catalogue.h"
#include "catalogue/courier_picker.h"
#include "runs/import_export.h"
#include "runs/query_runs.h"
#include "runs/result_list.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/status_bar.h"
#include "ui/embedded_assets.h"
#include "ui/modes_panels.h"
#include "ui/result_pages_placements.h"
#include "ui/window_texts.h"

namespace {

using enum ControlKind;

constexpr int kWhite = 0xFFFFFF;
constexpr int kStripColour = 0x9CCBEA;  // the light blue at the foot of the banner

// Larger pictures of the icon and the banner, for screens of a larger scale.
const std::span<const unsigned char> kLargerIcons[] = {
    kWindowIconPng16, kWindowIconPng24,  kWindowIconPng32,
    kWindowIconPng64, kWindowIconPng128, kWindowIconPng256,
};
const std::span<const unsigned char> kLargerBanners[] = {kBannerJpeg2x};

std::vector<ControlRow> MakeControlTable() {
    constexpr FontChoice kSimSun = FontChoice::SimSunHeight12;
    constexpr FontChoice kLarge = FontChoice::Gb2312Height21;
    // clang-format off
    return {
        // name, kind, parent, left, top, width, height, text, focus, font, style, background
        {kMainWindow, Window, "", 50, 50, 623, 688, "Parceliov1.4", false, FontChoice::Default,
         kPlainStyle, kDefaultColour, kWindowIconPng, kLargerIcons},

        {kResultPages, PageControl, kMainWindow, 0, 101, 623, 495, "", false, kSimSun},
        {kBannerStrip, Label, kMainWindow, 0, 88, 624, 13, "", false, FontChoice::Default,
         kPlainStyle, kStripColour},
        {kBannerPicture, PicBox, kMainWindow, 0, 0, 624, 88, "", false, FontChoice::Default,
         kPlainStyle, kDefaultColour, kBannerJpeg, kLargerBanners},
        {kModeButton, Button, kMainWindow, 565, 106, 44, 32, "批量◢", true},
        {kFooterLinkBox, SimpleHtml, kMainWindow, 175, 602, 266, 26, FooterMarkup(), true},
        {kCommonCourierPanel, GroupBox, kMainWindow, 8, 146, 600, 88, "常用快递（双击关闭）",
         false, FontChoice::Default, kCentredCaption},
        {kMainStatusBar, StatusBar, kMainWindow, 0, 0, 0, 20, "", false},
        {kCourierBox, ComboBox, kMainWindow, 79, 106, 162, 29, "-请选择-", true, kLarge},
        {kLetterGroupBox, ComboBox, kMainWindow, 8, 106, 71, 29, "", true, kLarge},
        {kNumberLabel, Label, kMainWindow, 255, 106, 56, 32, "输入单号", false},
        {kNumberBox, EditBox, kMainWindow, 315, 106, 178, 32, "", true, kLarge, kPlainStyle,
         kWhite},
        {kQueryButton, Button, kMainWindow, 498, 106, 62, 32, "查询", true},

        {kPanelToggleLabel, TransLabel, kCommonCourierPanel, 240, 0, 120, 16, "", false},
        {kCommonCourierOption14, RadioBox, kCommonCourierPanel, 516, 52, 69, 24, "中铁快运", true},
        {kCommonCourierOption13, RadioBox, kCommonCourierPanel, 439, 52, 45, 24, "UPS", true},
        {kCommonCourierOption12, RadioBox, kCommonCourierPanel, 360, 52, 56, 24, "FedEx", true},
        {kCommonCourierOption11, RadioBox, kCommonCourierPanel, 281, 52, 45, 24, "DHL", true},
        {kCommonCourierOption10, RadioBox, kCommonCourierPanel, 202, 52, 56, 24, "宅急送", true},
        {kCommonCourierOption9, RadioBox, kCommonCourierPanel, 123, 52, 68, 24, "全峰快递", true},
        {kCommonCourierOption8, RadioBox, kCommonCourierPanel, 44, 52, 68, 24, "天天快递", true},
        {kCommonCourierOption7, RadioBox, kCommonCourierPanel, 516, 20, 45, 24, "EMS", true},
        {kCommonCourierOption6, RadioBox, kCommonCourierPanel, 439, 20, 45, 24, "顺丰", true},
        {kCommonCourierOption5, RadioBox, kCommonCourierPanel, 360, 20, 68, 24, "汇通快运", true},
        {kCommonCourierOption4, RadioBox, kCommonCourierPanel, 281, 20, 68, 24, "韵达快运", true},
        {kCommonCourierOption3, RadioBox, kCommonCourierPanel, 202, 20, 68, 24, "中通速递", true},
        {kCommonCourierOption2, RadioBox, kCommonCourierPanel, 123, 20, 68, 24, "圆通速递", true},
        {kCommonCourierOption1, RadioBox, kCommonCourierPanel, 44, 20, 45, 24, "申通", true},

        // The pages of ResultPages, in page order: single, batch, help.
        {kSinglePage, Page, kResultPages, 0, 0, 0, 0, "", false},
        {kBatchPage, Page, kResultPages, 0, 0, 0, 0, "", false},
        {kHelpPage, Page, kResultPages, 0, 0, 0, 0, "", false},

        {kSingleResultList, ListView, kSinglePage, 6, 5, 600, 342, "", true},

        {kFileDialog, CommonDlg, kBatchPage, 101, 69, 26, 26, "", false},
        {kBatchLinkBox, SimpleHtml, kBatchPage, 26, 12, 135, 14, BatchLinkMarkup(), true},
        {kBatchNumberBox, EditBox, kBatchPage, 7, 34, 174, 313, "", true, FontChoice::Default,
         kMultiLine, kWhite},
        {kBatchResultList, ListView, kBatchPage, 186, 5, 420, 342, "", true},

        {kHelpGroup, GroupBox, kHelpPage, 13, 173, 584, 172, "软件帮助", false,
         FontChoice::Default, kPlainStyle, kWhite},
        {kHelpText, Label, kHelpGroup, 43, 18, 503, 144, HelpText(), false},
        {kReturnButton, Button, kHelpPage, 493, 446, 104, 32, "返回", true},
        {kAboutGroup, GroupBox, kHelpPage, 13, 14, 584, 142, "作者的话", false,
         FontChoice::Default, kPlainStyle, kWhite},
        {kPresencePicture, PicBox, kAboutGroup, 494, 12, 82, 122, "", false, FontChoice::Default,
         kHandPointer},
        {kAboutText, Label, kAboutGroup, 22, 26, 429, 90, AboutText(), false},
    };
    // clang-format on
}

constexpr ItemRow kItems[] = {
    {kLetterGroupBox, "全部"}, {kLetterGroupBox, "A-E"}, {kLetterGroupBox, "F-J"},
    {kLetterGroupBox, "K-O"},  {kLetterGroupBox, "P-T"}, {kLetterGroupBox, "U-Z"},
};

constexpr ColumnRow kColumns[] = {
    {kSingleResultList, "快件单号", 80, ColumnAlign::Left},
    {kSingleResultList, "操作时间", 140, ColumnAlign::Centre},
    {kSingleResultList, "走件流程", 370, ColumnAlign::Left},
    {kBatchResultList, "快件单号", 80, ColumnAlign::Left},
    {kBatchResultList, "操作时间", 140, ColumnAlign::Centre},
    {kBatchResultList, "最近状态", 190, ColumnAlign::Left},
};

void PickOption(const EventContext& context) {
    PickCommonCourier(context.control);
}

// 返回, pressed from the keyboard, is hidden with the help page: the keyboard goes on to the mode
// button, or no key would reach the window.
void ReturnFromHelpToTheModeButton(const EventContext&) {
    ReturnFromHelp();
    RecoverKeyboardFocus(kModeButton);
}

using enum EventKind;

constexpr EventBinding kBindings[] = {
    {kMainWindow, Created, [](const EventContext&) { InitMainWindow(); }},
    {kQueryButton, Clicked, [](const EventContext&) { OnQueryButton(); }},
    {kModeButton, Clicked, [](const EventContext&) { ToggleQueryMode(); }},
    {kLetterGroupBox, ItemChosen, [](const EventContext&) { FillCourierBox(); }},
    {kCommonCourierOption1, Clicked, PickOption},
    {kCommonCourierOption2, Clicked, PickOption},
    {kCommonCourierOption3, Clicked, PickOption},
    {kCommonCourierOption4, Clicked, PickOption},
    {kCommonCourierOption5, Clicked, PickOption},
    {kCommonCourierOption6, Clicked, PickOption},
    {kCommonCourierOption7, Clicked, PickOption},
    {kCommonCourierOption8, Clicked, PickOption},
    {kCommonCourierOption9, Clicked, PickOption},
    {kCommonCourierOption10, Clicked, PickOption},
    {kCommonCourierOption11, Clicked, PickOption},
    {kCommonCourierOption12, Clicked, PickOption},
    {kCommonCourierOption13, Clicked, PickOption},
    {kCommonCourierOption14, Clicked, PickOption},
    {kPanelToggleLabel, LeftDoubleClick, [](const EventContext&) { ToggleCommonPanel(); }},
    {kFooterLinkBox, LinkEvent, [](const EventContext& c) { OnFooterLink(c.link_event); }},
    {kBatchLinkBox, LinkEvent, [](const EventContext& c) { OnBatchLink(c.link_event); }},
    {kBatchNumberBox, FilesDropped,
     [](const EventContext& c) { ImportNumberFiles(c.dropped_files); }},
    {kSingleResultList, RightClick,
     [](const EventContext& c) {
         ShowResultMenu(kSingleResultList, kSingleResultMenu, c.by_keyboard);
     }},
    {kBatchResultList, RightClick,
     [](const EventContext& c) {
         ShowResultMenu(kBatchResultList, kBatchResultMenu, c.by_keyboard);
     }},
    {kPresencePicture, LeftButtonUp, [](const EventContext&) { OpenChatPage(); }},
    {kReturnButton, Clicked, ReturnFromHelpToTheModeButton},
};

// "查看快件流程" shows the parcel's steps in single mode. The batch list it was chosen on, which
// had the keyboard focus, is hidden then: the focus goes to the single list.
void ViewParcelStepsInSingleMode(const EventContext&) {
    ToggleQueryMode();
    RecoverKeyboardFocus(kSingleResultList);
    ViewParcelSteps();
}

constexpr MenuItemRow kMenuItems[] = {
    {kBatchResultMenu, "查看快件流程", ViewParcelStepsInSingleMode},
    {kBatchResultMenu, "导出查询结果",
     [](const EventContext&) { ExportResultList(kBatchResultList); }},
    {kBatchResultMenu, "复制本条", [](const EventContext&) { CopySelectedRow(kBatchResultList); }},
    {kBatchResultMenu, "删除本条结果",
     [](const EventContext&) { DeleteSelectedRow(kBatchResultList); }},
    {kBatchResultMenu, "清空查询结果",
     [](const EventContext&) { ClearResultList(kBatchResultList); }},
    {kSingleResultMenu, "复制本条",
     [](const EventContext&) { CopySelectedRow(kSingleResultList); }},
    {kSingleResultMenu, "导出查询结果",
     [](const EventContext&) { ExportResultList(kSingleResultList); }},
    {kSingleResultMenu, "清空", [](const EventContext&) { ClearResultList(kSingleResultList); }},
};

}  // namespace

const WindowLayout& MainWindowLayout() {
    static const std::vector<ControlRow> controls = MakeControlTable();
    static const WindowLayout layout{controls, kItems, kColumns, kMenuItems, kBindings};
    return layout;
}

void InitMainWindow() {
    PlaceControl(kResultPages, kPagesBelowUnfoldedPanel);
    ShowPage(kResultPages, kSinglePageNumber);
    SelectItem(kLetterGroupBox, 0);
    ClearItems(kCourierBox);
    for (const CourierEntry& entry : CourierCatalogue) {
        AppendItem(kCourierBox, entry.name);
    }
    SelectItem(kCourierBox, 0);
    AppendStatusPart("请输入快递单号", 250);
    AppendStatusPart("欢迎使用Parcelio", 130);
    AppendStatusPart("精品软件，来自Vorlan", 120);
    AppendStatusPart("Vorlan Home Group.", -1);
}
