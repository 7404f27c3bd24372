// GTK: the context-menu event comes with the press of the right button, and a menu popped up
// while the button is down closes on its release. The click is taken when the button comes up
// over the list's rows: the list's inner window of rows receives the release (it holds the
// pointer from the press on), and the pointer must still be over it. The other inner window,
// the column header, takes no keyboard focus; a release over it is no click on the rows. The
// menu key, or Shift+F10, pressed while the rows have the keyboard focus opens the menu too.
#include <wx/listctrl.h>

#include "toolkit/list_right_click.h"

void BindListRightClick(wxListCtrl& list, std::function<void(bool by_keyboard)> on_click) {
    for (wxWindow* rows : list.GetChildren()) {
        if (!rows->AcceptsFocus()) {
            continue;
        }
        rows->Bind(wxEVT_KEY_DOWN, [on_click](wxKeyEvent& event) {
            // The toolkit reports the menu key as WXK_MENU.
            const int key = event.GetKeyCode();
            const bool menu_key =
                key == WXK_MENU || key == WXK_WINDOWS_MENU || (key == WXK_F10 && event.ShiftDown());
            if (menu_key) {
                on_click(true);
            } else {
                event.Skip();
            }
        });
        rows->Bind(wxEVT_RIGHT_UP, [on_click, rows](wxMouseEvent& event) {
            event.Skip();
            if (wxRect(rows->GetClientSize()).Contains(event.GetPosition())) {
                on_click(false);
            }
        });
    }
}
