#include "toolkit/status_bar.h"

#include <vector>

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/statusbr.h>

#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/layout_pixels.h"

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

int PartUnder(const wxPoint& point) {
    for (int part = 0; part < StatusPartCount(); ++part) {
        if (StatusPartArea(part).Contains(point)) {
            return part;
        }
    }
    return -1;
}

// The blank column at the left of each part's text, as the Windows status bar leaves it after
// the divider before, so that neighbouring texts do not run into one (layout pixels).
constexpr int kPartMargin = 1;

// Where a part's text shows: after its margin, up to its divider on its last column.
wxRect TextArea(const wxStatusBar& bar, const wxRect& part) {
    const int margin = WindowPixels(bar, kPartMargin);
    return {part.x + margin, part.y, part.width - margin - 1, part.height};
}

void DrawParts(wxStatusBar& bar) {
    wxPaintDC dc(&bar);
    dc.SetBackground(wxBrush(bar.GetBackgroundColour()));
    dc.Clear();
    dc.SetFont(bar.GetFont());
    dc.SetTextForeground(bar.GetForegroundColour());
    const wxPen separator(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    dc.SetPen(separator);
    dc.DrawLine(0, 0, bar.GetClientSize().x, 0);
    for (int part = 0; part < StatusPartCount(); ++part) {
        const wxRect area = StatusPartArea(part);
        const wxString text = bar.GetStatusText(part);
        const int top = area.y + (area.height - dc.GetTextExtent(text).y) / 2;
        {
            const wxDCClipper clip(dc, TextArea(bar, area));
            dc.DrawText(text, area.x + WindowPixels(bar, kPartMargin), top);
        }
        if (part + 1 < StatusPartCount()) {
            // On the part's last column, which a Song character leaves blank.
            dc.DrawLine(area.GetRight(), area.y + 3, area.GetRight(), area.GetBottom() - 1);
        }
    }
}

void ShowTipUnder(wxStatusBar& bar, const wxPoint& point) {
    const int part = PartUnder(point);
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
    bar.Bind(wxEVT_PAINT, [&bar](wxPaintEvent&) { DrawParts(bar); });
    // The parts keep their layout widths on a monitor of another scale.
    bar.Bind(wxEVT_DPI_CHANGED, [&bar](wxDPIChangedEvent& event) {
        std::vector<int> widths;
        for (int part = 0; part < StatusPartCount(); ++part) {
            const int width = bar.GetStatusWidth(part);
            widths.push_back(width < 0 ? width : event.ScaleX(width));
        }
        if (!widths.empty()) {
            bar.SetStatusWidths(static_cast<int>(widths.size()), widths.data());
        }
        event.Skip();
    });
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
    widths.push_back(width < 0 ? width : WindowPixels(bar, width));
    bar.SetFieldsCount(static_cast<int>(widths.size()), widths.data());
    PartTips().emplace_back();
    bar.SetStatusText(GbkToWx(text), static_cast<int>(widths.size()) - 1);
    bar.Refresh();
}

int StatusPartCount() {
    return static_cast<int>(PartTips().size());
}

void SetStatusPartText(int part, std::string_view text) {
    if (IsPart(part)) {
        Bar().SetStatusText(GbkToWx(text), part);
        Bar().RefreshRect(StatusPartArea(part));
    }
}

void SetStatusPartTip(int part, std::string_view tip) {
    if (IsPart(part)) {
        PartTips()[part] = Text(tip);
    }
}

wxRect StatusPartArea(int part) {
    if (!IsPart(part)) {
        return {};
    }
    const wxStatusBar& bar = Bar();
    const wxSize size = bar.GetClientSize();
    int left = 0;
    for (int before = 0; before < part; ++before) {
        left += bar.GetStatusWidth(before);
    }
    const int width = bar.GetStatusWidth(part);
    return {left, 0, width < 0 ? size.x - left : width, size.y};
}

Text StatusPartText(int part) {
    return IsPart(part) ? WxToGbk(Bar().GetStatusText(part)) : Text();
}

Text StatusPartTip(int part) {
    return IsPart(part) ? PartTips()[part] : Text();
}
