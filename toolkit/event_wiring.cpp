#include "toolkit/event_wiring.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dnd.h>
#include <wx/html/htmlwin.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <vector>

#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/native_toolkit.h"

namespace {

bool WireClick(const EventBinding& binding, wxWindow& control) {
    const EventContext context{binding.control, {}};
    const EventHandler handler = binding.handler;
    if (auto* button = dynamic_cast<wxButton*>(&control)) {
        button->Bind(wxEVT_BUTTON, [handler, context](wxCommandEvent&) { handler(context); });
        return true;
    }
    if (auto* option = dynamic_cast<wxRadioButton*>(&control)) {
        // Raised by every click, also on the checked option (native_toolkit.h).
        option->Bind(wxEVT_RADIOBUTTON, [handler, context](wxCommandEvent&) { handler(context); });
        return true;
    }
    return false;
}

// skip: whether the control's own handling of the event goes on after the handler.
template <class Event>
bool WireOn(wxWindow& control, const wxEventTypeTag<Event>& type, const EventBinding& binding,
            bool skip) {
    const EventContext context{binding.control, {}};
    const EventHandler handler = binding.handler;
    control.Bind(type, [handler, context, skip](Event& event) {
        event.Skip(skip);
        handler(context);
    });
    return true;
}

bool WireListRightClick(const EventBinding& binding, wxWindow& control) {
    auto* list = dynamic_cast<wxListCtrl*>(&control);
    if (list == nullptr) {
        return false;
    }
    const EventContext context{binding.control, {}};
    const EventHandler handler = binding.handler;
    BindListRightClick(*list, [handler, context](bool by_keyboard) {
        EventContext keyed = context;
        keyed.by_keyboard = by_keyboard;
        handler(keyed);
    });
    return true;
}

// Takes files dropped from another program (a file manager, the desktop) and hands their paths
// to the handler; any other data dragged over the control is refused.
class FileDropTarget : public wxFileDropTarget {
  public:
    FileDropTarget(EventHandler handler, std::string_view control)
        : handler_(handler), control_(control) {}

    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override {
        std::vector<std::filesystem::path> files;
        for (const wxString& name : names) {
            files.push_back(ToFileSystemPath(name));
        }
        handler_({control_, {}, files});
        return true;
    }

  private:
    EventHandler handler_;
    std::string_view control_;
};

bool WireFileDrop(const EventBinding& binding, wxWindow& control) {
    if (dynamic_cast<wxTextCtrl*>(&control) == nullptr) {
        return false;
    }
    control.SetDropTarget(new FileDropTarget(binding.handler, binding.control));
    return true;
}

bool WireEveryPick(const EventBinding& binding, wxWindow& control) {
    auto* box = dynamic_cast<wxChoice*>(&control);
    if (box == nullptr) {
        return false;
    }
    const EventContext context{binding.control, {}};
    const EventHandler handler = binding.handler;
    BindEveryPick(*box, [handler, context] { handler(context); });
    return true;
}

}  // namespace

bool WireBinding(const EventBinding& binding) {
    if (binding.handler == nullptr) {
        return false;
    }
    wxWindow* control = FindControl(binding.control);
    if (control == nullptr) {
        return false;
    }
    switch (binding.event) {
        case EventKind::Clicked:
            return WireClick(binding, *control);
        case EventKind::ItemChosen:
            return WireEveryPick(binding, *control);
        case EventKind::LeftDoubleClick:
            return WireOn(*control, wxEVT_LEFT_DCLICK, binding, false);
        case EventKind::RightClick:
            return WireListRightClick(binding, *control);
        case EventKind::LeftButtonUp:
            return WireOn(*control, wxEVT_LEFT_UP, binding, true);
        case EventKind::FilesDropped:
            return WireFileDrop(binding, *control);
        case EventKind::LinkEvent:  // the builder hands it to the box as it makes it
            return dynamic_cast<wxHtmlWindow*>(control) != nullptr;
        case EventKind::Created:  // run by the builder once the window is complete
            return true;
    }
    return false;
}

EventHandler LinkHandlerOf(const WindowLayout& layout, std::string_view box) {
    for (const EventBinding& binding : layout.bindings) {
        if (binding.event == EventKind::LinkEvent && binding.control == box) {
            return binding.handler;
        }
    }
    return nullptr;
}
