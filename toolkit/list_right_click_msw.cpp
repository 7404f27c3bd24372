// Windows: the list's context-menu event follows its right click (NM_RCLICK), which comes with
// the release of the button, and the menu key or Shift+F10; from the keyboard it has no
// position.
#include <wx/listctrl.h>

#include "toolkit/list_right_click.h"

void BindListRightClick(wxListCtrl& list, std::function<void(bool by_keyboard)> on_click) {
    list.Bind(wxEVT_CONTEXT_MENU, [on_click](wxContextMenuEvent& event) {
        on_click(event.GetPosition() == wxDefaultPosition);
    });
}
