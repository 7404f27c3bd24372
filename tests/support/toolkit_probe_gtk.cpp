// GTK: sizes and states as GTK has them.
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/window.h>

#include "tests/support/toolkit_probe.h"
#include "tests/support/x_input.h"

wxSize NaturalSize(wxWindow& control) {
    GtkRequisition natural{};
    gtk_widget_get_preferred_size(control.GetHandle(), nullptr, &natural);
    return {natural.width, natural.height};
}

int NaturalHeightForWidth(wxWindow& control, int width) {
    int natural = 0;
    gtk_widget_get_preferred_height_for_width(control.GetHandle(), width, nullptr, &natural);
    return natural;
}

bool MenuItemTextFits(wxMenuItem& item) {
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(item.GetMenuItem()));
    if (label == nullptr || !gtk_widget_get_mapped(label)) {
        return false;
    }
    GtkAllocation given{};
    gtk_widget_get_allocation(label, &given);
    GtkRequisition natural{};
    gtk_widget_get_preferred_size(label, nullptr, &natural);
    return given.width >= natural.width && given.height >= natural.height;
}

bool MenuIsShown(wxMenu& menu) {
    return gtk_widget_get_mapped(menu.m_menu) != FALSE;
}

wxRect MenuItemScreenRect(wxMenuItem& item) {
    GtkWidget* widget = item.GetMenuItem();
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window == nullptr || !gtk_widget_get_mapped(widget)) {
        return {};
    }
    GtkAllocation given{};
    gtk_widget_get_allocation(widget, &given);
    int x = 0;
    int y = 0;
    gdk_window_get_origin(window, &x, &y);
    return {x + given.x, y + given.y, given.width, given.height};
}

namespace {

GtkWidget* ShownFileChooser() {
    GList* const windows = gtk_window_list_toplevels();
    GtkWidget* shown = nullptr;
    for (GList* entry = windows; entry != nullptr && shown == nullptr; entry = entry->next) {
        auto* window = static_cast<GtkWidget*>(entry->data);
        if (GTK_IS_FILE_CHOOSER_DIALOG(window) && gtk_widget_get_mapped(window)) {
            shown = window;
        }
    }
    g_list_free(windows);
    return shown;
}

void GiveTheKeyboard(GdkWindow* gdk_window) {
    GiveKeyboardTo(std::to_string(GDK_WINDOW_XID(gdk_window)));
}

}  // namespace

bool FileDialogIsShown() {
    return ShownFileChooser() != nullptr;
}

void GiveFileDialogTheKeyboard() {
    if (GtkWidget* dialog = ShownFileChooser()) {
        GiveTheKeyboard(gtk_widget_get_window(dialog));
    }
}

bool DropDownIsOpen(wxChoice& box) {
    gboolean shown = FALSE;
    g_object_get(G_OBJECT(box.GetHandle()), "popup-shown", &shown, nullptr);
    return shown != FALSE;
}

void StopToolkitAnimations() {
    g_object_set(gtk_settings_get_default(), "gtk-enable-animations", FALSE, "gtk-cursor-blink",
                 FALSE, nullptr);
}

void GiveWindowTheKeyboard(wxWindow& window) {
    GiveTheKeyboard(gtk_widget_get_window(window.GetHandle()));
}

bool LooksActive(wxWindow& window) {
    return (gtk_widget_get_state_flags(window.GetHandle()) & GTK_STATE_FLAG_BACKDROP) == 0;
}
