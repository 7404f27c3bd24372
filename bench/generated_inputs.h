// Realistic inputs for the benchmarks, built in memory: tracking replies with many records and
// Chinese step texts, number lists and result rows. Everything is GBK unless said otherwise.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "text/text_ops.h"

// A reply of about approx_bytes in the service's format, record list without "[{ ".
Text MakeReplyText(std::size_t approx_bytes);

// Tracking numbers, one per line joined by CR LF, some with spaces around them.
Text MakeNumberList(std::size_t lines);

// A shop's order export in UTF-8 with a byte-order mark: a header row and rows of eight
// columns, quoted cells holding commas, the tracking number in the column 运单号 (the seventh).
std::string MakeOrderExport(std::size_t rows);

using ResultRow = std::array<Text, 3>;
std::vector<ResultRow> MakeResultRows(std::size_t rows);
