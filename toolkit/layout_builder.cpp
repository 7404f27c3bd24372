#include "toolkit/layout_builder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/simplebook.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>

#include "text/text_ops.h"
#include "toolkit/control_factory.h"
#include "toolkit/control_registry.h"
#include "toolkit/event_wiring.h"
#include "toolkit/fonts.h"
#include "toolkit/gbk_text.h"
#include "toolkit/hypertext_box.h"
#include "toolkit/layout_pixels.h"
#include "toolkit/native_toolkit.h"
#include "toolkit/status_bar.h"

namespace {

std::vector<const ControlRow*> ChildrenOf(const WindowLayout& layout, std::string_view parent) {
    std::vector<const ControlRow*> children;
    for (const ControlRow& row : layout.controls) {
        if (row.parent == parent && !row.parent.empty()) {
            children.push_back(&row);
        }
    }
    return children;
}

bool IsContainer(ControlKind kind) {
    return kind == ControlKind::Window || kind == ControlKind::PageControl ||
           kind == ControlKind::Page || kind == ControlKind::GroupBox ||
           kind == ControlKind::StatusBar;
}

void ApplyLook(const ControlRow& row, wxWindow& control) {
    if (row.background != kDefaultColour) {
        control.SetBackgroundColour(RgbColour(row.background));
    }
    if ((row.style & kHandPointer) != 0) {
        control.SetCursor(wxCursor(wxCURSOR_HAND));
    }
    if (!row.focus && !IsContainer(row.kind)) {
        control.SetCanFocus(false);
    }
}

wxWindow* MakeControl(const WindowLayout& layout, const ControlRow& row, wxWindow& parent,
                      wxFrame& frame) {
    if (row.kind == ControlKind::StatusBar) {
        wxWindow* bar = CreateStatusBar(row, frame);
        if (bar != nullptr) {
            TrackStatusTips(*static_cast<wxStatusBar*>(bar));
        }
        return bar;
    }
    wxWindow* control = CreateControl(row, parent, layout);
    if (auto* box = dynamic_cast<wxHtmlWindow*>(control)) {
        const EventHandler handler = LinkHandlerOf(layout, row.name);
        HandleHypertextLinks(*box, [handler, name = row.name](std::string_view event_name) {
            if (handler != nullptr) {
                handler({name, event_name});
            }
        });
    }
    return control;
}

// Tab moves through siblings in table order, whatever order they were made in.
void OrderTabbing(const std::vector<wxWindow*>& siblings) {
    for (std::size_t i = 1; i < siblings.size(); ++i) {
        siblings[i]->MoveAfterInTabOrder(siblings[i - 1]);
    }
}

bool BuildChildren(const WindowLayout& layout, std::string_view parent_name, wxWindow& parent,
                   wxFrame& frame) {
    std::vector<const ControlRow*> children = ChildrenOf(layout, parent_name);
    // The table lists siblings topmost first; a control made later lies above those before it.
    // Pages are not stacked but kept in page order.
    std::vector<const ControlRow*> making = children;
    if (dynamic_cast<wxSimplebook*>(&parent) == nullptr) {
        std::reverse(making.begin(), making.end());
    }
    for (const ControlRow* row : making) {
        if (row->kind == ControlKind::CommonDlg) {
            continue;
        }
        wxWindow* control = MakeControl(layout, *row, parent, frame);
        if (control == nullptr) {
            return false;
        }
        RegisterControl(row->name, *control);
        ApplyLook(*row, *control);
    }
    std::vector<wxWindow*> tabbing;
    for (const ControlRow* row : children) {
        wxWindow* control = FindControl(row->name);
        if (control != nullptr && control->GetParent() == &parent) {
            tabbing.push_back(control);
        }
    }
    OrderTabbing(tabbing);
    for (const ControlRow* row : children) {
        wxWindow* control = FindControl(row->name);
        if (control != nullptr && !BuildChildren(layout, row->name, *control, frame)) {
            return false;
        }
    }
    return true;
}

// Fonts are set once every control exists, so that no child takes over its parent's font.
void ApplyFonts(const WindowLayout& layout) {
    for (const ControlRow& row : layout.controls) {
        wxWindow* control = FindControl(row.name);
        if (row.font != FontChoice::Default && control != nullptr) {
            control->SetFont(MakeFont(row.font));
        }
        // A drop-down list takes its font's height (on Windows, and kept there once items are
        // added): the layout's height again.
        if (auto* list = dynamic_cast<wxChoice*>(control)) {
            list->SetSize(WindowPixels(*list, wxSize(row.width, row.height)));
            FitDropDownHeight(*list, WindowPixels(*list, row.height));
        }
        if (auto* label = dynamic_cast<wxStaticText*>(control)) {
            FitLabelLinesToBox(*label);
        }
    }
}

// Each item runs the handler of its row when chosen.
bool BuildMenus(const WindowLayout& layout) {
    for (const MenuItemRow& item : layout.menu_items) {
        if (item.handler == nullptr) {
            return false;
        }
        wxMenu* menu = FindMenu(item.menu);
        if (menu == nullptr) {
            auto made = std::make_unique<wxMenu>();
            menu = made.get();
            RegisterMenu(item.menu, std::move(made));
        }
        const int id = menu->Append(wxID_ANY, GbkToWx(item.text))->GetId();
        const EventContext context{item.menu, {}};
        const EventHandler handler = item.handler;
        menu->Bind(
            wxEVT_MENU, [handler, context](wxCommandEvent&) { handler(context); }, id);
    }
    return true;
}

void HandleWindowKeys(wxFrame& frame) {
    frame.Bind(wxEVT_CHAR_HOOK, [&frame](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            frame.Close();
        } else {
            event.Skip();
        }
    });
}

// Moved to a monitor of another scale, the window lays its controls out again for it: the
// toolkit gives the window its new size and the controls their fonts (and the lists their
// column widths), the places and sizes of the controls are the layout's. Only a toolkit that
// counts in the screen's own pixels raises the event.
void FollowTheScreensScale(wxFrame& frame, const WindowLayout& layout) {
    frame.Bind(wxEVT_DPI_CHANGED, [&frame, layout](wxDPIChangedEvent& event) {
        for (const ControlRow& row : layout.controls) {
            wxWindow* control = FindControl(row.name);
            if (control == nullptr || control == &frame || row.kind == ControlKind::StatusBar ||
                row.kind == ControlKind::Page) {
                continue;
            }
            const wxRect rect = control->GetRect();
            const wxSize place = event.Scale(wxSize(rect.x, rect.y));
            control->SetSize(wxRect(wxPoint(place.x, place.y), event.Scale(rect.GetSize())));
            if (auto* list = dynamic_cast<wxChoice*>(control)) {
                FitDropDownHeight(*list, WindowPixels(*list, row.height));
            }
        }
        event.Skip();
    });
}

void ForgetControlsWith(wxFrame& frame, std::string_view name) {
    frame.Bind(wxEVT_DESTROY, [&frame, name = Text(name)](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == &frame && FindControl(name) == &frame) {
            ForgetControls();
        }
        event.Skip();
    });
}

bool CompleteWindow(const WindowLayout& layout, const ControlRow& window_row, wxFrame& frame) {
    // The client area: the frame gives its one child everything above the status bar.
    auto* client = new wxPanel;
    if (!client->Create(&frame, wxID_ANY)) {
        delete client;
        return false;
    }
    if (!BuildChildren(layout, window_row.name, *client, frame)) {
        return false;
    }
    ApplyFonts(layout);
    return BuildMenus(layout) &&
           std::all_of(layout.bindings.begin(), layout.bindings.end(), WireBinding);
}

// Every parent is a control named further up in the table.
bool ParentsComeFirst(const WindowLayout& layout) {
    for (auto row = layout.controls.begin(); row != layout.controls.end(); ++row) {
        const bool known = std::any_of(layout.controls.begin(), row, [&](const ControlRow& up) {
            return up.name == row->parent;
        });
        if (row->kind != ControlKind::Window && !known) {
            return false;
        }
    }
    return true;
}

}  // namespace

wxFrame* BuildWindow(const WindowLayout& layout) {
    if (!ParentsComeFirst(layout)) {
        return nullptr;
    }
    const auto window_row =
        std::find_if(layout.controls.begin(), layout.controls.end(),
                     [](const ControlRow& row) { return row.kind == ControlKind::Window; });
    if (window_row == layout.controls.end()) {
        return nullptr;
    }
    wxFrame* frame = CreateFrame(*window_row);
    if (frame == nullptr) {
        return nullptr;
    }
    ForgetControls();
    RegisterControl(window_row->name, *frame);
    ForgetControlsWith(*frame, window_row->name);
    if (!CompleteWindow(layout, *window_row, *frame)) {
        ForgetControls();
        frame->Destroy();
        return nullptr;
    }
    HandleWindowKeys(*frame);
    FollowTheScreensScale(*frame, layout);
    for (const EventBinding& binding : layout.bindings) {
        if (binding.event == EventKind::Created) {
            binding.handler({binding.control, {}});
        }
    }
    return frame;
}
