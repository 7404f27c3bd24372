#include "runs/query_workers.h"

#include <functional>
#include <utility>

#include "runs/batch_loop.h"
#include "runs/current_type_code.h"
#include "runs/number_list.h"
#include "runs/result_list.h"
#include "runs/worker_bridge.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/list_rows.h"
#include "toolkit/status_bar.h"
#include "tracking/tracking_reply.h"

namespace {

constexpr std::string_view kSingleDoneMessage = "查询执行完成";
constexpr std::string_view kBatchDoneMessage = "批量查询执行完毕！";

// The text of an edit box, read on the user-interface thread; empty once the window is gone.
Text ReadBoxText(std::string_view box) {
    return ReadFromWindow([box] { return ControlText(box); });
}

// Appends a row with its three cells in one operation, so that no delete or clear of the
// user's can come between the row and its cells.
void AppendRow(std::string_view list, RowCells cells) {
    PostToWindow([list, cells = std::move(cells)] { AppendResultRow(list, cells); });
}

void ShowMessage(Text message) {
    PostToWindow([message = std::move(message)] { SetStatusPartText(kMessagePart, message); });
}

}  // namespace

void RunSingleQuery() {
    TrackingEventList events;
    const Text number = ReadBoxText(kNumberBox);
    if (WorkersShouldStop()) {
        return;
    }
    Text message = QueryTracking(QueriedNumber(number), CurrentTypeCode(), events);
    for (const TrackingEvent& event : events) {
        AppendRow(kSingleResultList, {event.number, event.time, event.context});
    }
    if (TextsEqual(message, kOkMessage)) {
        message = Text(kSingleDoneMessage);
    }
    PostToWindow([message = std::move(message)] {
        SetStatusPartText(kMessagePart, JoinTexts(message, "!"));
        SetStatusPartTip(kMessagePart, message);
    });
}

void RunBatchQuery() {
    PostToWindow([] { DeleteAllListRows(kBatchResultList); });
    const TextList lines = NumberListLines(ReadBoxText(kBatchNumberBox));
    const BatchHooks hooks{
        .type_code = [] { return CurrentTypeCode(); },
        .should_stop = [] { return WorkersShouldStop(); },
        .take_answer =
            [](const BatchAnswer& answer) {
                if (!TextsEqual(answer.message, kOkMessage)) {
                    ShowMessage(answer.message);
                }
                AppendRow(kBatchResultList, BatchRowCells(answer));
                return true;
            },
    };
    if (RunBatchLoop(lines, hooks)) {
        ShowMessage(Text(kBatchDoneMessage));
    }
}
