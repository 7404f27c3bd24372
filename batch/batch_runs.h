// What parcelio-batch queries: the courier named on the command line, the catalogue lines of
// --list-couriers, the number list read by the import rules, and the runs over it, one row per
// number as the window's batch run fills its result list.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "batch/batch_options.h"
#include "catalogue/courier_catalogue.h"
#include "runs/row_cells.h"
#include "text/text_ops.h"

// The type code for a display name, resolved as the query button does (the last catalogue
// row with that name wins), or for a name that is itself a type code of the catalogue.
// Nothing when neither matches (GBK texts).
std::optional<Text> ChooseTypeCode(const CourierTable& catalogue, std::string_view name_or_code);

// One line "code name" and CR LF per catalogue row that group admits, in catalogue order, as
// the courier list is filled for that group.
Text CourierListing(const CourierTable& catalogue, std::string_view group);

// The lines of the number list as the import puts them into the batch box: GBK bytes up to the
// first zero byte, every space removed, cut at CR LF, empty lines dropped. Nothing when the
// file (standard input when path is absent) cannot be read.
std::optional<TextList> ReadNumberLines(const std::optional<std::string>& path);

// The same from bytes already read.
TextList NumberLines(const ByteArray& list_bytes);

struct BatchTally {
    std::size_t queried = 0;
    std::size_t failed = 0;  // refused by the service or not answered at all
};

// Called with each number's row as soon as it is answered, and with the tally so far; returns
// whether the run goes on.
using RowSink = std::function<bool(const RowCells& row, const BatchTally& tally)>;

// Queries each line that is not blank once spaces are removed, unchanged, with type_code, one
// request after the other with no pause, until the sink says stop. The row of an answer other
// than "ok" shows the line, "--" and the message.
BatchTally QueryNumbers(const TextList& lines, std::string_view type_code, const RowSink& sink);

// The rows of a single query of number: one per step, in the order the window lists them.
// Returns the service's message ("ok" when answered).
Text QuerySteps(std::string_view number, std::string_view type_code, RowCellsList& rows);

// The batch run of the program: the number list read, every number queried, one row each
// written as it is answered (or the whole output file at the end), with a progress line on a
// terminal. Returns the exit status.
int QueryNumberList(const BatchOptions& options, const Text& type_code);
