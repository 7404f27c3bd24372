// The two result lists, SingleResultList and BatchResultList, and the actions of their
// pop-up menus. Lists and menus are named as in the window's layout.
#pragma once

#include <string_view>

#include "runs/row_cells.h"

void ShowResultMenu(std::string_view list, std::string_view menu, bool by_keyboard);
void CopySelectedRow(std::string_view list);
void DeleteSelectedRow(std::string_view list);
void ClearResultList(std::string_view list);

// Appends a row with its three cells in one step.
void AppendResultRow(std::string_view list, const RowCells& cells);
// Every row's cells, top row first.
RowCellsList ResultRows(std::string_view list);
