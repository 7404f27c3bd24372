#include "toolkit/list_rows.h"

#include <wx/listctrl.h>

#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"

namespace {

wxListCtrl& List(std::string_view name) {
    return Control<wxListCtrl>(name);
}

bool HasCell(const wxListCtrl& list, long row, int column) {
    return row >= 0 && row < list.GetItemCount() && column >= 0 && column < list.GetColumnCount();
}

}  // namespace

long ListRowCount(std::string_view list) {
    return List(list).GetItemCount();
}

long AppendListRow(std::string_view list, std::span<const Text> cells) {
    wxListCtrl& rows = List(list);
    const long row = rows.InsertItem(rows.GetItemCount(), wxString());
    const std::size_t columns = static_cast<std::size_t>(rows.GetColumnCount());
    for (std::size_t column = 0; column < cells.size() && column < columns; ++column) {
        rows.SetItem(row, static_cast<int>(column), GbkToWx(cells[column]));
    }
    return row;
}

Text ListCell(std::string_view list, long row, int column) {
    const wxListCtrl& rows = List(list);
    if (!HasCell(rows, row, column)) {
        return Text();
    }
    return WxToGbk(rows.GetItemText(row, column));
}

void DeleteListRow(std::string_view list, long row) {
    wxListCtrl& rows = List(list);
    if (row >= 0 && row < rows.GetItemCount()) {
        rows.DeleteItem(row);
    }
}

void DeleteAllListRows(std::string_view list) {
    List(list).DeleteAllItems();
}

long SelectedListRow(std::string_view list) {
    return List(list).GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

wxPoint SelectedRowScreenPoint(std::string_view list) {
    wxListCtrl& control = List(list);
    const long row = SelectedListRow(list);
    wxRect rect;
    if (row < 0) {
        return control.ClientToScreen(wxPoint(0, 0));
    }
    control.EnsureVisible(row);
    if (!control.GetItemRect(row, rect)) {
        return control.ClientToScreen(wxPoint(0, 0));
    }
    return control.ClientToScreen(wxPoint(rect.x, rect.y + rect.height / 2));
}
