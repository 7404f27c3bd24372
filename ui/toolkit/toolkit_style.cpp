#include "ui/toolkit/toolkit_style.h"

#ifdef __WXGTK__
// GTK only: the one place that talks to GTK directly.
#include <gtk/gtk.h>
#endif

void FitToolkitStyleToLayout() {
#ifdef __WXGTK__
    // The layout gives every control the pixel size of the classic Windows controls, which draw
    // text with a 9-point font and little padding. GTK's theme pads buttons, entries and
    // drop-down lists far more, and its default font is larger, so captions would be clipped.
    // Bring both down to what the layout expects.
    static const char kCss[] =
        "* { font-size: 9pt; }"
        "button, combobox button, entry { padding: 0px 4px; min-height: 0px; }"
        "radiobutton { padding: 0px; }"
        "radiobutton radio { margin: 0px 2px 0px 0px; min-width: 12px; min-height: 12px; }";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
#endif
}
