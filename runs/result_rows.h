// Row operations of a result list (a report-view wxListCtrl with three text columns). Rows are
// addressed by their 0-based index in display order. User-interface thread only.
#pragma once

#include "runs/row_cells.h"
#include "text/text_ops.h"

class wxListCtrl;

long ResultRowCount(const wxListCtrl& list);

// Appends a row at the end and fills its three cells in one step; returns the row's index.
long AppendResultRow(wxListCtrl& list, const RowCells& cells);

// The empty text for a row or column that does not exist.
Text ResultCell(const wxListCtrl& list, long row, int column);
// A row that does not exist changes nothing.
void SetResultCell(wxListCtrl& list, long row, int column, std::string_view text);
void DeleteResultRow(wxListCtrl& list, long row);
void DeleteAllResultRows(wxListCtrl& list);

// The lowest selected index, or -1 when no row is selected.
long SelectedResultRow(const wxListCtrl& list);

// Every row's cells, top row first.
RowCellsList ResultRows(const wxListCtrl& list);
