// POSIX (Linux) only: an export onto a file system that is full. A small memory-backed file
// system is mounted for it when this process may mount one; otherwise the test is skipped (the
// file size limit case in the window tests covers a cut write for every user).
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <wx/listctrl.h>

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
#include "toolkit/list_rows.h"
#include "toolkit/status_bar.h"

namespace fs = std::filesystem;

namespace {

// A 64 KiB file system mounted on a fresh folder for as long as the object lives.
class SmallFileSystem {
  public:
    SmallFileSystem() {
        mounted_ = mount("parcelio-test", folder_.Path().c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            umount2(folder_.Path().c_str(), MNT_DETACH);
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    const fs::path& Path() const { return folder_.Path(); }

  private:
    TempFolder folder_;
    bool mounted_ = false;
};

using FullDiskExport = MainWindowTest;

TEST_F(FullDiskExport, FailsClearlyAndKeepsTheEarlierFile) {
    const SmallFileSystem disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << "this process may not mount a file system";
    }
    const fs::path file = disk.Path() / "export.txt";
    TempFolder::WriteFile(file, "earlier export\r\n");
    for (int row = 0; row < 4000; ++row) {
        AppendResultRow(kBatchResultList,
                        {"SF" + std::to_string(row), "2026-06-01 10:00", "已签收"});
    }

    ExportResultListWith(kBatchResultList,
                         [&](FileDialogKind) { return std::optional<fs::path>(file); });

    EXPECT_EQ(StatusPartText(0), "导出失败");
    EXPECT_EQ(TempFolder::FileContent(file), "earlier export\r\n");
    EXPECT_EQ(TempFolder::Names(disk.Path()), std::vector<std::string>{"export.txt"});
    EXPECT_EQ(ListRowCount(kBatchResultList), 4000);
}

TEST_F(FullDiskExport, ADeviceThatIsAlwaysFullIsNoTarget) {
    AppendResultRow(kBatchResultList, {"SF1", "2026-06-01", "已签收"});
    ExportResultListWith(kBatchResultList,
                         [](FileDialogKind) { return std::optional<fs::path>("/dev/full"); });
    EXPECT_EQ(StatusPartText(0), "导出失败");
}

}  // namespace
