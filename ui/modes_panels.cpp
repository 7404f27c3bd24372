#include "ui/modes_panels.h"

#include <wx/colour.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "ui/control_ops.h"
#include "ui/controls.h"
#include "ui/gbk_text.h"
#include "ui/im_service.h"

namespace {

constexpr char kSingleModeCaption[] = "批量◢";
constexpr char kBatchModeCaption[] = "◤单个";
constexpr int kSinglePage = 0;
constexpr int kBatchPage = 1;
constexpr int kHelpPage = 2;
constexpr int kEnabledNumberBoxColour = 0xFFFFFF;
constexpr int kDisabledNumberBoxColour = 0xECECEC;

constexpr char kUnfoldedCaption[] = "常用快递（双击关闭）";
constexpr char kFoldedCaption[] = "常用快递（双击展开）";
constexpr int kUnfoldedPanelHeight = 88;
constexpr int kFoldedPanelHeight = 16;
// Heights between the two above: ToggleCommonPanel takes a panel lower than the first for
// folded, ReturnFromHelp one higher than the second for unfolded.
constexpr int kFoldedBelowHeight = 50;
constexpr int kUnfoldedAboveHeight = 30;
// What the page area and the controls on its pages gain when the panel folds.
constexpr int kFoldGain = kUnfoldedPanelHeight - kFoldedPanelHeight;
// The page area starts this far below the panel's lower edge.
constexpr int kPagesBelowPanel = 10;
// Controls whose height follows the fold state, in the order they are resized.
constexpr std::string_view kFoldFollowers[] = {"ResultPages", "SingleResultList", "BatchResultList",
                                               "BatchNumberBox"};

constexpr Placement kHelpPlacement{0, 101, 623, 495};
constexpr Placement kUnfoldedPlacement{3, 244, 610, 352};
constexpr Placement kFoldedPlacement{3, 174, 610, 422};

constexpr char kHelpLinkEvent[] = "帮助";

void SetBackground(std::string_view name, int rgb) {
    wxWindow& control = Control<wxWindow>(name);
    control.SetBackgroundColour(wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    control.Refresh();
}

void GrowHeight(std::string_view name, int change) {
    Placement placement = ControlPlacement(name);
    placement.height += change;
    PlaceControl(name, placement);
}

}  // namespace

void ToggleQueryMode() {
    if (TextsEqual(ControlText("ModeButton"), kSingleModeCaption)) {
        SetControlText("ModeButton", kBatchModeCaption);
        SetControlText("NumberBox", "");
        Control<wxTextCtrl>("NumberBox").Disable();
        SetBackground("NumberBox", kDisabledNumberBoxColour);
        ShowPage("ResultPages", kBatchPage);
    } else {
        SetControlText("ModeButton", kSingleModeCaption);
        Control<wxTextCtrl>("NumberBox").Enable();
        SetBackground("NumberBox", kEnabledNumberBoxColour);
        ShowPage("ResultPages", kSinglePage);
    }
}

void ToggleCommonPanel() {
    Placement panel = ControlPlacement("CommonCourierPanel");
    int change = 0;
    if (panel.height < kFoldedBelowHeight) {
        panel.height = kUnfoldedPanelHeight;
        PlaceControl("CommonCourierPanel", panel);
        SetControlText("CommonCourierPanel", kUnfoldedCaption);
        // Raises no event: CourierBox keeps the items it has.
        SelectItem("LetterGroupBox", 0);
        change = -kFoldGain;
    } else {
        panel.height = kFoldedPanelHeight;
        PlaceControl("CommonCourierPanel", panel);
        SetControlText("CommonCourierPanel", kFoldedCaption);
        change = kFoldGain;
    }
    for (const std::string_view name : kFoldFollowers) {
        GrowHeight(name, change);
    }
    Placement pages = ControlPlacement("ResultPages");
    pages.top = panel.top + panel.height + kPagesBelowPanel;
    PlaceControl("ResultPages", pages);
}

void OnFooterLink(std::string_view event_name) {
    if (!TextsEqual(event_name, kHelpLinkEvent)) {
        return;
    }
    ShowPage("ResultPages", kHelpPage);
    PlaceControl("ResultPages", kHelpPlacement);
    // Covers the query row, ModeButton and the panel: it must lie above them to hide them.
    Control<wxWindow>("ResultPages").Raise();
}

void ReturnFromHelp() {
    // Through the other mode and back: the mode stays, its page is shown again.
    ToggleQueryMode();
    ShowPage("ResultPages", kSinglePage);
    ToggleQueryMode();
    const bool unfolded = ControlPlacement("CommonCourierPanel").height > kUnfoldedAboveHeight;
    PlaceControl("ResultPages", unfolded ? kUnfoldedPlacement : kFoldedPlacement);
}

void OpenChatPage() {
    // A browser that cannot be started is not reported.
    wxLaunchDefaultBrowser(GbkToWx(ChatPageAddress()));
}
