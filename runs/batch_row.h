// The cells of the row a batch run writes for one queried line.
#pragma once

#include <string_view>

#include "runs/row_cells.h"
#include "text/text_ops.h"
#include "tracking/tracking_reply.h"

// For the status "ok": the number, time and context of the last event. For any other status:
// the line as queried, "--" and the status message. An "ok" without any event gives the line,
// "--" and "暂无跟踪记录".
RowCells BatchRowCells(std::string_view line, std::string_view message,
                       const TrackingEventList& events);
