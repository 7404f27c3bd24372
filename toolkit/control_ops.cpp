#include "toolkit/control_ops.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/simplebook.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include "toolkit/control_factory.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/layout_pixels.h"

Placement ControlPlacement(std::string_view name) {
    const wxWindow& control = Control<wxWindow>(name);
    const wxRect rect = LayoutPixels(control, control.GetRect());
    return {rect.x, rect.y, rect.width, rect.height};
}

void PlaceControl(std::string_view name, const Placement& placement) {
    wxWindow& control = Control<wxWindow>(name);
    const wxPoint place = WindowPixels(control, wxPoint(placement.left, placement.top));
    const wxSize size = WindowPixels(control, wxSize(placement.width, placement.height));
    control.SetSize(place.x, place.y, size.x, size.y, wxSIZE_ALLOW_MINUS_ONE);
}

Text ControlText(std::string_view name) {
    wxWindow& control = Control<wxWindow>(name);
    if (const auto* edit = dynamic_cast<wxTextCtrl*>(&control)) {
        return EditBoxText(*edit);
    }
    if (const auto* window = dynamic_cast<wxTopLevelWindow*>(&control)) {
        return WxToGbk(window->GetTitle());
    }
    return WxToGbk(control.GetLabel());
}

void SetControlText(std::string_view name, std::string_view text) {
    wxWindow& control = Control<wxWindow>(name);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(&control)) {
        SetEditBoxText(*edit, text);
    } else if (auto* window = dynamic_cast<wxTopLevelWindow*>(&control)) {
        window->SetTitle(GbkToWx(text));
    } else {
        control.SetLabel(GbkToWx(text));
    }
}

void ShowTextEnd(std::string_view edit_box) {
    wxTextCtrl& box = Control<wxTextCtrl>(edit_box);
    box.SetInsertionPointEnd();
    box.ShowPosition(box.GetLastPosition());
}

void EnableControl(std::string_view name, bool enabled) {
    Control<wxWindow>(name).Enable(enabled);
}

void RaiseControl(std::string_view name) {
    Control<wxWindow>(name).Raise();
}

void SetControlBackground(std::string_view name, int rgb) {
    wxWindow& control = Control<wxWindow>(name);
    control.SetBackgroundColour(RgbColour(rgb));
    control.Refresh();
}

void ShowPage(std::string_view page_control, int page) {
    wxSimplebook& pages = Control<wxSimplebook>(page_control);
    if (page >= 0 && page < static_cast<int>(pages.GetPageCount())) {
        pages.ChangeSelection(static_cast<std::size_t>(page));
    }
}

void FocusControl(std::string_view name) {
    wxWindow& control = Control<wxWindow>(name);
    control.CallAfter([&control] { control.SetFocus(); });
}

void RecoverKeyboardFocus(std::string_view name) {
    wxWindow& control = Control<wxWindow>(name);
    control.CallAfter([&control] {
        const wxWindow* const focus = wxWindow::FindFocus();
        if (focus == nullptr || !focus->IsShownOnScreen()) {
            control.SetFocus();
        }
    });
}

int ShownPage(std::string_view page_control) {
    return Control<wxSimplebook>(page_control).GetSelection();
}

void ClearItems(std::string_view combo) {
    Control<wxChoice>(combo).Clear();
}

void AppendItem(std::string_view combo, std::string_view text) {
    Control<wxChoice>(combo).Append(GbkToWx(text));
}

int ItemCount(std::string_view combo) {
    return static_cast<int>(Control<wxChoice>(combo).GetCount());
}

Text ItemText(std::string_view combo, int index) {
    const wxChoice& box = Control<wxChoice>(combo);
    if (index < 0 || index >= static_cast<int>(box.GetCount())) {
        return {};
    }
    return WxToGbk(box.GetString(static_cast<unsigned>(index)));
}

int SelectedItem(std::string_view combo) {
    return Control<wxChoice>(combo).GetSelection();
}

void SelectItem(std::string_view combo, int index) {
    wxChoice& box = Control<wxChoice>(combo);
    box.SetSelection(std::clamp(index, -1, static_cast<int>(box.GetCount()) - 1));
}
