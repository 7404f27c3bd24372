#include "runs/query_runs.h"

#include "catalogue/courier_catalogue.h"
#include "runs/current_type_code.h"
#include "runs/query_workers.h"
#include "runs/result_list.h"
#include "runs/worker_bridge.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/list_rows.h"
#include "toolkit/status_bar.h"
#include "tracking/tracking_reply.h"

namespace {

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
    const Text chosen = ItemText(kCourierBox, SelectedItem(kCourierBox));
    SetCurrentTypeCode(ResolveTypeCode(CourierCatalogue, chosen, CurrentTypeCode()));
    if (ShownPage(kResultPages) == kSinglePageNumber) {
        StartRunFor(kNumberBox, RunSingleQuery, "请输入单号！");
    } else {
        StartRunFor(kBatchNumberBox, RunBatchQuery, "请导入或粘贴单号到查询框！");
    }
}

void ViewParcelSteps() {
    const Text number = ListCell(kBatchResultList, SelectedListRow(kBatchResultList), 0);
    TrackingEventList events;
    QueryTracking(number, CurrentTypeCode(), events);
    DeleteAllListRows(kSingleResultList);
    for (const TrackingEvent& event : events) {
        AppendResultRow(kSingleResultList, {event.number, event.time, event.context});
    }
}
