// Importing a number file into BatchNumberBox and exporting a result list, through the
// handlers' steps after the file choice, with real files in a temporary folder.
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <filesystem>
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
                    ImportCase{"ZeroByteEndsTheText", std::string("111\r\n\0 222\r\n", 12), "111"}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

struct KeptBoxCase {
    const char* name;
    std::optional<std::string> file;  // the chosen file's name in the folder; nothing: cancelled
};

class ImportKeepsTheBox : public ImportExport, public testing::WithParamInterface<KeptBoxCase> {};

TEST_P(ImportKeepsTheBox, WhenNothingCouldBeRead) {
    std::optional<fs::path> chosen;
    if (GetParam().file) {
        chosen = folder_.Path() / *GetParam().file;
    }
    fs::create_directory(folder_.Path() / "folder.txt");
    SetControlText(kBatchNumberBox, "111\r\n222");
    ImportNumbersWith(Picks(chosen, FileDialogKind::Open));
    EXPECT_EQ(ControlText(kBatchNumberBox), "111\r\n222");
}

INSTANTIATE_TEST_SUITE_P(Failures, ImportKeepsTheBox,
                         testing::Values(KeptBoxCase{"Cancelled", std::nullopt},
                                         KeptBoxCase{"MissingFile", "missing.txt"},
                                         KeptBoxCase{"AFolder", "folder.txt"}),
                         [](const testing::TestParamInfo<KeptBoxCase>& info) {
                             return std::string(info.param.name);
                         });

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
}

INSTANTIATE_TEST_SUITE_P(BothLists, ExportOfList,
                         testing::Values(kSingleResultList, kBatchResultList));

}  // namespace
