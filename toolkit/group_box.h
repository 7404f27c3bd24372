// GroupBox controls: a framed box with a caption whose children are placed from the box's outer
// top-left corner, as the layout counts them. The toolkit's own static box places its children
// below its caption (on GTK), so the box is a plain panel that holds the children and, beneath
// them, the drawn frame with the caption; the panel also clips its children, so a box made
// lower hides the children below its new lower edge.
#pragma once

#include <wx/panel.h>

class wxStaticBox;

class GroupBoxPanel : public wxPanel {
  public:
    bool Create(wxWindow* parent, const wxString& caption, const wxPoint& position,
                const wxSize& size, bool centred_caption, const wxString& name);

    // The caption of the frame.
    void SetLabel(const wxString& caption) override;
    wxString GetLabel() const override;
    // The frame's inside takes the colour too.
    bool SetBackgroundColour(const wxColour& colour) override;

    // The drawn frame, lowest of the panel's children.
    wxStaticBox& Frame() const;

  private:
    wxStaticBox* frame_ = nullptr;
};
