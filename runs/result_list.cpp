#include "runs/result_list.h"

#include <wx/clipbrd.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/list_rows.h"
#include "toolkit/status_bar.h"

namespace {

// The menu opens this far right of and below the mouse pointer, or the selected row's left end.
constexpr int kMenuOffset = 3;

constexpr char kCopiedMessage[] = "已复制到剪切板";

// The window whose pop-up menu is about to be shown, if any. The menu is shown once the click
// that asked for it has been handled, and a request while one is on its way is dropped.
wxWeakRef<wxWindow>& MenuOnItsWay() {
    static wxWeakRef<wxWindow> window;
    return window;
}

// The cell of the row selected at the moment it is read.
Text SelectedCell(std::string_view list, int column) {
    return ListCell(list, SelectedListRow(list), column);
}

// False when the clipboard cannot be opened or does not take the text.
bool PutOnClipboard(std::string_view text) {
    wxClipboardLocker locker;
    if (!locker) {
        return false;
    }
    return wxTheClipboard->SetData(new wxTextDataObject(GbkToWx(text)));
}

}  // namespace

void ShowResultMenu(std::string_view list, std::string_view menu, bool by_keyboard) {
    if (ListRowCount(list) <= 0 || MenuOnItsWay() != nullptr) {
        return;
    }
    wxWindow& window = Control<wxWindow>(kMainWindow);
    // From the keyboard the pointer may be anywhere: the menu opens at the selected row then.
    const wxPoint at = (by_keyboard ? SelectedRowScreenPoint(list) : wxGetMousePosition()) +
                       window.FromDIP(wxPoint(kMenuOffset, kMenuOffset));
    MenuOnItsWay() = &window;
    // Dropped with the window if it closes first.
    window.CallAfter([&window, at, menu = Text(menu)] {
        window.PopupMenu(&Menu(menu), window.ScreenToClient(at));
        MenuOnItsWay() = nullptr;
    });
}

void CopySelectedRow(std::string_view list) {
    const Text first = SelectedCell(list, 0);
    const Text second = SelectedCell(list, 1);
    const Text third = SelectedCell(list, 2);
    if (PutOnClipboard(JoinTexts(first, " ", second, " ", third))) {
        SetStatusPartText(kMessagePart, kCopiedMessage);
    }
}

void DeleteSelectedRow(std::string_view list) {
    DeleteListRow(list, SelectedListRow(list));
}

void ClearResultList(std::string_view list) {
    DeleteAllListRows(list);
}

void AppendResultRow(std::string_view list, const RowCells& cells) {
    AppendListRow(list, cells);
}

RowCellsList ResultRows(std::string_view list) {
    RowCellsList rows(static_cast<std::size_t>(ListRowCount(list)));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            rows[row][column] = ListCell(list, static_cast<long>(row), static_cast<int>(column));
        }
    }
    return rows;
}
