// Windows: the dialog face colour for the frame, the native group box's centring style, and
// the part of a see-through label that a group box below it leaves unpainted.
#include <algorithm>
#include <cstdlib>

#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/msw/wrapwin.h>
#include <wx/region.h>
#include <wx/settings.h>
#include <wx/statbox.h>

#include "toolkit/group_box.h"
#include "toolkit/native_look.h"

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

void PaintSeeThroughLabel(wxWindow& label) {
    wxPaintDC dc(&label);
    const auto* box = dynamic_cast<const GroupBoxPanel*>(label.GetParent());
    if (box == nullptr) {
        return;
    }
    // The box's border strips, in the label's coordinates; the box draws them over the label.
    int top = 0;
    int side = 0;
    box->Frame().GetBordersForSizer(&top, &side);
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
