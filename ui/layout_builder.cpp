#include "ui/layout_builder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/simplebook.h>
#include <wx/statusbr.h>

#include "text/text_ops.h"
#include "ui/control_factory.h"
#include "ui/controls.h"
#include "ui/event_wiring.h"
#include "ui/gbk_text.h"
#include "ui/hypertext_box.h"
#include "ui/status_bar.h"

namespace {

std::vector<const ControlSpec*> ChildrenOf(const WindowLayout& layout, std::string_view parent) {
    std::vector<const ControlSpec*> children;
    for (const ControlSpec& spec : layout.controls) {
        if (spec.parent == parent && !spec.parent.empty()) {
            children.push_back(&spec);
        }
    }
    return children;
}

bool IsContainer(ControlKind kind) {
    return kind == ControlKind::Window || kind == ControlKind::PageControl ||
           kind == ControlKind::Page || kind == ControlKind::GroupBox ||
           kind == ControlKind::StatusBar;
}

void ApplyLook(const ControlSpec& spec, wxWindow& control) {
    if (spec.background != kDefaultColour) {
        control.SetBackgroundColour(wxColour(
            (spec.background >> 16) & 0xFF, (spec.background >> 8) & 0xFF, spec.background & 0xFF));
    }
    if ((spec.style & kHandPointer) != 0) {
        control.SetCursor(wxCursor(wxCURSOR_HAND));
    }
    if (!spec.focus && !IsContainer(spec.kind)) {
        control.SetCanFocus(false);
    }
}

wxWindow* MakeControl(const WindowLayout& layout, const ControlSpec& spec, wxWindow& parent,
                      wxFrame& frame) {
    if (spec.kind == ControlKind::StatusBar) {
        wxWindow* bar = CreateStatusBar(spec, frame);
        if (bar != nullptr) {
            TrackStatusTips(*static_cast<wxStatusBar*>(bar));
        }
        return bar;
    }
    wxWindow* control = CreateControl(spec, parent, layout);
    if (auto* box = dynamic_cast<wxHtmlWindow*>(control)) {
        const EventHandler handler = LinkHandlerOf(layout, spec.name);
        HandleHypertextLinks(*box, [handler, name = spec.name](std::string_view event_name) {
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
    std::vector<const ControlSpec*> children = ChildrenOf(layout, parent_name);
    // The table lists siblings topmost first; a control made later lies above those before it.
    // Pages are not stacked but kept in page order.
    std::vector<const ControlSpec*> making = children;
    if (dynamic_cast<wxSimplebook*>(&parent) == nullptr) {
        std::reverse(making.begin(), making.end());
    }
    for (const ControlSpec* spec : making) {
        if (spec->kind == ControlKind::CommonDlg) {
            continue;
        }
        wxWindow* control = MakeControl(layout, *spec, parent, frame);
        if (control == nullptr) {
            return false;
        }
        RegisterControl(spec->name, *control);
        ApplyLook(*spec, *control);
    }
    std::vector<wxWindow*> tabbing;
    for (const ControlSpec* spec : children) {
        wxWindow* control = FindControl(spec->name);
        if (control != nullptr && control->GetParent() == &parent) {
            tabbing.push_back(control);
        }
    }
    OrderTabbing(tabbing);
    for (const ControlSpec* spec : children) {
        wxWindow* control = FindControl(spec->name);
        if (control != nullptr && !BuildChildren(layout, spec->name, *control, frame)) {
            return false;
        }
    }
    return true;
}

// Fonts are set once every control exists, so that no child takes over its parent's font.
void ApplyFonts(const WindowLayout& layout) {
    for (const ControlSpec& spec : layout.controls) {
        wxWindow* control = FindControl(spec.name);
        if (spec.font != FontChoice::Default && control != nullptr) {
            control->SetFont(MakeFont(spec.font));
        }
    }
}

void BuildMenus(const WindowLayout& layout) {
    for (const MenuItemSpec& item : layout.menu_items) {
        wxMenu* menu = FindMenu(item.menu);
        if (menu == nullptr) {
            auto made = std::make_unique<wxMenu>();
            menu = made.get();
            RegisterMenu(item.menu, std::move(made));
        }
        menu->Append(wxID_ANY, GbkToWx(item.text));
    }
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

void ForgetControlsWith(wxFrame& frame, std::string_view name) {
    frame.Bind(wxEVT_DESTROY, [&frame, name = Text(name)](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == &frame && FindControl(name) == &frame) {
            ForgetControls();
        }
        event.Skip();
    });
}

bool CompleteWindow(const WindowLayout& layout, const ControlSpec& window_spec, wxFrame& frame) {
    // The client area: the frame gives its one child everything above the status bar.
    auto* client = new wxPanel;
    if (!client->Create(&frame, wxID_ANY)) {
        delete client;
        return false;
    }
    if (!BuildChildren(layout, window_spec.name, *client, frame)) {
        return false;
    }
    ApplyFonts(layout);
    BuildMenus(layout);
    return std::all_of(layout.bindings.begin(), layout.bindings.end(), WireBinding);
}

// Every parent is a control named further up in the table.
bool ParentsComeFirst(const WindowLayout& layout) {
    for (auto spec = layout.controls.begin(); spec != layout.controls.end(); ++spec) {
        const bool known = std::any_of(layout.controls.begin(), spec, [&](const ControlSpec& up) {
            return up.name == spec->parent;
        });
        if (spec->kind != ControlKind::Window && !known) {
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
    const auto window_spec =
        std::find_if(layout.controls.begin(), layout.controls.end(),
                     [](const ControlSpec& spec) { return spec.kind == ControlKind::Window; });
    if (window_spec == layout.controls.end()) {
        return nullptr;
    }
    wxFrame* frame = CreateFrame(*window_spec);
    if (frame == nullptr) {
        return nullptr;
    }
    ForgetControls();
    RegisterControl(window_spec->name, *frame);
    ForgetControlsWith(*frame, window_spec->name);
    if (!CompleteWindow(layout, *window_spec, *frame)) {
        ForgetControls();
        frame->Destroy();
        return nullptr;
    }
    HandleWindowKeys(*frame);
    for (const EventBinding& binding : layout.bindings) {
        if (binding.event == EventKind::Created) {
            binding.handler({binding.control, {}});
        }
    }
    return frame;
}
