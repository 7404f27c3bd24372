// GTK: the theme brought down to the layout's pixel sizes, and label lines set through Pango.
#include <gtk/gtk.h>

#include <cmath>

#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include "toolkit/control_factory.h"
#include "toolkit/toolkit_style.h"

void FitToolkitStyleToLayout() {
    // The layout gives every control the pixel size of the classic Windows controls, which draw
    // text with a 9-point font and little padding. GTK's theme pads buttons, entries and
    // drop-down lists far more, and its default font is larger, so captions would be clipped.
    // Bring both down to what the layout expects, in the Song face it was measured in; the
    // toolkit's default font (which the status bar and text measurements use) is that face too.
    const wxString face = SongFaceName();
    g_object_set(gtk_settings_get_default(), "gtk-font-name",
                 static_cast<const char*>((face + L" 9").utf8_str()), nullptr);
    const wxString css =
        wxString::Format(L"* { font-family: \"%s\"; font-size: 9pt; }", face) +
        L"button, combobox button, entry { padding: 0px 3px; min-height: 0px; }"
        L"radiobutton { padding: 0px; }"
        L"radiobutton radio { margin: 0px 2px 0px 0px; min-width: 12px; min-height: 12px; }";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.utf8_str(), -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

namespace {

wxString EscapedForMarkup(const wxString& text) {
    wxString escaped;
    for (const wxUniChar character : text) {
        switch (static_cast<wchar_t>(character)) {
            case L'&':
                escaped += L"&amp;";
                break;
            case L'<':
                escaped += L"&lt;";
                break;
            case L'>':
                escaped += L"&gt;";
                break;
            default:
                escaped += character;
        }
    }
    return escaped;
}

}  // namespace

void FitLabelLinesToBox(wxStaticText& label) {
    if (label.GetBestSize().y <= label.GetSize().y) {
        return;
    }
    // Pango takes absolute line heights in 1024ths of a pixel (of a point at the screen's
    // resolution, as GTK sets it up); the break that ends an empty line carries its height.
    double resolution = gdk_screen_get_resolution(gdk_screen_get_default());
    if (resolution <= 0) {
        resolution = 96;
    }
    const int line =
        static_cast<int>(std::lround(label.GetFont().GetFractionalPointSize() * resolution / 72)) *
        1024;
    const wxString text_height = wxString::Format(L"%d", line);
    const wxString empty_height = wxString::Format(L"%d", line / 2);
    const wxArrayString lines = wxSplit(label.GetLabel(), L'\n', L'\0');
    wxString markup = L"<span line-height=\"" + text_height + L"\">";
    for (std::size_t index = 0; index < lines.size(); ++index) {
        wxString content = lines[index];
        const bool ends_in_cr = content.EndsWith(L"\r", &content);
        const wxString line_end = ends_in_cr ? L"\r\n" : L"\n";
        markup += EscapedForMarkup(content);
        if (index + 1 == lines.size()) {
            break;
        }
        markup += content.empty()
                      ? L"<span line-height=\"" + empty_height + L"\">" + line_end + L"</span>"
                      : line_end;
    }
    label.SetLabelMarkup(markup + L"</span>");
}
