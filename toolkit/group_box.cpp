#include "toolkit/group_box.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>

#include "toolkit/native_toolkit.h"

bool GroupBoxPanel::Create(wxWindow* parent, const wxString& caption, const wxPoint& position,
                           const wxSize& size, bool centred_caption, const wxString& name) {
    if (!wxPanel::Create(parent, wxID_ANY, position, size, wxBORDER_NONE, name)) {
        return false;
    }
    // The box is no stop of the Tab key, also when none of its controls is one.
    m_container.DisableSelfFocus();
    // Made first, so every child made later lies above it (a child may lie on the caption).
    // Nameless: it is no control of the layout.
    frame_ = new wxStaticBox(this, wxID_ANY, caption, wxPoint(0, 0), size,
                             centred_caption ? wxALIGN_CENTRE_HORIZONTAL : 0, wxString());
    frame_->SetCanFocus(false);
    if (centred_caption) {
        CentreFrameCaption(*frame_);
    }
    // The whole box in its colour, caption row included, as a classic group box paints it.
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        frame_->SetSize(wxRect(wxPoint(0, 0), event.GetSize()));
        event.Skip();
    });
    return true;
}

void GroupBoxPanel::SetLabel(const wxString& caption) {
    frame_->SetLabel(caption);
}

wxString GroupBoxPanel::GetLabel() const {
    return frame_->GetLabel();
}

bool GroupBoxPanel::SetBackgroundColour(const wxColour& colour) {
    frame_->SetBackgroundColour(colour);
    return wxPanel::SetBackgroundColour(colour);
}

wxStaticBox& GroupBoxPanel::Frame() const {
    return *frame_;
}
