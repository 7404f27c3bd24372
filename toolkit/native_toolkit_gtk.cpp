// The GTK side of the toolkit seams (native_toolkit.h).

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include "toolkit/fonts.h"
#include "toolkit/native_toolkit.h"

// The theme brought down to the layout's pixel sizes, and label lines set through Pango.
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

// A drop-down list reports a pick only when it changes the selection. Every item of its
// open list is a menu item whose activation is the pick, so an emission hook on the activation
// of menu items notes each pick in the list of a bound box; a pick that changed nothing is then
// reported once the toolkit is done with it.
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

// The context-menu event comes with the press of the right button, and a menu popped up
// while the button is down closes on its release. The click is taken when the button comes up
// over the list's rows: the list's inner window of rows receives the release (it holds the
// pointer from the press on), and the pointer must still be over it. The other inner window,
// the column header, takes no keyboard focus; a release over it is no click on the rows. The
// menu key, or Shift+F10, pressed while the rows have the keyboard focus opens the menu too.
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

// The button's "clicked" signal, which the toolkit's option event follows, comes with every
// click, also on the checked option.
wxRadioButton* MakeOptionButton(wxWindow& parent, const wxString& caption, const wxPoint& position,
                                const wxSize& size, long style, const wxString& name) {
    auto* option = new wxRadioButton;
    if (!option->Create(&parent, wxID_ANY, caption, position, size, style, wxDefaultValidator,
                        name)) {
        delete option;
        return nullptr;
    }
    return option;
}

// The toolkit's own drawing already gives the layout's look.
void FitFrameColour(wxFrame&) {}

void FitDropDownHeight(wxChoice&, int) {}

void CentreFrameCaption(wxStaticBox&) {}

void PaintSeeThroughLabel(wxWindow& label, const wxStaticBox*) {
    const wxPaintDC validated(&label);
}
