// POSIX only: an export cut short by the process's file size limit, which holds for every user,
// root included.
#include <gtest/gtest.h>
#include <wx/listctrl.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "runs/import_export.h"
#include "runs/result_list.h"
#include "tests/support/file_size_limit_posix.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/status_bar.h"

namespace fs = std::filesystem;

namespace {

using ExportFailure = MainWindowTest;

TEST_F(ExportFailure, ACutWriteKeepsTheEarlierFileAndSaysSo) {
    const TempFolder folder;
    const fs::path file = folder.Path() / "export.txt";
    TempFolder::WriteFile(file, "earlier export\r\n");
    for (int row = 0; row < 200; ++row) {
        AppendResultRow(kBatchResultList,
                        {"SF" + std::to_string(row), "2026-06-01 10:00", "已签收"});
    }
    {
        const FileSizeLimit limit(1024);
        ExportResultListWith(kBatchResultList,
                             [&](FileDialogKind) { return std::optional<fs::path>(file); });
    }
    EXPECT_EQ(StatusPartText(0), "导出失败");
    EXPECT_EQ(TempFolder::FileContent(file), "earlier export\r\n");
    EXPECT_EQ(TempFolder::Names(folder.Path()), std::vector<std::string>{"export.txt"});
}

}  // namespace
