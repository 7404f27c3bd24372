// What parcelio-batch queries: the courier named on the command line, the catalogue lines of
// --list-couriers, the number list read by the import rules, and the runs over it through the
// window's batch loop, one record per number as the window's batch run fills its result list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_options.h"
#include "catalogue/courier_catalogue.h"
#include "runs/batch_loop.h"
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
// (CR LF, LF or CR), empty lines dropped. Nothing when the
// file (standard input when path is absent) cannot be read.
std::optional<TextList> ReadNumberLines(const std::optional<std::string>& path);

// The same from bytes already read.
TextList NumberLines(const ByteArray& list_bytes);

// The steps of a single query of number, one answer each, in the order the window lists them.
// Returns the service's message ("ok" when answered).
Text QuerySteps(std::string_view number, std::string_view type_code,
                std::vector<BatchAnswer>& steps);

// The batch run of the program: the number list read, every number queried (options.jobs at a
// time), one record each written as it is answered, in the order of the list (or the whole
// output file at the end), with a progress line on a terminal. Returns the exit status.
int QueryNumberList(const BatchOptions& options, const Text& type_code);
