// Realistic inputs for the benchmarks, built in memory: tracking replies with many records and
// Chinese step texts, number lists and result rows. Everything is GBK unless said otherwise.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "text/text_ops.h"

// A reply of about approx_bytes in the service's format, record list without "[{ ".
Text MakeReplyText(std::size_t approx_bytes);

// Tracking numbers, one per line joined by CR LF, some with spaces around them.
Text MakeNumberList(std::size_t lines);

using ResultRow = std::array<Text, 3>;
std::vector<ResultRow> MakeResultRows(std::size_t rows);
