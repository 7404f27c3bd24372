// The Windows side of the toolkit seams (native_toolkit.h).

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/msw/wrapwin.h>
#include <wx/radiobut.h>
#include <wx/region.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include "toolkit/native_toolkit.h"

// The native controls already have the layout's sizes and fonts; only a label whose
// lines are taller than its box is drawn by the program, with the classic line spacing.
void FitToolkitStyleToLayout() {}

namespace {

// The lines of the label, each as high as the font's characters and an empty one half that.
void PaintFittedLines(wxStaticText& label) {
    wxPaintDC dc(&label);
    // The label lies on its parent's colour, as the native label's own drawing shows it.
    dc.SetBackground(wxBrush(label.GetParent()->GetBackgroundColour()));
    dc.Clear();
    dc.SetFont(label.GetFont());
    dc.SetTextForeground(label.GetForegroundColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const int line = static_cast<int>(
        std::lround(label.GetFont().GetFractionalPointSize() * label.GetDPI().y / 72));
    int top = 0;
    for (wxString content : wxSplit(label.GetLabel(), L'\n', L'\0')) {
        content.EndsWith(L"\r", &content);
        if (content.empty()) {
            top += line / 2;
            continue;
        }
        dc.DrawText(content, 0, top);
        top += line;
    }
}

}  // namespace

void FitLabelLinesToBox(wxStaticText& label) {
    if (label.GetBestSize().y <= label.GetSize().y) {
        return;
    }
    label.Bind(wxEVT_PAINT, [&label](wxPaintEvent&) { PaintFittedLines(label); });
    label.Refresh();
}

// The drop-down list reports every pick (CBN_SELENDOK), also of the selected item.
void BindEveryPick(wxChoice& box, std::function<void()> on_pick) {
    box.Bind(wxEVT_CHOICE, [on_pick](wxCommandEvent&) { on_pick(); });
}

// The list's context-menu event follows its right click (NM_RCLICK), which comes with
// the release of the button, and the menu key or Shift+F10; from the keyboard it has no
// position.
void BindListRightClick(wxListCtrl& list, std::function<void(bool by_keyboard)> on_click) {
    list.Bind(wxEVT_CONTEXT_MENU, [on_click](wxContextMenuEvent& event) {
        on_click(event.GetPosition() == wxDefaultPosition);
    });
}

// The button reports every click (BN_CLICKED), but the toolkit raises its option event
// only for an option that was not checked; a click on the checked one raises it here.
namespace {

class EveryClickOption : public wxRadioButton {
  public:
    bool MSWCommand(WXUINT param, WXWORD id) override {
        if (param != BN_CLICKED || !GetValue()) {
            return wxRadioButton::MSWCommand(param, id);
        }
        wxCommandEvent event(wxEVT_RADIOBUTTON, GetId());
        event.SetEventObject(this);
        event.SetInt(true);
        ProcessCommand(event);
        return true;
    }
};

}  // namespace

wxRadioButton* MakeOptionButton(wxWindow& parent, const wxString& caption, const wxPoint& position,
                                const wxSize& size, long style, const wxString& name) {
    auto* option = new EveryClickOption;
    if (!option->Create(&parent, wxID_ANY, caption, position, size, style, wxDefaultValidator,
                        name)) {
        delete option;
        return nullptr;
    }
    return option;
}

// The dialog face colour for the frame, the native group box's centring style, and
// the part of a see-through label that a group box below it leaves unpainted.
void FitFrameColour(wxFrame& frame) {
    frame.SetOwnBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
}

void FitDropDownHeight(wxChoice& box, int height) {
    const HWND list = static_cast<HWND>(box.GetHWND());
    const auto shown_height = [list] {
        RECT shown{};
        ::GetWindowRect(list, &shown);
        return static_cast<int>(shown.bottom - shown.top);
    };
    const auto set_field = [list](LRESULT field) {
        ::SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    };
    const LRESULT field = ::SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    const int before = shown_height();
    if (field == CB_ERR || before == height) {
        return;
    }
    // How much the box grows with its field (its edges may grow too, not always alike): one
    // pixel tells, and a few steps close the gap to within a pixel.
    LRESULT fitted = field + 1;
    set_field(fitted);
    const int growth = std::max(shown_height() - before, 1);
    for (int step = 0; step < 3; ++step) {
        const int gap = height - shown_height();
        if (std::abs(gap) <= 1) {
            return;
        }
        fitted += (gap + (gap > 0 ? growth / 2 : -growth / 2)) / growth;
        set_field(fitted);
    }
}

void CentreFrameCaption(wxStaticBox& frame) {
    const HWND box = static_cast<HWND>(frame.GetHWND());
    ::SetWindowLongPtrW(box, GWL_STYLE, ::GetWindowLongPtrW(box, GWL_STYLE) | BS_CENTER);
    frame.Refresh();
}

void PaintSeeThroughLabel(wxWindow& label, const wxStaticBox* group_frame) {
    wxPaintDC dc(&label);
    if (group_frame == nullptr) {
        return;
    }
    const wxWindow* box = group_frame->GetParent();
    // The box's border strips, in the label's coordinates; the box draws them over the label.
    int top = 0;
    int side = 0;
    group_frame->GetBordersForSizer(&top, &side);
    const wxPoint origin = -label.GetPosition();
    const wxSize size = box->GetClientSize();
    wxRegion rest(wxRect(wxPoint(0, 0), label.GetClientSize()));
    rest.Subtract(wxRect(origin, wxSize(size.x, top)));
    rest.Subtract(wxRect(origin + wxPoint(0, size.y - side), wxSize(size.x, side)));
    rest.Subtract(wxRect(origin, wxSize(side, size.y)));
    rest.Subtract(wxRect(origin + wxPoint(size.x - side, 0), wxSize(side, size.y)));
    if (rest.IsEmpty()) {
        return;
    }
    dc.SetDeviceClippingRegion(rest);
    dc.SetBackground(wxBrush(box->GetBackgroundColour()));
    dc.Clear();
}
