// Windows: the drop-down list reports every pick (CBN_SELENDOK), also of the selected item.
#include <wx/choice.h>

#include "toolkit/every_pick.h"

void BindEveryPick(wxChoice& box, std::function<void()> on_pick) {
    box.Bind(wxEVT_CHOICE, [on_pick](wxCommandEvent&) { on_pick(); });
}
