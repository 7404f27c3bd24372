// Importing and exporting hostile files through the handlers' steps after the file choice, on
// the real window with real files in a temporary folder: every case ends with a clear outcome,
// the window stays usable and no existing data is lost.
#include <wx/listctrl.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "runs/import_export.h"
#include "runs/import_export_text.h"
#include "runs/result_list.h"
#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/status_bar.h"

namespace fs = std::filesystem;

namespace {

constexpr char kEarlierBox[] = "111\r\n222";
constexpr char kEarlierStatus[] = "earlier message";
constexpr char kTooLarge[] = "文件过大，未导入（上限4MB）";
constexpr char kUnreadable[] = "无法读取文件，未导入";
constexpr char kExportFailed[] = "导出失败";
constexpr std::uintmax_t kMiB = 1024 * 1024;

std::string RandomBytes(std::size_t count) {
    std::mt19937 generator(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& each : bytes) {
        each = static_cast<char>(byte(generator));
    }
    return bytes;
}

// A file of size bytes that holds no data blocks: it reads as zero bytes.
void MakeSparseFile(const fs::path& path, std::uintmax_t size) {
    TempFolder::WriteFile(path, "");
    fs::resize_file(path, size);
}

class HostileFiles : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetControlText(kBatchNumberBox, kEarlierBox);
        SetStatusPartText(0, kEarlierStatus);
    }

    static void Import(const fs::path& path) {
        ImportNumbersWith([&](FileDialogKind) { return std::optional<fs::path>(path); });
    }

    // The window still takes the usual steps: a plain file imports and the clear link empties.
    void ExpectUsableWindow() {
        const fs::path plain = folder_.Path() / "plain.txt";
        TempFolder::WriteFile(plain, "SF1\r\nSF2\r\n");
        Import(plain);
        EXPECT_EQ(ControlText(kBatchNumberBox), "SF1\r\nSF2");
        ShowPage(kResultPages, kBatchPageNumber);
        MouseClickAt(LinkCentre(kBatchLinkBox, "event:清空"));
        EXPECT_TRUE(PumpUntil([] { return ControlText(kBatchNumberBox).empty(); }));
    }

    TempFolder folder_;
};

struct RefusedImportCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> make;  // makes the chosen file in folder
    const char* message;
};

class RefusedImport : public HostileFiles, public testing::WithParamInterface<RefusedImportCase> {};

TEST_P(RefusedImport, KeepsTheBoxAndSaysWhy) {
    const fs::path chosen = GetParam().make(folder_.Path());
    Import(chosen);
    EXPECT_EQ(ControlText(kBatchNumberBox), kEarlierBox);
    EXPECT_EQ(StatusPartText(0), GetParam().message);
    ExpectUsableWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedImport,
    testing::Values(RefusedImportCase{"HundredMebibytes",
                                      [](const fs::path& folder) {
                                          MakeSparseFile(folder / "big.txt", 100 * kMiB);
                                          return folder / "big.txt";
                                      },
                                      kTooLarge},
                    RefusedImportCase{"OneByteOverTheLimit",
                                      [](const fs::path& folder) {
                                          MakeSparseFile(folder / "big.txt", 4 * kMiB + 1);
                                          return folder / "big.txt";
                                      },
                                      kTooLarge},
                    RefusedImportCase{"AFolder",
                                      [](const fs::path& folder) {
                                          fs::create_directory(folder / "folder.txt");
                                          return folder / "folder.txt";
                                      },
                                      kUnreadable},
                    RefusedImportCase{"RemovedAfterItWasChosen",
                                      [](const fs::path& folder) {
                                          TempFolder::WriteFile(folder / "gone.txt", "111\r\n");
                                          fs::remove(folder / "gone.txt");
                                          return folder / "gone.txt";
                                      },
                                      kUnreadable},
                    RefusedImportCase{"UnderARegularFile",
                                      [](const fs::path& folder) {
                                          TempFolder::WriteFile(folder / "file", "111\r\n");
                                          return folder / "file" / "numbers.txt";
                                      },
                                      kUnreadable}),
    [](const testing::TestParamInfo<RefusedImportCase>& info) {
        return std::string(info.param.name);
    });

struct AcceptedImportCase {
    const char* name;
    std::string bytes;
};

class AcceptedImport : public HostileFiles,
                       public testing::WithParamInterface<AcceptedImportCase> {};

TEST_P(AcceptedImport, FillsTheBoxWithTheTextBeforeTheFirstZeroByte) {
    const fs::path file = folder_.Path() / "numbers.txt";
    TempFolder::WriteFile(file, GetParam().bytes);
    Import(file);
    // Bytes that are no GBK character show as U+FFFD in the box and read back as "?".
    const Text expected = WxToGbk(GbkToWx(ImportedNumberText(Bytes(GetParam().bytes))));
    EXPECT_EQ(ControlText(kBatchNumberBox), expected);
    EXPECT_EQ(StatusPartText(0), kEarlierStatus);
    ExpectUsableWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedImport,
    testing::Values(AcceptedImportCase{"ZeroBytesUpToTheLimit", std::string(4 * kMiB, '\0')},
                    AcceptedImportCase{"BinaryNoise", RandomBytes(64 * 1024)},
                    AcceptedImportCase{"BinaryNoiseWithoutZeroBytes",
                                       [] {
                                           std::string bytes = RandomBytes(4096);
                                           for (char& each : bytes) {
                                               each = each == '\0' ? '1' : each;
                                           }
                                           return bytes;
                                       }()}),
    [](const testing::TestParamInfo<AcceptedImportCase>& info) {
        return std::string(info.param.name);
    });

struct FailedExportCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> make;  // makes the chosen target in folder
};

class FailedExport : public HostileFiles, public testing::WithParamInterface<FailedExportCase> {};

TEST_P(FailedExport, SaysSoAndKeepsWhatWasThere) {
    const fs::path target = GetParam().make(folder_.Path());
    TempFolder::WriteFile(folder_.Path() / "kept.txt", "kept\r\n");
    AppendResultRow(kBatchResultList, {"SF1", "2026-06-01", "已签收"});
    const std::vector<std::string> names_before = TempFolder::Names(folder_.Path());

    ExportResultListWith(kBatchResultList,
                         [&](FileDialogKind) { return std::optional<fs::path>(target); });

    EXPECT_EQ(StatusPartText(0), kExportFailed);
    EXPECT_EQ(TempFolder::Names(folder_.Path()), names_before);
    EXPECT_EQ(TempFolder::FileContent(folder_.Path() / "kept.txt"), "kept\r\n");
    EXPECT_EQ(ResultRows(kBatchResultList), (RowCellsList{{"SF1", "2026-06-01", "已签收"}}));
    ExpectUsableWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FailedExport,
    testing::Values(FailedExportCase{"MissingFolder",
                                     [](const fs::path& folder) {
                                         return folder / "missing" / "export.txt";
                                     }},
                    FailedExportCase{"UnderARegularFile",
                                     [](const fs::path& folder) {
                                         TempFolder::WriteFile(folder / "file", "data\r\n");
                                         return folder / "file" / "export.txt";
                                     }},
                    FailedExportCase{"AFolder",
                                     [](const fs::path& folder) {
                                         fs::create_directories(folder / "folder.txt" / "inner");
                                         return folder / "folder.txt";
                                     }}),
    [](const testing::TestParamInfo<FailedExportCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
