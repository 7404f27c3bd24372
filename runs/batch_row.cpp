#include "runs/batch_row.h"

namespace {

constexpr std::string_view kNoTime = "--";
constexpr std::string_view kNoRecordMessage = "暂无跟踪记录";

}  // namespace

RowCells BatchRowCells(std::string_view line, std::string_view message,
                       const TrackingEventList& events) {
    if (!TextsEqual(message, kOkMessage)) {
        return {Text(line), Text(kNoTime), Text(message)};
    }
    if (events.empty()) {
        return {Text(line), Text(kNoTime), Text(kNoRecordMessage)};
    }
    const TrackingEvent& latest = events.back();
    return {latest.number, latest.time, latest.context};
}
