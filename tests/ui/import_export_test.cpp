// Importing a number file into BatchNumberBox and exporting a result list, through the
// handlers' steps after the file choice, with real files in a temporary folder.
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runs/import_export.h"
#include "runs/result_list.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/event_wiring.h"
#include "toolkit/gbk_text.h"
#include "toolkit/status_bar.h"
#include "ui/window_layout.h"

namespace fs = std::filesystem;

namespace {

class ImportExport : public MainWindowTest {
  protected:
    // A chooser that picks path, after checking that it is asked for the expected kind.
    static FileChooser Picks(std::optional<fs::path> path, FileDialogKind expected) {
        return [path = std::move(path), expected](FileDialogKind kind) {
            EXPECT_EQ(kind, expected);
            return path;
        };
    }

    static void FillList(std::string_view list, const RowCellsList& rows) {
        for (const RowCells& row : rows) {
            AppendResultRow(list, row);
        }
    }

    TempFolder folder_;
};

struct ImportCase {
    const char* name;
    std::string file;  // the file's bytes
    Text box;          // BatchNumberBox afterwards
};

class ImportOfFile : public ImportExport, public testing::WithParamInterface<ImportCase> {};

TEST_P(ImportOfFile, ReplacesTheBoxWithTheNumbersAndPutsTheCaretAtTheEnd) {
    const fs::path file = folder_.Path() / "numbers.txt";
    TempFolder::WriteFile(file, GetParam().file);
    SetControlText(kBatchNumberBox, "earlier text");
    ImportNumbersWith(Picks(file, FileDialogKind::Open));
    EXPECT_EQ(ControlText(kBatchNumberBox), GetParam().box);
    const wxTextCtrl& box = Control<wxTextCtrl>(kBatchNumberBox);
    EXPECT_EQ(box.GetInsertionPoint(), box.GetLastPosition());
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportOfFile,
    testing::Values(ImportCase{"FirstLineEmpty", "\r\n111\r\n 222 \r\n\r\n快递 333\r\n",
                               "\r\n111\r\n222\r\n快递333"},
                    ImportCase{"Empty", "", ""},
                    ImportCase{"LineFeedsOnly", "111\n 222\n", "111\r\n222"},
                    ImportCase{"ZeroByteEndsTheText", std::string("111\r\n\0 222\r\n", 12), "111"},
                    ImportCase{"ZeroBytesUpToTheLimit", std::string(4 * 1024 * 1024, '\0'), ""},
                    // No GBK character: shown as U+FFFD, read back as "?".
                    ImportCase{"ByteThatIsNoGbkCharacter",
                               "1\xFF"
                               "2\r\n3",
                               "1?2\r\n3"}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

struct KeptBoxCase {
    const char* name;
    // Makes the chosen file in the folder; nothing: the dialog was cancelled.
    std::function<std::optional<fs::path>(const fs::path& folder)> make;
    const char* status;  // status part 0 afterwards
};

class ImportKeepsTheBox : public ImportExport, public testing::WithParamInterface<KeptBoxCase> {};

TEST_P(ImportKeepsTheBox, WhenNothingCouldBeReadAndSaysWhy) {
    const std::optional<fs::path> chosen = GetParam().make(folder_.Path());
    SetControlText(kBatchNumberBox, "111\r\n222");
    SetStatusPartText(0, "earlier message");
    ImportNumbersWith(Picks(chosen, FileDialogKind::Open));
    EXPECT_EQ(ControlText(kBatchNumberBox), "111\r\n222");
    EXPECT_EQ(StatusPartText(0), GetParam().status);
}

// A file that holds no data blocks: it reads as zero bytes, whatever its size.
fs::path SparseFile(const fs::path& path, std::uintmax_t size) {
    TempFolder::WriteFile(path, "");
    fs::resize_file(path, size);
    return path;
}

constexpr std::uintmax_t kMiB = 1024 * 1024;
constexpr char kUnreadable[] = "无法读取文件，未导入";
constexpr char kTooLarge[] = "文件过大，未导入（上限4MB）";

INSTANTIATE_TEST_SUITE_P(
    Failures, ImportKeepsTheBox,
    testing::Values(
        KeptBoxCase{"Cancelled", [](const fs::path&) { return std::optional<fs::path>(); },
                    "earlier message"},
        KeptBoxCase{"MissingFile",
                    [](const fs::path& folder) { return std::optional(folder / "missing.txt"); },
                    kUnreadable},
        KeptBoxCase{"AFolder",
                    [](const fs::path& folder) {
                        fs::create_directory(folder / "folder.txt");
                        return std::optional(folder / "folder.txt");
                    },
                    kUnreadable},
        KeptBoxCase{"UnderARegularFile",
                    [](const fs::path& folder) {
                        TempFolder::WriteFile(folder / "file", "111\r\n");
                        return std::optional(folder / "file" / "numbers.txt");
                    },
                    kUnreadable},
        KeptBoxCase{"OneByteOverTheLimit",
                    [](const fs::path& folder) {
                        return std::optional(SparseFile(folder / "big.txt", 4 * kMiB + 1));
                    },
                    kTooLarge},
        KeptBoxCase{"HundredMebibytes",
                    [](const fs::path& folder) {
                        return std::optional(SparseFile(folder / "big.txt", 100 * kMiB));
                    },
                    kTooLarge}),
    [](const testing::TestParamInfo<KeptBoxCase>& info) { return std::string(info.param.name); });

TEST_F(ImportExport, TheClearLinkEmptiesTheBoxAndOtherLinksDoNothing) {
    SetControlText(kBatchNumberBox, "111\r\n222");
    // No link of the box names another event: its handler is given one.
    LinkHandlerOf(MainWindowLayout(), kBatchLinkBox)({kBatchLinkBox, "其他"});
    EXPECT_EQ(ControlText(kBatchNumberBox), "111\r\n222");
    ShowPage(kResultPages, kBatchPageNumber);
    MouseClickAt(LinkCentre(kBatchLinkBox, "event:清空"));
    EXPECT_TRUE(PumpUntil([] { return ControlText(kBatchNumberBox).empty(); }));
}

class ExportOfList : public ImportExport, public testing::WithParamInterface<std::string_view> {};

TEST_P(ExportOfList, WritesEachRowsCellsJoinedBySpaces) {
    const fs::path file = folder_.Path() / "export.txt";
    FillList(GetParam(), {{"a", "b", "c"}, {"单号", "", "已签收 本人"}});
    ExportResultListWith(GetParam(), Picks(file, FileDialogKind::Save));
    EXPECT_EQ(TempFolder::FileContent(file), "a b c\r\n单号  已签收 本人\r\n");
}

TEST_P(ExportOfList, AnEmptyListGivesAnEmptyFile) {
    const fs::path file = folder_.Path() / "export.txt";
    TempFolder::WriteFile(file, "earlier export");
    ExportResultListWith(GetParam(), Picks(file, FileDialogKind::Save));
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_P(ExportOfList, RowsAddedWhileTheDialogIsOpenAreNotWritten) {
    const fs::path file = folder_.Path() / "export.txt";
    FillList(GetParam(), {{"a", "b", "c"}});
    const std::string list(GetParam());
    ExportResultListWith(list, [&](FileDialogKind) {
        FillList(list, {{"d", "e", "f"}});
        return std::optional<fs::path>(file);
    });
    EXPECT_EQ(TempFolder::FileContent(file), "a b c\r\n");
}

TEST_P(ExportOfList, ACancelledDialogWritesNothing) {
    FillList(GetParam(), {{"a", "b", "c"}});
    ExportResultListWith(GetParam(), Picks(std::nullopt, FileDialogKind::Save));
    EXPECT_TRUE(TempFolder::Names(folder_.Path()).empty());
}

TEST_P(ExportOfList, AFileThatCannotBeWrittenShowsTheFailure) {
    FillList(GetParam(), {{"a", "b", "c"}});
    SetStatusPartTip(0, "tip");
    ExportResultListWith(GetParam(),
                         Picks(folder_.Path() / "missing" / "export.txt", FileDialogKind::Save));
    EXPECT_EQ(StatusPartText(0), "导出失败");
    EXPECT_EQ(StatusPartTip(0), "tip");
    EXPECT_TRUE(TempFolder::Names(folder_.Path()).empty());
    EXPECT_EQ(ResultRows(GetParam()), (RowCellsList{{"a", "b", "c"}}));
}

INSTANTIATE_TEST_SUITE_P(BothLists, ExportOfList,
                         testing::Values(kSingleResultList, kBatchResultList));

}  // namespace
