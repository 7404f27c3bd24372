#include "runs/result_list.h"

#include <wx/clipbrd.h>
#include <wx/listctrl.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "runs/result_rows.h"
#include "ui/controls.h"
#include "ui/gbk_text.h"
#include "ui/status_bar.h"

namespace {

// The menu opens this far right of and below the mouse pointer.
constexpr int kMenuOffset = 3;

constexpr char kCopiedMessage[] = "已复制到剪切板";

// The window whose pop-up menu is about to be shown, if any. wxGTK reports one right click on a
// list twice (the press goes on from the list's inner window to the list itself): the menu is
// shown once the click has been handled, and a request while one is on its way is dropped.
wxWeakRef<wxWindow>& MenuOnItsWay() {
    static wxWeakRef<wxWindow> window;
    return window;
}

// The cell of the row selected at the moment it is read.
Text SelectedCell(const wxListCtrl& list, int column) {
    return ResultCell(list, SelectedResultRow(list), column);
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

void ShowResultMenu(std::string_view list, std::string_view menu) {
    if (ResultRowCount(Control<wxListCtrl>(list)) <= 0 || MenuOnItsWay() != nullptr) {
        return;
    }
    wxWindow& window = Control<wxWindow>("MainWindow");
    const wxPoint at = wxGetMousePosition() + wxPoint(kMenuOffset, kMenuOffset);
    MenuOnItsWay() = &window;
    // Dropped with the window if it closes first.
    window.CallAfter([&window, at, menu = Text(menu)] {
        window.PopupMenu(&Menu(menu), window.ScreenToClient(at));
        MenuOnItsWay() = nullptr;
    });
}

void CopySelectedRow(std::string_view list) {
    const wxListCtrl& rows = Control<wxListCtrl>(list);
    const Text first = SelectedCell(rows, 0);
    const Text second = SelectedCell(rows, 1);
    const Text third = SelectedCell(rows, 2);
    if (PutOnClipboard(JoinTexts(first, " ", second, " ", third))) {
        SetStatusPartText(0, kCopiedMessage);
    }
}

void DeleteSelectedRow(std::string_view list) {
    wxListCtrl& rows = Control<wxListCtrl>(list);
    DeleteResultRow(rows, SelectedResultRow(rows));
}

void ClearResultList(std::string_view list) {
    DeleteAllResultRows(Control<wxListCtrl>(list));
}
