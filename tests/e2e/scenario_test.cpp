// What a person does at the built program's window, one row each, run against the Linux program
// and against parcelio.exe under Wine: real held clicks and typed keys through the X server, the
// menus of both result lists chosen with the pointer and with the keyboard, the real file
// dialogs, the courier picker's drop-down lists and options, the panel folded by a double-click,
// and a close while runs wait. Each row gives the requests the fixture service must receive, in
// order, and what the clipboard and the exported file must hold afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/courier_catalogue.h"
#include "tests/support/list_shapes.h"
#include "tests/support/literals.h"
#include "tests/support/program_session.h"
#include "tests/support/temp_folder.h"
#include "tests/support/x_input.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRequestLimitSeconds = 60;
constexpr int kExitLimitSeconds = 30;
// Far below the transfer's own 30-second cut-off, so only the program's abort ends waiting runs
// in time; far above the program's own bound, so a slow machine does not fail it.
constexpr int kExitWhileWaitingLimitSeconds = 10;
constexpr int kWaitingSingleRuns = 8;

// The exported rows of the single list after SF100, and of the batch list after the import.
const char kSingleRows[] =
    "SF100 2026-12-01 10:00 已收件\r\n"
    "SF100 2026-12-02 08:40 到达上海\r\n"
    "SF100 2026-12-03 15:20 已签收\r\n";
const char kBatchRows[] =
    "111 2026-11-02 09:00 派送中\r\n"
    "222 -- 单号不存在\r\n"
    "333 2026-11-05 18:30 已签收\r\n";
const char kNumbersFile[] = "111\r\n\r\n 222 \r\n333\r\n";

// The keys that choose the second item of a menu the keyboard opened.
constexpr char kSecondItemKeys[] = "Down Down Return";

// What a row's actions work with.
struct At {
    ProgramSession& program;
    FixtureService& service;
    fs::path folder;

    fs::path Out() const { return folder / "out.txt"; }
};

// A single query for SF100, waited for until its rows show (its list has a menu then).
void QuerySingle(const At& at) {
    const std::size_t before = at.service.RequestCount();
    at.program.Click(kNumberBox);
    at.program.PressKeys("ctrl+a BackSpace");
    at.program.Type("SF100");
    at.program.Click(kQueryButton);
    ASSERT_TRUE(at.service.WaitForRequests(before + 1, kRequestLimitSeconds));
    ASSERT_TRUE(WaitFor([&] { return at.program.MenuStays(kSingleResultList); }));
}

// A batch query of the numbers in the box, on the batch page, waited for until the three rows
// show.
void RunBatch(const At& at) {
    const std::size_t before = at.service.RequestCount();
    at.program.Click(kQueryButton);
    ASSERT_TRUE(at.service.WaitForRequests(before + 3, kRequestLimitSeconds));
    ASSERT_TRUE(WaitFor([&] {
        // The last number's row is the third: a menu on it and a copy of it tell it arrived.
        return at.program.ChooseFromMenu(kBatchResultList, 2, 2, Choice::Keyboard) &&
               ClipboardText() == Utf8(u8"333 2026-11-05 18:30 已签收");
    }));
}

// The batch page, the numbers imported through the open dialog and queried. The batch page
// stays in view.
void QueryBatch(const At& at) {
    std::ofstream(at.folder / "numbers.txt", std::ios::binary) << kNumbersFile;
    at.program.Click(kModeButton);
    ASSERT_TRUE(at.program.ImportNumbers(at.folder / "numbers.txt"));
    RunBatch(at);
}

void Export(const At& at, const ListPlace& list, Choice choice) {
    EXPECT_TRUE(at.program.ExportList(list, at.Out(), choice).has_value());
}

// Answers the replace question with keys once it shows and stays; false when it did not show or
// did not go.
bool AnswerReplaceQuestion(const std::string& keys) {
    const auto asked = [] { return !WindowsTitled(kReplaceQuestionTitle).empty(); };
    if (!WaitFor(asked)) {
        return false;
    }
    PauseBriefly(4);
    const std::vector<std::string> windows = WindowsTitled(kReplaceQuestionTitle);
    if (windows.empty()) {
        return false;
    }
    PressKeysIn(windows.back(), keys);
    return WaitFor([&] { return !asked(); });
}

// Where the help page shows white (its "作者的话" box) and the query row shows the window's
// colour, in the window's coordinates.
constexpr WindowPoint kOnTheHelpPage{290, 135};
constexpr unsigned kWhite = 0xFFFFFF;

// A person looks at the window a moment before the next key: a new window, or one a dialog has
// just given the keyboard back to.
void LookAMoment() {
    PauseBriefly(10);
}

bool HelpPageShows(const At& at) {
    const std::optional<ScreenBox> window = WindowPlace(at.program.Window());
    const WindowPoint spot = at.program.OnWindow(kOnTheHelpPage);
    const std::optional<unsigned> pixel =
        window ? ScreenPixel(window->x + spot.x, window->y + spot.y) : std::nullopt;
    return pixel == kWhite;
}

// With the pointer away from the window, everything by keys: the tab order runs through the
// layout's controls in table order, from NumberBox, where the keyboard starts. The list is
// imported through the link "导入", the batch queried with 查询, the menu opened with the menu
// key at the selected row, the list exported, and the help page opened through the footer's
// link and left again with 返回.
void EverythingFromTheKeyboard(const At& at) {
    std::ofstream(at.folder / "numbers.txt", std::ios::binary) << kNumbersFile;
    MovePointerTo(0, 0);
    LookAMoment();
    // NumberBox, 查询, the single list, then the mode button, pressed.
    at.program.PressKeys("Tab Tab Tab space");
    // Back into the batch page, from its last control to the link box's first link.
    at.program.PressKeys("shift+Tab shift+Tab shift+Tab shift+Tab Return");
    ASSERT_TRUE(at.program.ChooseInOpenDialog(at.folder / "numbers.txt"));
    LookAMoment();
    // Back from the link box's first link to 查询, the last control of the window.
    at.program.PressKeys("shift+Tab space");
    ASSERT_TRUE(at.service.WaitForRequests(3, kRequestLimitSeconds));
    // On to the batch list past the link box's two links and the batch box, its first row
    // selected, and its menu.
    at.program.PressKeys("Tab Tab Tab Tab");
    PauseBriefly();
    at.program.PressKeys("Home Menu");
    const std::optional<ScreenBox> menu = PopupThatStays(10);
    ASSERT_TRUE(menu.has_value());
    const std::optional<ScreenBox> window = WindowPlace(at.program.Window());
    ASSERT_TRUE(window.has_value());
    // The first row's left end lies 210 pixels left of the point on it (the list's left edge).
    const WindowPoint left_end = at.program.OnWindow(
        {kBatchResultList.first_row.x - 210, kBatchResultList.first_row.y - kRowHeight});
    const WindowPoint below_row = at.program.OnWindow(
        {kBatchResultList.first_row.x - 170, kBatchResultList.first_row.y + kRowHeight});
    EXPECT_GE(menu->x, window->x + left_end.x);
    EXPECT_LE(menu->x, window->x + below_row.x);
    EXPECT_GE(menu->y, window->y + left_end.y);
    EXPECT_LE(menu->y, window->y + below_row.y);
    PressKeys(kSecondItemKeys);
    EXPECT_TRUE(at.program.ChooseInSaveDialog(at.Out()).has_value());
    LookAMoment();
    // Out of the list to the mode button, the footer's first link and its help link.
    at.program.PressKeys("Tab Tab Tab Return");
    ASSERT_TRUE(WaitFor([&] { return HelpPageShows(at); }));
    // Back past the footer's first link and the mode button to 返回, the help page's last
    // control.
    at.program.PressKeys("shift+Tab shift+Tab shift+Tab space");
    EXPECT_TRUE(WaitFor([&] { return !HelpPageShows(at); }));
}

struct Request {
    const char* type;
    const char* number;
};

struct Scenario {
    const char* name;
    void (*act)(const At&);
    std::vector<Request> requests;
    // UTF-8, as another program reads the clipboard; nothing: not looked at.
    std::optional<std::string> clipboard;
    // The bytes of out.txt; nothing: not looked at.
    std::optional<std::string> file;
    // The service never answers, and the window is closed while the runs wait.
    bool silent = false;
};

// The row's name in the test's report.
void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

const std::vector<Request> kSingle{{"auspost", "SF100"}};

// The numbers every list shape sends, one shape after the other.
std::vector<Request> ListShapesRequests() {
    std::vector<Request> requests;
    for (const ListShape& shape : ListShapes()) {
        for (const std::string& number : shape.sent) {
            requests.push_back({"auspost", number.c_str()});
        }
    }
    return requests;
}

// Brings every list shape into the batch box as put does, and queries it.
void QueryEveryListShape(const At& at, void (*put)(const At&, const ListShape&)) {
    at.program.Click(kModeButton);
    std::size_t sent = 0;
    for (const ListShape& shape : ListShapes()) {
        put(at, shape);
        at.program.Click(kQueryButton);
        sent += shape.sent.size();
        ASSERT_TRUE(at.service.WaitForRequests(sent, kRequestLimitSeconds)) << shape.name;
    }
}

// The file's name is short: the dialog is given the path key by key.
void ImportShape(const At& at, const ListShape& shape) {
    const fs::path file = at.folder / (std::to_string(&shape - ListShapes().data()) + ".txt");
    std::ofstream(file, std::ios::binary) << ListFileBytes(shape);
    ASSERT_TRUE(at.program.ImportNumbers(file)) << shape.name;
}

void PasteShape(const At& at, const ListShape& shape) {
    at.program.PasteNumbers(ListClipboardText(shape));
}
const std::vector<Request> kBatch{{"auspost", "111"}, {"auspost", "222"}, {"auspost", "333"}};

std::vector<Request> Joined(std::vector<Request> first, const std::vector<Request>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

const Scenario kScenarios[] = {
    {"SingleListExportedWithTheKeyboard",
     [](const At& at) {
         QuerySingle(at);
         Export(at, kSingleResultList, Choice::Keyboard);
     },
     kSingle, std::nullopt, kSingleRows},
    {"SingleListExportedWithThePointer",
     [](const At& at) {
         QuerySingle(at);
         Export(at, kSingleResultList, Choice::Pointer);
     },
     kSingle, std::nullopt, kSingleRows},
    {"SingleRowCopiedWithThePointer",
     [](const At& at) {
         QuerySingle(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kSingleResultList, 0, 0, Choice::Pointer));
     },
     kSingle, Utf8(u8"SF100 2026-12-01 10:00 已收件"), std::nullopt},
    {"SingleRowCopiedWithTheKeyboard",
     [](const At& at) {
         QuerySingle(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kSingleResultList, 1, 0, Choice::Keyboard));
     },
     kSingle, Utf8(u8"SF100 2026-12-02 08:40 到达上海"), std::nullopt},
    // "清空" empties only the single list: it has no menu afterwards, the batch list keeps its
    // rows.
    {"SingleListClearedWithThePointerAndWithTheKeyboard",
     [](const At& at) {
         QueryBatch(at);
         at.program.Click(kModeButton);
         for (const Choice choice : {Choice::Pointer, Choice::Keyboard}) {
             QuerySingle(at);
             EXPECT_TRUE(at.program.ChooseFromMenu(kSingleResultList, 0, 2, choice));
             EXPECT_FALSE(at.program.MenuStays(kSingleResultList));
         }
         at.program.Click(kModeButton);
         Export(at, kBatchResultList, Choice::Keyboard);
     },
     Joined(kBatch, Joined(kSingle, kSingle)), std::nullopt, kBatchRows},
    {"BatchListExportedWithThePointer",
     [](const At& at) {
         QueryBatch(at);
         Export(at, kBatchResultList, Choice::Pointer);
     },
     kBatch, std::nullopt, kBatchRows},
    {"BatchRowCopiedWithThePointer",
     [](const At& at) {
         QueryBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 0, 2, Choice::Pointer));
     },
     kBatch, Utf8(u8"111 2026-11-02 09:00 派送中"), std::nullopt},
    // "查看快件流程" brings the single page back with the row's steps, queried anew.
    {"ParcelStepsViewedWithThePointer",
     [](const At& at) {
         QueryBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 0, 0, Choice::Pointer));
         ASSERT_TRUE(at.service.WaitForRequests(4, kRequestLimitSeconds));
         Export(at, kSingleResultList, Choice::Keyboard);
     },
     Joined(kBatch, {{"auspost", "111"}}), std::nullopt,
     "111 2026-11-01 09:00 已收件\r\n111 2026-11-02 09:00 派送中\r\n"},
    // On a failed row the number is queried again and the single list stays empty.
    {"ParcelStepsOfAFailedRowViewedWithTheKeyboard",
     [](const At& at) {
         QueryBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 1, 0, Choice::Keyboard));
         ASSERT_TRUE(at.service.WaitForRequests(4, kRequestLimitSeconds));
         EXPECT_FALSE(at.program.MenuStays(kSingleResultList));
     },
     Joined(kBatch, {{"auspost", "222"}}), std::nullopt, std::nullopt},
    {"BatchRowDeletedWithThePointer",
     [](const At& at) {
         QueryBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 0, 3, Choice::Pointer));
         Export(at, kBatchResultList, Choice::Keyboard);
     },
     kBatch, std::nullopt, "222 -- 单号不存在\r\n333 2026-11-05 18:30 已签收\r\n"},
    {"BatchRowDeletedWithTheKeyboard",
     [](const At& at) {
         QueryBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 2, 3, Choice::Keyboard));
         Export(at, kBatchResultList, Choice::Pointer);
     },
     kBatch, std::nullopt, "111 2026-11-02 09:00 派送中\r\n222 -- 单号不存在\r\n"},
    // "清空查询结果" empties only the batch list.
    {"BatchListClearedWithTheKeyboardAndWithThePointer",
     [](const At& at) {
         QuerySingle(at);
         QueryBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 0, 4, Choice::Keyboard));
         EXPECT_FALSE(at.program.MenuStays(kBatchResultList));
         RunBatch(at);
         EXPECT_TRUE(at.program.ChooseFromMenu(kBatchResultList, 0, 4, Choice::Pointer));
         EXPECT_FALSE(at.program.MenuStays(kBatchResultList));
         at.program.Click(kModeButton);
         Export(at, kSingleResultList, Choice::Pointer);
     },
     Joined(kSingle, Joined(kBatch, kBatch)), std::nullopt, kSingleRows},
    // The byte-order mark Notepad writes is no part of the first number; a name typed without
    // extension opens the ".txt" file.
    {"NumbersImportedByANameWithoutExtension",
     [](const At& at) {
         std::ofstream(at.folder / "marked.txt", std::ios::binary) << "\xEF\xBB\xBF"
                                                                      "111\r\n222\r\n";
         at.program.Click(kModeButton);
         ASSERT_TRUE(at.program.ImportNumbers(at.folder / "marked"));
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.service.WaitForRequests(2, kRequestLimitSeconds));
     },
     {{"auspost", "111"}, {"auspost", "222"}},
     std::nullopt,
     std::nullopt},
    // Lists as other programs write them: every line end, every encoding, full-width numbers.
    {"ListsOfOtherProgramsImported", [](const At& at) { QueryEveryListShape(at, ImportShape); },
     ListShapesRequests(), std::nullopt, std::nullopt},
    {"ListsOfOtherProgramsPasted", [](const At& at) { QueryEveryListShape(at, PasteShape); },
     ListShapesRequests(), std::nullopt, std::nullopt},
    // A list file dragged from another program: nothing takes it on the single page (the empty
    // batch box then starts no run); on the batch page one file replaces the box, and two fill it
    // one after the other.
    {"ListFilesDroppedOnTheBatchBox",
     [](const At& at) {
         std::ofstream(at.folder / "all.txt", std::ios::binary) << "111\r\n222\n333";
         std::ofstream(at.folder / "first.txt", std::ios::binary) << "111\n";
         std::ofstream(at.folder / "second.txt", std::ios::binary) << "222\r\n333";
         ASSERT_TRUE(at.program.DropFiles({at.folder / "all.txt"}));
         at.program.Click(kModeButton);
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.program.DropFiles({at.folder / "all.txt"}));
         RunBatch(at);
         ASSERT_TRUE(at.program.DropFiles({at.folder / "first.txt", at.folder / "second.txt"}));
         RunBatch(at);
     },
     Joined(kBatch, kBatch), std::nullopt, std::nullopt},
    // An export named without extension asks before replacing the ".txt" file: No keeps it and
    // shows the dialog again, which is cancelled; Yes replaces it.
    {"AnExportAsksBeforeReplacingAFile",
     [](const At& at) {
         std::ofstream(at.Out(), std::ios::binary) << "kept";
         QuerySingle(at);
         ASSERT_FALSE(at.program.StartExport(kSingleResultList, at.folder / "out").empty());
         ASSERT_TRUE(AnswerReplaceQuestion(kReplaceNo));
         const std::string again = WindowThatStays(kSaveDialogTitle, 10);
         ASSERT_FALSE(again.empty());
         PressKeysIn(again, "Escape");
         ASSERT_TRUE(WaitFor([] { return !WindowShows(kSaveDialogTitle); }));
         EXPECT_EQ(TempFolder::FileContent(at.Out()), "kept");
         ASSERT_FALSE(at.program.StartExport(kSingleResultList, at.folder / "out").empty());
         ASSERT_TRUE(AnswerReplaceQuestion(kReplaceYes));
         EXPECT_TRUE(WaitFor([&] { return TempFolder::FileContent(at.Out()) == kSingleRows; }));
     },
     kSingle, std::nullopt, kSingleRows},
    {"EverythingFromTheKeyboard", EverythingFromTheKeyboard, kBatch, std::nullopt, kBatchRows},
#ifndef PARCELIO_E2E_UNDER_WINE
    // An export through a link replaces the file it leads to, which keeps its permissions. A
    // Linux concern: under Wine the Windows program sees the link as a file and renames its new
    // file over it, which replaces the link itself.
    {"AnExportThroughALinkReplacesItsTarget",
     [](const At& at) {
         const fs::perms kept =
             fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
         std::ofstream(at.Out(), std::ios::binary) << "old";
         fs::permissions(at.Out(), kept);
         fs::create_symlink(at.Out().filename(), at.folder / "link.txt");
         QuerySingle(at);
         ASSERT_FALSE(at.program.StartExport(kSingleResultList, at.folder / "link").empty());
         ASSERT_TRUE(AnswerReplaceQuestion(kReplaceYes));
         EXPECT_TRUE(WaitFor([&] { return TempFolder::FileContent(at.Out()) == kSingleRows; }));
         EXPECT_TRUE(fs::is_symlink(at.folder / "link.txt"));
         EXPECT_EQ(fs::status(at.Out()).permissions(), kept);
     },
     kSingle, std::nullopt, kSingleRows},
#endif
    // The drop-down lists chosen with the keyboard: the group "F-J" brings its first courier,
    // the next item of the courier box the second.
    {"CouriersChosenFromTheDropDownLists",
     [](const At& at) {
         at.program.Click(kNumberBox);
         at.program.Type("SF100");
         ASSERT_TRUE(at.program.ChooseFromDropDown(kLetterGroupBox, 2));
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.service.WaitForRequests(1, kRequestLimitSeconds));
         ASSERT_TRUE(at.program.ChooseFromDropDown(kCourierBox, 1));
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.service.WaitForRequests(2, kRequestLimitSeconds));
     },
     {{"fedex", "SF100"}, {"fedexcn", "SF100"}},
     std::nullopt,
     std::nullopt},
    // A double-click on the caption folds the common couriers away, so a click where "顺丰"
    // was picks nothing; a second one unfolds them and the click picks it.
    {"CommonCouriersFoldedAndUnfoldedByADoubleClick",
     [](const At& at) {
         at.program.Click(kNumberBox);
         at.program.Type("SF100");
         at.program.DoubleClick(kPanelCaption);
         at.program.Click(kShunfengOption);
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.service.WaitForRequests(1, kRequestLimitSeconds));
         at.program.DoubleClick(kPanelCaption);
         at.program.Click(kShunfengOption);
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.service.WaitForRequests(2, kRequestLimitSeconds));
     },
     {{"auspost", "SF100"}, {"shunfeng", "SF100"}},
     std::nullopt,
     std::nullopt},
    // Closing while single and batch runs wait on a service that never answers.
    {"ClosedWhileRunsWait",
     [](const At& at) {
         at.program.Click(kNumberBox);
         at.program.Type("SF100");
         for (int run = 0; run < kWaitingSingleRuns; ++run) {
             at.program.Click(kQueryButton);
         }
         ASSERT_TRUE(at.service.WaitForRequests(kWaitingSingleRuns, kRequestLimitSeconds));
         at.program.Click(kModeButton);
         at.program.Click(kBatchNumberBox);
         at.program.Type("111");
         at.program.Click(kQueryButton);
         ASSERT_TRUE(at.service.WaitForRequests(kWaitingSingleRuns + 1, kRequestLimitSeconds));
     },
     Joined(std::vector<Request>(kWaitingSingleRuns, {"auspost", "SF100"}), {{"auspost", "111"}}),
     std::nullopt, std::nullopt, true},
};

class Scenarios : public testing::TestWithParam<Scenario> {
  protected:
    void SetUp() override {
        LoadCatalogue();
        if (GetParam().silent) {
            service_.SetDefaultReply(SilentReply());
            return;
        }
        service_.SetReplyForNumber(
            "SF100",
            BodyReply(TrackingReplyJson("SF100", {{"2026-12-03 15:20", Utf8(u8"已签收")},
                                                  {"2026-12-02 08:40", Utf8(u8"到达上海")},
                                                  {"2026-12-01 10:00", Utf8(u8"已收件")}})));
        service_.SetReplyForNumber(
            "111", BodyReply(TrackingReplyJson("111", {{"2026-11-02 09:00", Utf8(u8"派送中")},
                                                       {"2026-11-01 09:00", Utf8(u8"已收件")}})));
        service_.SetReplyForNumber("222", BodyReply(MessageReplyJson(Utf8(u8"单号不存在"))));
        service_.SetReplyForNumber(
            "333", BodyReply(TrackingReplyJson("333", {{"2026-11-05 18:30", Utf8(u8"已签收")}})));
    }

    FixtureService service_;
    TempFolder folder_;
};

TEST_P(Scenarios, GiveTheRequestsClipboardAndFileOfTheRow) {
    const Scenario& scenario = GetParam();
    ProgramSession program(service_);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
    const At at{program, service_, folder_.Path()};
    scenario.act(at);

    if (scenario.clipboard) {
        EXPECT_TRUE(WaitFor([&] { return ClipboardText() == *scenario.clipboard; }))
            << ClipboardText();
    }
    if (scenario.file) {
        EXPECT_TRUE(WaitFor([&] { return TempFolder::FileContent(at.Out()) == *scenario.file; }))
            << TempFolder::FileContent(at.Out());
    }
    EXPECT_EQ(
        program.CloseAndWait(scenario.silent ? kExitWhileWaitingLimitSeconds : kExitLimitSeconds),
        0);
    std::vector<std::pair<std::string, std::string>> sent;
    for (const RecordedRequest& request : service_.Requests()) {
        sent.emplace_back(QueryValue(request.target, "type").value_or("?"),
                          QueryValue(request.target, "postid").value_or("?"));
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const Request& request : scenario.requests) {
        expected.emplace_back(request.type, request.number);
    }
    EXPECT_EQ(sent, expected);
    EXPECT_FALSE(HasSanitizerReport(program.ErrorOutput())) << program.ErrorOutput();
}

INSTANTIATE_TEST_SUITE_P(AtTheWindow, Scenarios, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<Scenario>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
