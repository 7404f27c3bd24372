// GTK: a drop-down list reports a pick only when it changes the selection. Every item of its
// open list is a menu item whose activation is the pick, so an emission hook on the activation
// of menu items notes each pick in the list of a bound box; a pick that changed nothing is then
// reported once the toolkit is done with it.
#include <algorithm>
#include <vector>

#include <gtk/gtk.h>
#include <wx/choice.h>

#include "toolkit/every_pick.h"

namespace {

struct PickWatch {
    wxChoice* box;
    std::function<void()> on_pick;
    bool unreported;  // picked from the list, not yet reported through a change
};

std::vector<PickWatch>& Watches() {
    static std::vector<PickWatch> watches;
    return watches;
}

PickWatch* WatchOf(const wxChoice* box) {
    auto& watches = Watches();
    const auto found = std::find_if(watches.begin(), watches.end(),
                                    [box](const PickWatch& watch) { return watch.box == box; });
    return found == watches.end() ? nullptr : &*found;
}

// The hook runs before the list's own handler, which changes the selection (and so raises
// wxEVT_CHOICE) only for another item.
gboolean OnMenuItemActivated(GSignalInvocationHint*, guint, const GValue* values, gpointer) {
    GtkWidget* item = GTK_WIDGET(g_value_get_object(&values[0]));
    GtkWidget* menu = gtk_widget_get_parent(item);
    if (menu == nullptr || !GTK_IS_MENU(menu)) {
        return TRUE;
    }
    GtkWidget* owner = gtk_menu_get_attach_widget(GTK_MENU(menu));
    for (PickWatch& watch : Watches()) {
        if (owner != nullptr && owner == watch.box->GetHandle()) {
            watch.unreported = true;
            wxChoice* box = watch.box;
            box->CallAfter([box] {
                PickWatch* picked = WatchOf(box);
                if (picked != nullptr && picked->unreported) {
                    picked->unreported = false;
                    picked->on_pick();
                }
            });
        }
    }
    return TRUE;  // stays installed
}

void HookMenuItemActivation() {
    static const bool hooked = [] {
        const guint signal = g_signal_lookup("activate", GTK_TYPE_MENU_ITEM);
        g_signal_add_emission_hook(signal, 0, OnMenuItemActivated, nullptr, nullptr);
        return true;
    }();
    static_cast<void>(hooked);
}

}  // namespace

void BindEveryPick(wxChoice& box, std::function<void()> on_pick) {
    HookMenuItemActivation();
    Watches().push_back({&box, on_pick, false});
    box.Bind(wxEVT_CHOICE, [&box](wxCommandEvent&) {
        if (PickWatch* watch = WatchOf(&box)) {
            watch->unreported = false;
            watch->on_pick();
        }
    });
    box.Bind(wxEVT_DESTROY, [&box](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == &box) {
            auto& watches = Watches();
            watches.erase(
                std::remove_if(watches.begin(), watches.end(),
                               [&box](const PickWatch& watch) { return watch.box == &box; }),
                watches.end());
        }
        event.Skip();
    });
}
