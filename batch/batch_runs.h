// What parcelio-batch queries: the courier named on the command line, the catalogue lines of
// --list-couriers, the number list read by the import rules or a column of a CSV file, and the
// runs over it through the window's batch loop, one record per number as the window's batch
// run fills its result list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "catalogue/courier_catalogue.h"
#include "runs/batch_loop.h"
#include "runs/parcel_state.h"
#include "text/text_ops.h"

// The type code for a display name, resolved as the query button does (the last catalogue
// row with that name wins), or for a name that is itself a type code of the catalogue.
// Nothing when neither matches (GBK texts).
std::optional<Text> ChooseTypeCode(const CourierTable& catalogue, std::string_view name_or_code);

// One line "code name" and CR LF per catalogue row that group admits, in catalogue order, as
// the courier list is filled for that group.
Text CourierListing(const CourierTable& catalogue, std::string_view group);

// The lines of the number list as the import puts them into the batch box: GBK (or converted after
// a byte-order mark) up to the first zero character, every space removed, cut at every line end
// (CR LF, LF or CR), empty lines dropped.
TextList NumberLines(const ByteArray& list_bytes);

// The numbers of a batch run: the lines of the number file (standard input when the options
// name none), or with --column the cells of that column of the file read as CSV. Otherwise the
// message of the usage error: the file cannot be read, or the column cannot be read, named with
// the header cells found (in the character set of standard error).
std::variant<TextList, std::string> ReadNumbers(const BatchOptions& options);

// A single query of one number: its steps, one answer each, in the order the window lists them,
// and the parcel's state.
struct ParcelSteps {
    Text message;  // the service's message, "ok" when answered
    std::vector<BatchAnswer> steps;
    ParcelState state = ParcelState::kFailed;
};
ParcelSteps QuerySteps(std::string_view number, std::string_view type_code);

// The batch run of the program: the numbers read, every number queried (options.jobs at a
// time), one record each written as it is answered, in the order of the list (or the whole
// output file at the end), with a progress line and at the end the count of each state on a
// terminal. Returns the exit status.
int QueryNumberList(const BatchOptions& options, const Text& type_code);
