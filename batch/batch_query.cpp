#include "batch/batch_query.h"

#include "runs/batch_row.h"
#include "tracking/tracking_reply.h"

BatchTally QueryNumbers(const TextList& lines, std::string_view type_code, const RowSink& sink) {
    BatchTally tally;
    // One event list for the whole run, as in the window: a failed query leaves it as it was,
    // and the row of a failed number does not read it.
    TrackingEventList events;
    for (const Text& line : lines) {
        if (RemoveAllSpaces(line).empty()) {
            continue;
        }
        const Text message = QueryTracking(line, type_code, events);
        ++tally.queried;
        if (!TextsEqual(message, kOkMessage)) {
            ++tally.failed;
        }
        if (!sink(BatchRowCells(line, message, events), tally)) {
            break;
        }
    }
    return tally;
}

Text QuerySteps(std::string_view number, std::string_view type_code, RowCellsList& rows) {
    TrackingEventList events;
    Text message = QueryTracking(number, type_code, events);
    for (const TrackingEvent& event : events) {
        rows.push_back({event.number, event.time, event.context});
    }
    return message;
}
