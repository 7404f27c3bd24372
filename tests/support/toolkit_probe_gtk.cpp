// GTK: sizes and states as GTK has them.
#include <gtk/gtk.h>
#include <wx/choice.h>
#include <wx/window.h>

#include "tests/support/toolkit_probe.h"

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

bool DropDownIsOpen(wxChoice& box) {
    gboolean shown = FALSE;
    g_object_get(G_OBJECT(box.GetHandle()), "popup-shown", &shown, nullptr);
    return shown != FALSE;
}

void StopToolkitAnimations() {
    g_object_set(gtk_settings_get_default(), "gtk-enable-animations", FALSE, "gtk-cursor-blink",
                 FALSE, nullptr);
}
