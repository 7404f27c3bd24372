#include "runs/result_rows.h"

#include <wx/listctrl.h>

#include "ui/gbk_text.h"

namespace {

constexpr int kColumnCount = 3;

bool HasCell(const wxListCtrl& list, long row, int column) {
    return row >= 0 && row < list.GetItemCount() && column >= 0 && column < kColumnCount;
}

}  // namespace

long ResultRowCount(const wxListCtrl& list) {
    return list.GetItemCount();
}

long AppendResultRow(wxListCtrl& list, const RowCells& cells) {
    const long row = list.InsertItem(list.GetItemCount(), GbkToWx(cells[0]));
    for (int column = 1; column < kColumnCount; ++column) {
        list.SetItem(row, column, GbkToWx(cells[static_cast<std::size_t>(column)]));
    }
    return row;
}

Text ResultCell(const wxListCtrl& list, long row, int column) {
    if (!HasCell(list, row, column)) {
        return Text();
    }
    return WxToGbk(list.GetItemText(row, column));
}

void SetResultCell(wxListCtrl& list, long row, int column, std::string_view text) {
    if (HasCell(list, row, column)) {
        list.SetItem(row, column, GbkToWx(text));
    }
}

void DeleteResultRow(wxListCtrl& list, long row) {
    if (row >= 0 && row < list.GetItemCount()) {
        list.DeleteItem(row);
    }
}

void DeleteAllResultRows(wxListCtrl& list) {
    list.DeleteAllItems();
}

long SelectedResultRow(const wxListCtrl& list) {
    return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

RowCellsList ResultRows(const wxListCtrl& list) {
    RowCellsList rows(static_cast<std::size_t>(list.GetItemCount()));
    for (long row = 0; row < list.GetItemCount(); ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                WxToGbk(list.GetItemText(row, column));
        }
    }
    return rows;
}
