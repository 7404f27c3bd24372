#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "ui/window_texts.h"

namespace {

const WindowLayout& Layout() {
    return MainWindowLayout();
}

const ControlRow* Find(std::string_view name) {
    const auto& controls = Layout().controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const ControlRow& row) { return row.name == name; });
    return found == controls.end() ? nullptr : &*found;
}

TEST(WindowLayout, NamesAreUniqueAndParentsComeBeforeTheirChildren) {
    std::set<std::string_view> seen;
    int windows = 0;
    for (const ControlRow& row : Layout().controls) {
        EXPECT_TRUE(seen.insert(row.name).second) << row.name << " appears twice";
        if (row.kind == ControlKind::Window) {
            ++windows;
            EXPECT_TRUE(row.parent.empty());
        } else {
            EXPECT_TRUE(seen.contains(row.parent)) << row.name << " has parent " << row.parent;
        }
    }
    EXPECT_EQ(windows, 1);
}

TEST(WindowLayout, PagesBelongToThePageControlAndNothingElseDoes) {
    for (const ControlRow& row : Layout().controls) {
        const ControlRow* parent = Find(row.parent);
        if (parent == nullptr) {
            continue;
        }
        const bool on_page_control = parent->kind == ControlKind::PageControl;
        EXPECT_EQ(row.kind == ControlKind::Page, on_page_control) << row.name;
    }
}

TEST(WindowLayout, EveryMenuItemAndEveryOptionHasExactlyOneHandler) {
    std::map<std::string, int> items;
    for (const MenuItemRow& item : Layout().menu_items) {
        EXPECT_NE(item.handler, nullptr) << item.text;
        EXPECT_EQ(++items[std::string(item.menu) + "/" + std::string(item.text)], 1) << item.text;
    }
    std::map<std::string_view, int> handlers;
    for (const EventBinding& binding : Layout().bindings) {
        ++handlers[binding.control];
    }
    for (const ControlRow& row : Layout().controls) {
        if (row.kind == ControlKind::RadioBox || row.kind == ControlKind::Button) {
            EXPECT_EQ(handlers[row.name], 1) << row.name;
        }
    }
}

TEST(WindowLayout, HelpTextHasThirteenLinesWithIndentedBodyLines) {
    const std::string_view text = HelpText();
    std::vector<std::string_view> lines;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        if (end == std::string_view::npos) {
            break;
        }
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 13U);
    const std::set<std::size_t> indented = {2, 3, 6, 7, 8, 9, 12, 13};
    for (std::size_t n = 1; n <= 13; ++n) {
        const std::string_view line = lines[n - 1];
        EXPECT_EQ(line.starts_with("    "), indented.contains(n)) << "line " << n;
        EXPECT_EQ(line.empty(), n == 4 || n == 10) << "line " << n;
        EXPECT_EQ(line.find('\n'), std::string_view::npos);
    }
    EXPECT_EQ(lines.back(), "    可把EXCEL表格中的单号复制到文本文档中保存，然后引用。");
}

}  // namespace
