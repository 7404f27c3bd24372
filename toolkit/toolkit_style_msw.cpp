// Windows: the native controls already have the layout's sizes and fonts; only a label whose
// lines are taller than its box is drawn by the program, with the classic line spacing.
#include <cmath>

#include <wx/dcclient.h>
#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include "toolkit/toolkit_style.h"

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
