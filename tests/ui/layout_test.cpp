// The window's layout as the toolkit shows it: every control of the layout table inside its
// parent, on screen at its place (a group box counts from its outer top-left corner) within its
// parent's visible area, the client area and the tab order, and every text within its box.
#include <set>
#include <string>

#include <wx/frame.h>
#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/simplebook.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>

#include "tests/support/toolkit_probe.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/group_box.h"
#include "toolkit/status_bar.h"
#include "ui/window_layout.h"

// Test names and failure messages show a control by its name.
void PrintTo(const ControlRow& row, std::ostream* out) {
    *out << row.name;
}

namespace {

const ControlRow& RowNamed(std::string_view name) {
    for (const ControlRow& row : MainWindowLayout().controls) {
        if (row.name == name) {
            return row;
        }
    }
    throw std::logic_error("no such row");
}

// Index of the page of ResultPages that holds row, -1 when it is on no page.
int PageOf(const ControlRow& row) {
    std::string_view name = row.name;
    for (;;) {
        const ControlRow& current = RowNamed(name);
        if (current.kind == ControlKind::Window) {
            return -1;
        }
        if (current.kind == ControlKind::Page) {
            int index = 0;
            for (const ControlRow& page : MainWindowLayout().controls) {
                if (page.name == current.name) {
                    return index;
                }
                index += page.kind == ControlKind::Page ? 1 : 0;
            }
        }
        name = current.parent;
    }
}

// The page area at the layout's own placement, showing the page that holds row.
void ShowWhereRowIs(const ControlRow& row) {
    const ControlRow& pages = RowNamed(kResultPages);
    PlaceControl(kResultPages, {pages.left, pages.top, pages.width, pages.height});
    if (PageOf(row) >= 0) {
        ShowPage(kResultPages, PageOf(row));
    }
    PumpEvents();
}

// The screen rectangle that a child's layout coordinates count from, as large as the part of
// the parent where children can be seen: the window's client area above the status bar, or the
// parent control's outer rectangle.
wxRect VisibleAreaOf(std::string_view parent) {
    wxWindow& control = Control<wxWindow>(parent);
    if (auto* window = dynamic_cast<wxFrame*>(&control)) {
        const int bar = window->GetStatusBar()->GetSize().y;
        const wxSize client = window->GetClientSize();
        return {window->ClientToScreen(wxPoint(0, 0)), wxSize(client.x, client.y - bar)};
    }
    return control.GetScreenRect();
}

// The window whose client area the control's coordinates are relative to.
wxWindow* ClientOf(const ControlRow& row) {
    wxWindow* parent = FindControl(row.parent);
    if (row.parent == kMainWindow) {
        // The frame's client area is one panel filling it above the status bar.
        wxWindow* control = FindControl(row.name);
        return control != nullptr && control->GetParent()->GetParent() == parent
                   ? control->GetParent()
                   : nullptr;
    }
    return parent;
}

// The layout makes the banner 624 pixels wide in a window whose client area is 623 wide (and
// narrower still with a frame); its picture is 623 wide, so only the strip's last column is
// cut away.
const std::set<std::string_view> kWiderThanTheWindow = {kBannerStrip, kBannerPicture};

class EveryControl : public MainWindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(EveryControl, LiesInItsParentAtItsPlace) {
    const ControlRow& row = GetParam();
    wxWindow* control = FindControl(row.name);
    if (row.kind == ControlKind::CommonDlg) {
        EXPECT_EQ(control, nullptr);  // made only while it is shown
        return;
    }
    ASSERT_NE(control, nullptr);
    if (row.kind == ControlKind::Window) {
        EXPECT_EQ(control, &Window());
        return;
    }
    if (row.kind == ControlKind::StatusBar) {
        EXPECT_EQ(Window().GetStatusBar(), control);
        const wxRect window = Window().GetScreenRect();
        EXPECT_EQ(control->GetScreenRect(),
                  wxRect(window.x, window.GetBottom() + 1 - row.height, window.width, row.height));
        return;
    }
    ShowWhereRowIs(row);
    if (row.kind == ControlKind::Page) {
        // A page fills the page area once it is shown; the toolkit lays a page shown anew out a
        // few rounds later on a busy machine.
        EXPECT_EQ(control->GetParent(), &Control<wxSimplebook>(row.parent));
        const auto fills = [control] {
            return control->GetScreenRect() == Control<wxWindow>(kResultPages).GetScreenRect();
        };
        EXPECT_TRUE(PumpUntil(fills));
        return;
    }
    EXPECT_EQ(control->GetParent(), ClientOf(row));
    const wxRect parent = VisibleAreaOf(row.parent);
    const wxRect on_screen = control->GetScreenRect();
    EXPECT_EQ(on_screen, wxRect(parent.GetTopLeft() + wxPoint(row.left, row.top),
                                wxSize(row.width, row.height)));
    if (!kWiderThanTheWindow.contains(row.name)) {
        EXPECT_TRUE(parent.Contains(on_screen)) << "parent " << parent.x << "," << parent.y << " "
                                                << parent.width << "x" << parent.height;
    } else {
        EXPECT_EQ(on_screen.GetRight(), parent.GetRight() + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, EveryControl,
                         ::testing::ValuesIn(MainWindowLayout().controls.begin(),
                                             MainWindowLayout().controls.end()),
                         [](const auto& info) { return std::string(info.param.name); });

using WindowClientArea = MainWindowTest;

TEST_F(WindowClientArea, FillsTheWindowAboveTheStatusBar) {
    wxWindow* client = Control<wxWindow>(kModeButton).GetParent();
    EXPECT_EQ(client->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(client->GetSize(), Window().GetClientSize());
    const wxRect bar = Window().GetStatusBar()->GetRect();
    EXPECT_EQ(bar.GetTop(), client->GetRect().GetBottom() + 1);
}

TEST_F(WindowClientArea, TabOrderFollowsTheTable) {
    // Tab visits the siblings in table order (topmost first), whatever order they were made in.
    const wxWindowList& siblings = Control<wxWindow>(kCommonCourierPanel).GetChildren();
    std::vector<std::string> order;
    for (const wxWindow* sibling : siblings) {
        if (!sibling->GetName().empty() && sibling->IsShown()) {
            order.push_back(WxToGbk(sibling->GetName()));
        }
    }
    std::vector<std::string> expected = {std::string(kPanelToggleLabel)};
    for (auto option = kCommonCourierOptions.rbegin(); option != kCommonCourierOptions.rend();
         ++option) {
        expected.emplace_back(*option);
    }
    EXPECT_EQ(order, expected);
}

// Every text of the window within its box, in the window's fonts.

std::vector<ControlRow> RowsWithText(std::set<ControlKind> kinds) {
    std::vector<ControlRow> rows;
    for (const ControlRow& row : MainWindowLayout().controls) {
        if (kinds.contains(row.kind) && !row.text.empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

class TextFit : public MainWindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(TextFit, CaptionOrLabelFitsItsControl) {
    const ControlRow& row = GetParam();
    ShowWhereRowIs(row);
    wxWindow& control = Control<wxWindow>(row.name);
    if (row.kind == ControlKind::Label) {
        // A label wraps its lines at its width, as the classic label does.
        EXPECT_LE(NaturalHeightForWidth(control, row.width), row.height);
        return;
    }
    const wxSize natural = NaturalSize(control);
    EXPECT_LE(natural.x, row.width);
    EXPECT_LE(natural.y, row.height);
}

INSTANTIATE_TEST_SUITE_P(EveryCaption, TextFit,
                         ::testing::ValuesIn(RowsWithText({ControlKind::Label, ControlKind::Button,
                                                           ControlKind::RadioBox})),
                         [](const auto& info) { return std::string(info.param.name); });

class GroupCaptionFit : public MainWindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(GroupCaptionFit, CaptionFitsTheTopEdge) {
    const ControlRow& row = GetParam();
    ShowWhereRowIs(row);
    wxStaticBox& frame = Control<GroupBoxPanel>(row.name).Frame();
    EXPECT_LE(NaturalSize(frame).x, row.width);
    EXPECT_LE(frame.GetTextExtent(frame.GetLabel()).y, 16);  // the folded panel's height
}

INSTANTIATE_TEST_SUITE_P(EveryGroupBox, GroupCaptionFit,
                         ::testing::ValuesIn(RowsWithText({ControlKind::GroupBox})),
                         [](const auto& info) { return std::string(info.param.name); });

class LinkLinesFit : public MainWindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(LinkLinesFit, EveryLineIsInsideTheBox) {
    const ControlRow& row = GetParam();
    ShowWhereRowIs(row);
    const wxHtmlWindow& box = Control<wxHtmlWindow>(row.name);
    const wxHtmlContainerCell* content = box.GetInternalRepresentation();
    ASSERT_NE(content, nullptr);
    int lines = 0;
    for (const wxHtmlCell* line = content->GetFirstChild(); line != nullptr;
         line = line->GetNext()) {
        EXPECT_LE(line->GetPosX() + line->GetWidth(), row.width) << "line " << lines;
        EXPECT_LE(line->GetPosY() + line->GetHeight(), row.height) << "line " << lines;
        ++lines;
    }
    EXPECT_GT(lines, 0);
    EXPECT_LE(content->GetWidth(), row.width);
    EXPECT_LE(content->GetHeight(), row.height);
}

INSTANTIATE_TEST_SUITE_P(EveryHypertextBox, LinkLinesFit,
                         ::testing::ValuesIn(RowsWithText({ControlKind::SimpleHtml})),
                         [](const auto& info) { return std::string(info.param.name); });

using StatusPartFit = MainWindowTest;

TEST_F(StatusPartFit, EveryPartShowsItsWholeText) {
    wxStatusBar& bar = Control<wxStatusBar>(kMainStatusBar);
    ASSERT_EQ(StatusPartCount(), 4);
    for (int part = 0; part < StatusPartCount(); ++part) {
        const wxRect area = StatusPartArea(part);
        const wxSize text = bar.GetTextExtent(GbkToWx(StatusPartText(part)));
        EXPECT_LE(text.x, area.width) << part;
        EXPECT_LE(text.y, area.height) << part;
    }
}

// Seen on screen: each divider is drawn on its part's last column, and the next part's text
// starts after a blank column, so that neighbouring texts do not read as one.
TEST_F(StatusPartFit, EachTextStartsAfterABlankColumnPastTheDivider) {
    const wxImage shot = SettledScreenshot(Window(), "status_bar_parts.png");
    ASSERT_TRUE(shot.IsOk());
    wxStatusBar& bar = Control<wxStatusBar>(kMainStatusBar);
    const wxPoint origin = bar.GetScreenPosition() - Window().GetScreenPosition();
    const wxColour background = bar.GetBackgroundColour();
    const auto is_background = [&](int x, int y) {
        return shot.GetRed(origin.x + x, origin.y + y) == background.Red() &&
               shot.GetGreen(origin.x + x, origin.y + y) == background.Green() &&
               shot.GetBlue(origin.x + x, origin.y + y) == background.Blue();
    };
    for (int part = 1; part < StatusPartCount(); ++part) {
        const wxRect area = StatusPartArea(part);
        for (int y = area.y + 3; y < area.GetBottom(); ++y) {
            EXPECT_FALSE(is_background(area.x - 1, y)) << "divider before part " << part;
            EXPECT_TRUE(is_background(area.x, y)) << "margin of part " << part << " row " << y;
        }
        bool text_follows = false;
        for (int y = area.y; y <= area.GetBottom(); ++y) {
            text_follows =
                text_follows || !is_background(area.x + 1, y) || !is_background(area.x + 2, y);
        }
        EXPECT_TRUE(text_follows) << "part " << part;
    }
}

using ColumnCaptionFit = MainWindowTest;

TEST_F(ColumnCaptionFit, EveryColumnCaptionFitsItsWidth) {
    for (const ColumnRow& column : MainWindowLayout().columns) {
        wxListCtrl& list = Control<wxListCtrl>(column.list);
        EXPECT_LE(list.GetTextExtent(GbkToWx(column.caption)).x, column.width) << column.caption;
    }
}

}  // namespace
