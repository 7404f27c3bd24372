#include "ui/modes_panels.h"

#include <wx/utils.h>

#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/gbk_text.h"
#include "ui/result_pages_placements.h"
#include "ui/window_texts.h"

namespace {

constexpr char kSingleModeCaption[] = "批量◢";
constexpr char kBatchModeCaption[] = "◤单个";
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
constexpr std::string_view kFoldFollowers[] = {kResultPages, kSingleResultList, kBatchResultList,
                                               kBatchNumberBox};

constexpr char kHelpLinkEvent[] = "帮助";

void GrowHeight(std::string_view name, int change) {
    Placement placement = ControlPlacement(name);
    placement.height += change;
    PlaceControl(name, placement);
}

}  // namespace

void ToggleQueryMode() {
    if (TextsEqual(ControlText(kModeButton), kSingleModeCaption)) {
        SetControlText(kModeButton, kBatchModeCaption);
        SetControlText(kNumberBox, "");
        EnableControl(kNumberBox, false);
        SetControlBackground(kNumberBox, kDisabledNumberBoxColour);
        ShowPage(kResultPages, kBatchPageNumber);
    } else {
        SetControlText(kModeButton, kSingleModeCaption);
        EnableControl(kNumberBox, true);
        SetControlBackground(kNumberBox, kEnabledNumberBoxColour);
        ShowPage(kResultPages, kSinglePageNumber);
    }
}

void ToggleCommonPanel() {
    Placement panel = ControlPlacement(kCommonCourierPanel);
    int change = 0;
    if (panel.height < kFoldedBelowHeight) {
        panel.height = kUnfoldedPanelHeight;
        PlaceControl(kCommonCourierPanel, panel);
        SetControlText(kCommonCourierPanel, kUnfoldedCaption);
        // Raises no event: CourierBox keeps the items it has.
        SelectItem(kLetterGroupBox, 0);
        change = -kFoldGain;
    } else {
        panel.height = kFoldedPanelHeight;
        PlaceControl(kCommonCourierPanel, panel);
        SetControlText(kCommonCourierPanel, kFoldedCaption);
        change = kFoldGain;
    }
    for (const std::string_view name : kFoldFollowers) {
        GrowHeight(name, change);
    }
    Placement pages = ControlPlacement(kResultPages);
    pages.top = panel.top + panel.height + kPagesBelowPanel;
    PlaceControl(kResultPages, pages);
}

void OnFooterLink(std::string_view event_name) {
    if (!TextsEqual(event_name, kHelpLinkEvent)) {
        return;
    }
    ShowPage(kResultPages, kHelpPageNumber);
    PlaceControl(kResultPages, kPagesOverHelp);
    // Covers the query row, ModeButton and the panel: it must lie above them to hide them.
    RaiseControl(kResultPages);
}

void ReturnFromHelp() {
    // Through the other mode and back: the mode stays, its page is shown again.
    ToggleQueryMode();
    ShowPage(kResultPages, kSinglePageNumber);
    ToggleQueryMode();
    const bool unfolded = ControlPlacement(kCommonCourierPanel).height > kUnfoldedAboveHeight;
    PlaceControl(kResultPages, unfolded ? kPagesBelowUnfoldedPanel : kPagesBelowFoldedPanel);
}

void OpenChatPage() {
    // A browser that cannot be started is not reported.
    wxLaunchDefaultBrowser(GbkToWx(ChatPageAddress()));
}
