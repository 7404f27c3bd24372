// POSIX only: an export cut short by the process's file size limit, which holds for every user,
// root included.
#include <gtest/gtest.h>
#include <wx/listctrl.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "runs/import_export.h"
#include "runs/result_rows.h"
#include "tests/runs/file_size_limit_posix.h"
#include "tests/runs/temp_folder.h"
#include "tests/ui/window_harness.h"
#include "ui/controls.h"
#include "ui/status_bar.h"

namespace fs = std::filesystem;

namespace {

using ExportFailure = MainWindowTest;

TEST_F(ExportFailure, ACutWriteKeepsTheEarlierFileAndSaysSo) {
    const TempFolder folder;
    const fs::path file = folder.Path() / "export.txt";
    TempFolder::WriteFile(file, "earlier export\r\n");
    wxListCtrl& list = Control<wxListCtrl>("BatchResultList");
    for (int row = 0; row < 200; ++row) {
        AppendResultRow(list, {"SF" + std::to_string(row), "2026-06-01 10:00", "已签收"});
    }
    {
        const FileSizeLimit limit(1024);
        ExportResultListWith("BatchResultList",
                             [&](FileDialogKind) { return std::optional<fs::path>(file); });
    }
    EXPECT_EQ(StatusPartText(0), "导出失败");
    EXPECT_EQ(TempFolder::FileContent(file), "earlier export\r\n");
    EXPECT_EQ(TempFolder::Names(folder.Path()), std::vector<std::string>{"export.txt"});
}

}  // namespace
