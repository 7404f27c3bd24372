// Windows: the list's context-menu event follows its right click (NM_RCLICK), which comes with
// the release of the button.
#include <wx/listctrl.h>

#include "toolkit/list_right_click.h"

void BindListRightClick(wxListCtrl& list, std::function<void()> on_click) {
    list.Bind(wxEVT_CONTEXT_MENU, [on_click](wxContextMenuEvent&) { on_click(); });
}
