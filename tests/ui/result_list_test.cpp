// The result lists' pop-up menus on the real window: which menu opens, and what copying,
// deleting and clearing do to the lists and the clipboard.
#include <memory>
#include <tuple>
#include <vector>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/uiaction.h>

#include "runs/result_list.h"
#include "tests/support/toolkit_probe.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/list_rows.h"
#include "toolkit/status_bar.h"

namespace {

wxListCtrl& List(std::string_view name) {
    return Control<wxListCtrl>(name);
}

void AppendRows(std::string_view list, const RowCellsList& rows) {
    for (const RowCells& row : rows) {
        AppendResultRow(list, row);
    }
}

void SelectRows(std::string_view list, const std::vector<long>& rows) {
    for (const long row : rows) {
        List(list).SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
}

void PutOnClipboard(std::string_view text) {
    wxClipboardLocker locker;
    ASSERT_FALSE(!locker);
    wxTheClipboard->SetData(new wxTextDataObject(GbkToWx(text)));
}

Text ClipboardText() {
    wxClipboardLocker locker;
    wxTextDataObject data;
    if (!locker || !wxTheClipboard->GetData(data)) {
        return "<nothing>";
    }
    return WxToGbk(data.GetText());
}

// The pop-up menus that open over the window. Each is closed again at once, or an item of it
// chosen, by pressing keys as a person would.
std::shared_ptr<std::vector<wxMenu*>> WatchMenus(wxFrame& window, std::vector<int> keys) {
    auto opened = std::make_shared<std::vector<wxMenu*>>();
    window.Bind(wxEVT_MENU_OPEN, [opened, keys](wxMenuEvent& event) {
        opened->push_back(event.GetMenu());
        wxTheApp->CallAfter([keys] {
            wxUIActionSimulator simulator;
            for (const int key : keys) {
                simulator.Char(key);
            }
        });
        event.Skip();
    });
    return opened;
}

// A point on the screen inside the row's first cell.
wxPoint OnRow(std::string_view list, long row) {
    wxRect rect;
    EXPECT_TRUE(List(list).GetItemRect(row, rect));
    return List(list).ClientToScreen(rect.GetPosition() + wxPoint(40, 4));
}

void RightClickAt(const wxPoint& screen_point) {
    MoveMouseTo(screen_point);
    wxUIActionSimulator().MouseClick(wxMOUSE_BTN_RIGHT);
    PumpEvents();
}

using ResultMenus = MainWindowTest;

TEST_F(ResultMenus, EveryItemTextIsShownWholeInTheOpenMenu) {
    struct Seen {
        TextList fitting;
        bool checked = false;
    };
    auto seen = std::make_shared<Seen>();
    Window().Bind(wxEVT_MENU_OPEN, [seen](wxMenuEvent& event) {
        wxMenu* open = event.GetMenu();
        // Once the menu is on screen and laid out; then Esc closes it as a person would.
        wxTheApp->CallAfter([open, seen] {
            for (wxMenuItem* item : open->GetMenuItems()) {
                if (MenuItemTextFits(*item)) {
                    seen->fitting.push_back(WxToGbk(item->GetItemLabelText()));
                }
            }
            seen->checked = true;
            wxUIActionSimulator().Char(WXK_ESCAPE);
        });
        event.Skip();
    });
    for (const auto& [list, menu, page] : {std::tuple{kSingleResultList, kSingleResultMenu, 0},
                                           std::tuple{kBatchResultList, kBatchResultMenu, 1}}) {
        *seen = Seen();
        ShowPage(kResultPages, page);
        AppendRows(list, {{"1001", "09:30", "发往上海"}});
        RightClickAt(OnRow(list, 0));
        ASSERT_TRUE(PumpUntil([seen] { return seen->checked; })) << menu;
        TextList all;
        for (const wxMenuItem* item : Menu(menu).GetMenuItems()) {
            all.push_back(WxToGbk(item->GetItemLabelText()));
        }
        EXPECT_EQ(all.size(), 5U - 2U * static_cast<unsigned>(page == 0)) << menu;
        EXPECT_EQ(seen->fitting, all) << menu;
    }
}

TEST_F(ResultMenus, ARightClickShowsTheListsMenuOnlyWhenTheListHasRows) {
    const auto opened = WatchMenus(Window(), {WXK_ESCAPE});
    struct Case {
        std::string_view list;
        std::string_view menu;
        int page;
    };
    for (const Case& c : {Case{kSingleResultList, kSingleResultMenu, 0},
                          Case{kBatchResultList, kBatchResultMenu, 1}}) {
        SCOPED_TRACE(c.list);
        ShowPage(kResultPages, c.page);
        PumpEvents();
        RightClickAt(ScreenCentre(List(c.list)));
        PumpEvents();
        EXPECT_TRUE(opened->empty());

        // Away from the first click, so that the two make no double-click.
        AppendRows(c.list, {{"1001", "2014-05-01 08:00", "已签收"}});
        PumpEvents();
        RightClickAt(OnRow(c.list, 0));
        ASSERT_TRUE(PumpUntil([&] { return !opened->empty(); }));
        EXPECT_EQ(opened->front(), &Menu(c.menu));
        opened->clear();
    }
}

TEST_F(ResultMenus, ChoosingCopyInTheRealMenuCopiesTheRightClickedRow) {
    AppendRows(
        kSingleResultList,
        {{"1001", "08:00", "收件"}, {"1001", "09:30", "发往上海"}, {"1001", "12:00", "已签收"}});
    PumpEvents();
    PutOnClipboard("before");
    // "复制本条" is the menu's first item.
    const auto opened = WatchMenus(Window(), {WXK_DOWN, WXK_RETURN});
    RightClickAt(OnRow(kSingleResultList, 1));
    ASSERT_TRUE(PumpUntil([&] { return !opened->empty(); }));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == "1001 09:30 发往上海"; }))
        << ClipboardText();
    EXPECT_EQ(StatusPartText(0), "已复制到剪切板");
}

struct CopyCase {
    const char* what;
    RowCellsList rows;
    std::vector<long> selected;
    Text copied;
};

TEST_F(ResultMenus, CopyPutsTheSelectedRowsCellsJoinedBySingleSpaces) {
    const Text long_step(600, 'x');
    const CopyCase cases[] = {
        {"second row", {{"A1", "t1", "s1"}, {"A2", "t2", "派送中"}}, {1}, "A2 t2 派送中"},
        {"no selection", {{"A1", "t1", "s1"}}, {}, "  "},
        {"lowest of two",
         {{"A1", "t1", "s1"}, {"A2", "t2", "s2"}, {"A3", "t3", "s3"}},
         {2, 0},
         "A1 t1 s1"},
        {"empty cells", {{"", "", ""}}, {0}, "  "},
        {"long cell", {{"A1", "", long_step}}, {0}, "A1  " + long_step},
    };
    for (const auto& [list, menu] : {std::pair{kSingleResultList, kSingleResultMenu},
                                     std::pair{kBatchResultList, kBatchResultMenu}}) {
        for (const CopyCase& c : cases) {
            SCOPED_TRACE(JoinTexts(list, ": ", c.what));
            DeleteAllListRows(list);
            AppendRows(list, c.rows);
            SelectRows(list, c.selected);
            PutOnClipboard("before");
            SetStatusPartText(0, "");
            ChooseMenuItem(menu, "复制本条");
            EXPECT_EQ(ClipboardText(), c.copied);
            EXPECT_EQ(StatusPartText(0), "已复制到剪切板");
        }
    }
}

TEST_F(ResultMenus, DeleteRemovesTheLowestSelectedRowOrNothing) {
    struct Case {
        std::vector<long> selected;
        std::vector<Text> left;
    };
    const Case cases[] = {
        {{}, {"A1", "A2", "A3"}},
        {{1}, {"A1", "A3"}},
        {{2, 0}, {"A2", "A3"}},
    };
    for (const Case& c : cases) {
        DeleteAllListRows(kBatchResultList);
        AppendRows(kBatchResultList, {{"A1", "t", "s"}, {"A2", "t", "s"}, {"A3", "t", "s"}});
        SelectRows(kBatchResultList, c.selected);
        ChooseMenuItem(kBatchResultMenu, "删除本条结果");
        std::vector<Text> left;
        for (const RowCells& row : ResultRows(kBatchResultList)) {
            left.push_back(row[0]);
        }
        EXPECT_EQ(left, c.left);
    }
}

TEST_F(ResultMenus, EachClearEmptiesOnlyItsOwnList) {
    const RowCellsList rows = {{"A1", "t", "s"}, {"A2", "t", "s"}};
    AppendRows(kSingleResultList, rows);
    AppendRows(kBatchResultList, rows);
    ChooseMenuItem(kSingleResultMenu, "清空");
    EXPECT_EQ(ListRowCount(kSingleResultList), 0);
    EXPECT_EQ(ResultRows(kBatchResultList), rows);

    AppendRows(kSingleResultList, rows);
    ChooseMenuItem(kBatchResultMenu, "清空查询结果");
    EXPECT_EQ(ListRowCount(kBatchResultList), 0);
    EXPECT_EQ(ResultRows(kSingleResultList), rows);
}

}  // namespace
