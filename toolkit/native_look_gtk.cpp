// GTK: the toolkit's own drawing already gives the layout's look.
#include <wx/dcclient.h>

#include "toolkit/native_look.h"

void FitFrameColour(wxFrame&) {}

void FitDropDownHeight(wxChoice&, int) {}

void CentreFrameCaption(wxStaticBox&) {}

void PaintSeeThroughLabel(wxWindow& label) {
    const wxPaintDC validated(&label);
}
