#include "runs/query_runs.h"

#include <wx/listctrl.h>

#include "catalogue/courier_catalogue.h"
#include "runs/courier_resolution.h"
#include "runs/current_type_code.h"
#include "runs/query_workers.h"
#include "runs/result_rows.h"
#include "runs/worker_bridge.h"
#include "tracking/tracking_reply.h"
#include "ui/control_ops.h"
#include "ui/controls.h"
#include "ui/modes_panels.h"
#include "ui/status_bar.h"

namespace {

constexpr int kSinglePage = 0;
constexpr int kMessagePart = 0;

// Starts worker unless the box holds nothing but spaces; then shows refusal instead.
void StartRunFor(std::string_view box, void (*worker)(), std::string_view refusal) {
    if (RemoveAllSpaces(ControlText(box)).empty()) {
        SetStatusPartText(kMessagePart, refusal);
        return;
    }
    StartWorker(worker);
}

}  // namespace

void OnQueryButton() {
    const Text chosen = ItemText("CourierBox", SelectedItem("CourierBox"));
    SetCurrentTypeCode(ResolveTypeCode(CourierCatalogue, chosen, CurrentTypeCode()));
    if (ShownPage("ResultPages") == kSinglePage) {
        StartRunFor("NumberBox", RunSingleQuery, "请输入单号！");
    } else {
        StartRunFor("BatchNumberBox", RunBatchQuery, "请导入或粘贴单号到查询框！");
    }
}

void ViewParcelSteps() {
    ToggleQueryMode();
    const wxListCtrl& batch_list = Control<wxListCtrl>("BatchResultList");
    const Text number = ResultCell(batch_list, SelectedResultRow(batch_list), 0);
    TrackingEventList events;
    QueryTracking(number, CurrentTypeCode(), events);
    wxListCtrl& single_list = Control<wxListCtrl>("SingleResultList");
    DeleteAllResultRows(single_list);
    for (const TrackingEvent& event : events) {
        AppendResultRow(single_list, {event.number, event.time, event.context});
    }
}
