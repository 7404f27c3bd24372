#include "ui/toolkit/status_bar.h"

#include <vector>

#include <wx/statusbr.h>

#include "ui/toolkit/control_names.h"
#include "ui/toolkit/control_registry.h"
#include "ui/toolkit/gbk_text.h"

namespace {

// The tooltip of each part appended so far; the bar itself keeps the texts and widths.
std::vector<Text>& PartTips() {
    static std::vector<Text> tips;
    return tips;
}

wxStatusBar& Bar() {
    return Control<wxStatusBar>(kMainStatusBar);
}

bool IsPart(int part) {
    return part >= 0 && part < StatusPartCount();
}

int PartUnder(const wxStatusBar& bar, const wxPoint& point) {
    for (int part = 0; part < StatusPartCount(); ++part) {
        wxRect rect;
        if (bar.GetFieldRect(part, rect) && rect.Contains(point)) {
            return part;
        }
    }
    return -1;
}

void ShowTipUnder(wxStatusBar& bar, const wxPoint& point) {
    const int part = PartUnder(bar, point);
    const wxString tip = part < 0 ? wxString() : GbkToWx(PartTips()[part]);
    if (tip.empty()) {
        bar.UnsetToolTip();
    } else if (bar.GetToolTipText() != tip) {
        bar.SetToolTip(tip);
    }
}

}  // namespace

void TrackStatusTips(wxStatusBar& bar) {
    PartTips().clear();
    bar.Bind(wxEVT_MOTION, [&bar](wxMouseEvent& event) {
        ShowTipUnder(bar, event.GetPosition());
        event.Skip();
    });
}

void AppendStatusPart(std::string_view text, int width) {
    wxStatusBar& bar = Bar();
    std::vector<int> widths;
    for (int part = 0; part < StatusPartCount(); ++part) {
        widths.push_back(bar.GetStatusWidth(part));
    }
    widths.push_back(width);
    bar.SetFieldsCount(static_cast<int>(widths.size()), widths.data());
    PartTips().emplace_back(text);
    bar.SetStatusText(GbkToWx(text), static_cast<int>(widths.size()) - 1);
}

int StatusPartCount() {
    return static_cast<int>(PartTips().size());
}

void SetStatusPartText(int part, std::string_view text) {
    if (IsPart(part)) {
        Bar().SetStatusText(GbkToWx(text), part);
    }
}

void SetStatusPartTip(int part, std::string_view tip) {
    if (IsPart(part)) {
        PartTips()[part] = Text(tip);
    }
}

Text StatusPartText(int part) {
    return IsPart(part) ? WxToGbk(Bar().GetStatusText(part)) : Text();
}

Text StatusPartTip(int part) {
    return IsPart(part) ? PartTips()[part] : Text();
}
