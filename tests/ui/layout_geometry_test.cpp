// Every control of the layout exists inside its parent, at its place and size in the parent's
// client coordinates.
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/simplebook.h>
#include <wx/statusbr.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "ui/window_layout.h"

// Test names and failure messages show a control by its name.
void PrintTo(const ControlRow& row, std::ostream* out) {
    *out << row.name;
}

namespace {

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

class LayoutGeometry : public MainWindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(LayoutGeometry, ControlIsBuiltInPlace) {
    const ControlRow& row = GetParam();
    wxWindow* control = FindControl(row.name);
    if (row.kind == ControlKind::CommonDlg) {
        EXPECT_EQ(control, nullptr);  // made only while it is shown
        return;
    }
    ASSERT_NE(control, nullptr);
    switch (row.kind) {
        case ControlKind::Window:
            EXPECT_EQ(control, &Window());
            return;
        case ControlKind::StatusBar:
            EXPECT_EQ(Window().GetStatusBar(), control);
            EXPECT_EQ(control->GetSize(), wxSize(Window().GetClientSize().x, row.height));
            return;
        case ControlKind::Page: {
            // A page fills the page area once it is shown.
            auto& pages = Control<wxSimplebook>(row.parent);
            EXPECT_EQ(control->GetParent(), &pages);
            ShowPage(row.parent, pages.FindPage(control));
            EXPECT_EQ(control->GetSize(), pages.GetClientSize());
            return;
        }
        default:
            break;
    }
    wxWindow* client = ClientOf(row);
    ASSERT_NE(client, nullptr) << row.name;
    EXPECT_EQ(control->GetParent(), client) << row.name;
    if (row.name == kResultPages) {
        return;  // start-up has moved it (see the start-up tests)
    }
    EXPECT_EQ(ControlPlacement(row.name), (Placement{row.left, row.top, row.width, row.height}))
        << row.name;
}

INSTANTIATE_TEST_SUITE_P(EveryControl, LayoutGeometry,
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

}  // namespace
