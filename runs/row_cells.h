// The three cell texts of one result list row, by column: tracking number, time, step text.
#pragma once

#include <array>
#include <vector>

#include "text/text_ops.h"

using RowCells = std::array<Text, 3>;
using RowCellsList = std::vector<RowCells>;
