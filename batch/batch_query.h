// A batch run without a window: every number queried in order, one row each, as the window's
// batch run fills its result list.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "runs/row_cells.h"
#include "text/text_ops.h"

struct BatchTally {
    std::size_t queried = 0;
    std::size_t failed = 0;  // refused by the service or not answered at all
};

// Called with each number's row as soon as it is answered, and with the tally so far; returns
// whether the run goes on.
using RowSink = std::function<bool(const RowCells& row, const BatchTally& tally)>;

// Queries each line that is not blank once spaces are removed, unchanged, with type_code, one
// request after the other with no pause, until the sink says stop. The row of an answer other than
// "ok" shows the line,
// "--" and the message.
BatchTally QueryNumbers(const TextList& lines, std::string_view type_code, const RowSink& sink);

// The rows of a single query of number: one per step, in the order the window lists them.
// Returns the service's message ("ok" when answered).
Text QuerySteps(std::string_view number, std::string_view type_code, RowCellsList& rows);
