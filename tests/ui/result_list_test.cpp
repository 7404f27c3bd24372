// The result lists' pop-up menus on the real window: opened with a held right click and from the
// keyboard, which menu opens, where, and that it stays; and what copying, deleting, clearing and
// exporting, chosen through the layout's table, do to the lists, the clipboard and the file.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/menu.h>

#include "runs/result_list.h"
#include "tests/support/temp_folder.h"
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

// The pop-up menus that open over the window, each with whether it was still shown a moment
// after the click that opened it. Each one still shown is closed with Esc, as a person would.
struct OpenedMenus {
    std::vector<wxMenu*> menus;
    std::vector<bool> stayed;
};

std::shared_ptr<OpenedMenus> WatchMenus(wxFrame& window) {
    auto opened = std::make_shared<OpenedMenus>();
    window.Bind(wxEVT_MENU_OPEN, [opened](wxMenuEvent& event) {
        wxMenu* menu = event.GetMenu();
        opened->menus.push_back(menu);
        wxTheApp->CallAfter([opened, menu] {
            PumpFor(500);
            opened->stayed.push_back(MenuIsShown(*menu));
            // Esc with no menu open would close the window.
            if (opened->stayed.back()) {
                PressKey(WXK_ESCAPE);
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

// The list's page shown, as the menus of the list are used there.
void ShowListPage(std::string_view list) {
    ShowPage(kResultPages, list == kSingleResultList ? kSinglePageNumber : kBatchPageNumber);
    PumpEvents();
}

struct ListAndMenu {
    std::string_view list;
    std::string_view menu;
};

constexpr ListAndMenu kBothLists[] = {{kSingleResultList, kSingleResultMenu},
                                      {kBatchResultList, kBatchResultMenu}};

using ResultMenus = MainWindowTest;

TEST_F(ResultMenus, EveryItemTextIsShownWholeInTheOpenMenu) {
    struct Seen {
        TextList fitting;
        bool checked = false;
    };
    auto seen = std::make_shared<Seen>();
    for (const auto& [list, menu] : kBothLists) {
        *seen = Seen();
        ShowListPage(list);
        AppendRows(list, {{"1001", "09:30", "发往上海"}});
        wxMenu* open = &Menu(menu);
        // Once the menu is on screen and laid out; then Esc closes it as a person would.
        WhenItHolds([open] { return MenuIsShown(*open); },
                    [open, seen] {
                        PumpFor(200);
                        for (wxMenuItem* item : open->GetMenuItems()) {
                            if (MenuItemTextFits(*item)) {
                                seen->fitting.push_back(WxToGbk(item->GetItemLabelText()));
                            }
                        }
                        seen->checked = true;
                        PressKey(WXK_ESCAPE);
                    });
        MouseClickAt(OnRow(list, 0), wxMOUSE_BTN_RIGHT);
        ASSERT_TRUE(PumpUntil([seen] { return seen->checked; })) << menu;
        TextList all;
        for (const wxMenuItem* item : Menu(menu).GetMenuItems()) {
            all.push_back(WxToGbk(item->GetItemLabelText()));
        }
        EXPECT_EQ(all.size(), list == kSingleResultList ? 3U : 5U) << menu;
        EXPECT_EQ(seen->fitting, all) << menu;
    }
}

TEST_F(ResultMenus, AHeldRightClickShowsTheListsMenuOnlyWhenTheListHasRowsAndItStaysOpen) {
    const auto opened = WatchMenus(Window());
    for (const auto& [list, menu] : kBothLists) {
        SCOPED_TRACE(list);
        ShowListPage(list);
        MouseClickAt(ScreenCentre(List(list)), wxMOUSE_BTN_RIGHT);
        PumpFor(500);
        EXPECT_TRUE(opened->menus.empty());

        // Away from the first click, so that the two make no double-click.
        AppendRows(list, {{"1001", "2014-05-01 08:00", "已签收"}});
        PumpEvents();
        for (int click = 0; click < 3; ++click) {
            MouseClickAt(OnRow(list, 0), wxMOUSE_BTN_RIGHT);
            ASSERT_TRUE(PumpUntil([&] { return opened->stayed.size() == 1; }));
            EXPECT_EQ(opened->menus.front(), &Menu(menu));
            EXPECT_TRUE(opened->stayed.front()) << "click " << click;
            ASSERT_TRUE(PumpUntil([&] { return !MenuIsShown(Menu(menu)); }));
            *opened = OpenedMenus();
            PumpFor(500);
        }
        // The menu key on the list, focused by a click on its row.
        MouseClickAt(OnRow(list, 0));
        PumpFor(500);
        PressKey(WXK_F10, wxMOD_SHIFT);
        ASSERT_TRUE(PumpUntil([&] { return opened->stayed.size() == 1; }));
        EXPECT_EQ(opened->menus.front(), &Menu(menu));
        ASSERT_TRUE(PumpUntil([&] { return !MenuIsShown(Menu(menu)); }));
        *opened = OpenedMenus();
    }
}

// Where the first item of each menu that opens over the window is on the screen, a moment after
// it opened; each one is closed with Esc.
std::shared_ptr<std::vector<wxRect>> WatchMenuPlaces(wxFrame& window) {
    auto places = std::make_shared<std::vector<wxRect>>();
    window.Bind(wxEVT_MENU_OPEN, [places](wxMenuEvent& event) {
        wxMenu* menu = event.GetMenu();
        wxTheApp->CallAfter([places, menu] {
            PumpFor(300);
            places->push_back(MenuItemScreenRect(*menu->FindItemByPosition(0)));
            PressKey(WXK_ESCAPE);
        });
        event.Skip();
    });
    return places;
}

// Opened from the keyboard, with the pointer far away, a list's menu opens at its selected
// row, for Shift+F10 and the menu key alike; an empty list opens none.
TEST_F(ResultMenus, TheKeyboardOpensTheMenuAtTheSelectedRow) {
    const auto places = WatchMenuPlaces(Window());
    for (const auto& [list, menu] : kBothLists) {
        SCOPED_TRACE(list);
        ShowListPage(list);
        AppendRows(list, {{"1001", "2014-05-01 08:00", "已签收"},
                          {"1002", "2014-05-02 08:00", "派送中"},
                          {"1003", "2014-05-03 08:00", "已收件"}});
        PumpEvents();
        MouseClickAt(OnRow(list, 2));
        ASSERT_TRUE(PumpUntil([&] { return SelectedListRow(list) == 2; }));
        MoveMouseTo(ScreenCentre(Control<wxWindow>(kBannerPicture)));
        PumpFor(500);
        wxRect row;
        ASSERT_TRUE(List(list).GetItemRect(2, row));
        const wxPoint row_left = List(list).ClientToScreen(row.GetPosition());
        for (const auto& [key, modifiers] :
             {std::pair{WXK_F10, wxMOD_SHIFT}, std::pair{WXK_MENU, wxMOD_NONE}}) {
            places->clear();
            PressKey(key, modifiers);
            ASSERT_TRUE(PumpUntil([&] { return places->size() == 1; })) << key;
            ASSERT_TRUE(PumpUntil([&] { return !MenuIsShown(Menu(menu)); }));
            const wxRect first_item = places->front();
            EXPECT_LE(std::abs(first_item.x - row_left.x), 16) << key;
            EXPECT_GE(first_item.y, row_left.y) << key;
            EXPECT_LE(first_item.y, row_left.y + row.height + 8) << key;
        }
        ClearResultList(list);
        places->clear();
        PressKey(WXK_MENU);
        PumpFor(500);
        EXPECT_TRUE(places->empty());
    }
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
    for (const auto& [list, menu] : kBothLists) {
        ShowListPage(list);
        for (const CopyCase& c : cases) {
            SCOPED_TRACE(JoinTexts(list, ": ", c.what));
            DeleteAllListRows(list);
            AppendRows(list, c.rows);
            SelectRows(list, c.selected);
            PutOnClipboard("before");
            SetStatusPartText(0, "");
            RunMenuItem(menu, "复制本条");
            EXPECT_TRUE(PumpUntil([&c] { return ClipboardText() == c.copied; })) << ClipboardText();
            EXPECT_EQ(StatusPartText(0), "已复制到剪切板");
        }
    }
}

TEST_F(ResultMenus, DeleteRemovesTheLowestSelectedRowOrNothing) {
    const std::vector<std::pair<std::vector<long>, std::vector<Text>>> cases = {
        {{}, {"A1", "A2", "A3"}},
        {{1}, {"A1", "A3"}},
        {{2, 0}, {"A2", "A3"}},
        {{0}, {"A2", "A3"}},
    };
    ShowListPage(kBatchResultList);
    for (const auto& [selected, expected] : cases) {
        DeleteAllListRows(kBatchResultList);
        AppendRows(kBatchResultList, {{"A1", "t", "s"}, {"A2", "t", "s"}, {"A3", "t", "s"}});
        SelectRows(kBatchResultList, selected);
        RunMenuItem(kBatchResultMenu, "删除本条结果");
        std::vector<Text> left;
        for (const RowCells& row : ResultRows(kBatchResultList)) {
            left.push_back(row[0]);
        }
        EXPECT_EQ(left, expected) << selected.size();
    }
}

TEST_F(ResultMenus, EachClearEmptiesOnlyItsOwnList) {
    const RowCellsList rows = {{"A1", "t", "s"}, {"A2", "t", "s"}};
    AppendRows(kSingleResultList, rows);
    AppendRows(kBatchResultList, rows);
    ShowListPage(kSingleResultList);
    RunMenuItem(kSingleResultMenu, "清空");
    EXPECT_EQ(ListRowCount(kSingleResultList), 0);
    EXPECT_EQ(ResultRows(kBatchResultList), rows);

    AppendRows(kSingleResultList, rows);
    ShowListPage(kBatchResultList);
    RunMenuItem(kBatchResultMenu, "清空查询结果");
    EXPECT_EQ(ListRowCount(kBatchResultList), 0);
    EXPECT_EQ(ResultRows(kSingleResultList), rows);
}

// Export from each list's menu: the save dialog opens and stays, the path is typed into its
// name field key by key and confirmed with Enter, and the file holds the list's rows.
TEST_F(ResultMenus, ExportFromEitherMenuWritesTheFileTypedIntoTheSaveDialog) {
    const TempFolder folder;
    bool first = true;
    for (const auto& [list, menu] : kBothLists) {
        SCOPED_TRACE(list);
        const std::filesystem::path file = folder.Path() / (std::string(list) + ".txt");
        DeleteAllListRows(list);
        AppendRows(list, {{"a", "b", "c"}, {"单号", "", "已签收"}});
        ShowListPage(list);
        auto stayed = std::make_shared<bool>(false);
        // The first dialog starts in the program's folder: the whole path is typed. Later
        // ones start in the folder last chosen, where the file name is enough.
        const std::string typed = first ? file.string() : file.filename().string();
        first = false;
        WhenItHolds(FileDialogIsShown, [stayed, typed] {
            PumpFor(500);
            *stayed = FileDialogIsShown();
            if (!*stayed) {
                return;
            }
            GiveFileDialogTheKeyboard();
            PumpFor(200);
            PressKey('a', wxMOD_CONTROL);
            TypeText(typed);
            PressKey(WXK_RETURN);
        });
        RunMenuItem(menu, "导出查询结果");
        EXPECT_TRUE(PumpUntil([&file] { return std::filesystem::exists(file); }));
        PumpUntil([] { return !FileDialogIsShown(); });
        EXPECT_TRUE(*stayed);
        EXPECT_EQ(TempFolder::FileContent(file), "a b c\r\n单号  已签收\r\n");
    }
}

}  // namespace
