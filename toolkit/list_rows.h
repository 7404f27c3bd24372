// Rows of a ListView (a report-view list of text columns) by the list's name. Rows are
// addressed by their 0-based index in display order, columns from 0. User-interface thread
// only.
#pragma once

#include <span>
#include <string_view>

#include <wx/gdicmn.h>

#include "text/text_ops.h"

long ListRowCount(std::string_view list);

// Appends a row at the end and fills its cells, one a column, in one step; cells beyond the
// list's columns are left out. Returns the row's index.
long AppendListRow(std::string_view list, std::span<const Text> cells);

// The empty text for a row or column that does not exist.
Text ListCell(std::string_view list, long row, int column);

// A row that does not exist changes nothing.
void DeleteListRow(std::string_view list, long row);
void DeleteAllListRows(std::string_view list);

// The lowest selected index, or -1 when no row is selected.
long SelectedListRow(std::string_view list);

// Where a menu opened from the keyboard belongs: the left end of the selected row, at half its
// height, scrolled into view first; the list's top-left corner when no row is selected.
wxPoint SelectedRowScreenPoint(std::string_view list);
