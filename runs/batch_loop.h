// The batch run without a window: the lines of a number list in, one answer per number out, in
// line order. The window's batch run and parcelio-batch both go through it; only parcelio-batch
// asks for more than one request in flight.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "runs/row_cells.h"
#include "text/text_ops.h"
#include "tracking/tracking_reply.h"

// What the service said for one queried line.
struct BatchAnswer {
    Text line;                            // the line as queried (QueriedNumber), spaces kept
    Text message;                         // the status message, "ok" when the steps came
    std::optional<TrackingEvent> latest;  // for "ok": the last event, when there was one
    std::optional<int> state = {};        // for "ok": the reply's own state number, if any
    Text failure = {};  // without a message: why none came (LastQueryFailure); else empty
};

// The answer for line from QueryTracking's message and event list: for "ok" the list's last
// event is the latest step; for any other message the list is not read.
BatchAnswer MakeBatchAnswer(std::string_view line, std::string_view message,
                            const TrackingEventList& events);

// The cells of the row a batch run writes for an answer. For "ok": the number, time and context
// of the latest step. For any other status: the line as queried, "--" and the status message.
// An "ok" without any step gives the line, "--" and "暂无跟踪记录".
RowCells BatchRowCells(const BatchAnswer& answer);

// The most requests a batch run keeps in flight.
inline constexpr int kMostBatchJobs = 8;

struct BatchHooks {
    // The type code of the next request, read afresh for each one; with more than one job it
    // is called from several threads at once.
    std::function<Text()> type_code;
    // Checked before each line; true ends the run before that line's request.
    std::function<bool()> should_stop;
    // Takes each answer, on the calling thread, in line order; false ends the run.
    std::function<bool(const BatchAnswer& answer)> take_answer;
};

// Queries every line that is not blank once its spaces are removed, as QueriedNumber gives it,
// through QueryTrackingReply. With one job every request is made on the calling thread, each
// finished before the next begins, with no pause between them; with jobs up to kMostBatchJobs,
// that many threads take the lines in order, and the answers still reach take_answer in line
// order. A line that occurs twice is queried twice. Returns true when every line was gone
// through, false when a hook ended the run (the answers of requests still in flight then are
// dropped).
bool RunBatchLoop(const TextList& lines, const BatchHooks& hooks, int jobs = 1);
