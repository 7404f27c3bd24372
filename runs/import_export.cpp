#include "runs/import_export.h"

#include <cstdint>

#include "runs/file_io.h"
#include "runs/import_export_text.h"
#include "runs/result_list.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/status_bar.h"

namespace {

constexpr std::string_view kImportEvent = "导入";
constexpr std::string_view kClearEvent = "清空";
constexpr std::string_view kExportFailedMessage = "导出失败";
constexpr std::string_view kLineBreak = "\r\n";
// Setting a text of this size into the box already holds the window up for seconds (about 1.3 s
// per MiB on GTK); a list of 4 MiB holds some 280,000 tracking numbers.
constexpr std::uintmax_t kImportLimitBytes = 4 * 1024 * 1024;
constexpr std::string_view kImportTooLargeMessage = "文件过大，未导入（上限4MB）";
constexpr std::string_view kImportUnreadableMessage = "无法读取文件，未导入";

// Replaces the box's text in one go; the caret goes to the end and is scrolled into view, as
// after appending the text line by line.
void ShowNumbers(std::string_view numbers) {
    SetControlText(kBatchNumberBox, numbers);
    ShowTextEnd(kBatchNumberBox);
}

}  // namespace

void OnBatchLink(std::string_view event_name) {
    if (TextsEqual(event_name, kImportEvent)) {
        ImportNumbersWith(ChooseFilePath);
    } else if (TextsEqual(event_name, kClearEvent)) {
        SetControlText(kBatchNumberBox, "");
    }
}

void ExportResultList(std::string_view list) {
    ExportResultListWith(list, ChooseFilePath);
}

void ImportNumbersWith(const FileChooser& choose) {
    const std::optional<std::filesystem::path> path = choose(FileDialogKind::Open);
    if (path) {
        ImportNumberFiles({&*path, 1});
    }
}

void ImportNumberFiles(std::span<const std::filesystem::path> files) {
    std::optional<Text> numbers;
    for (const std::filesystem::path& file : files) {
        const LimitedRead read = ReadFileUpTo(file, kImportLimitBytes);
        switch (read.outcome) {
            case ReadOutcome::kRead: {
                const Text imported = ImportedNumberText(read.bytes);
                numbers = numbers && !numbers->empty() && !imported.empty()
                              ? JoinTexts(*numbers, kLineBreak, imported)
                              : JoinTexts(numbers.value_or(""), imported);
                break;
            }
            case ReadOutcome::kTooLarge:
                SetStatusPartText(kMessagePart, kImportTooLargeMessage);
                break;
            case ReadOutcome::kUnreadable:
                SetStatusPartText(kMessagePart, kImportUnreadableMessage);
                break;
        }
    }
    if (numbers) {
        ShowNumbers(*numbers);
    }
}

void ExportResultListWith(std::string_view list, const FileChooser& choose) {
    const ByteArray bytes = ExportedRowBytes(ResultRows(list));
    const std::optional<std::filesystem::path> path = choose(FileDialogKind::Save);
    if (path && !WriteWholeFile(*path, bytes)) {
        SetStatusPartText(kMessagePart, kExportFailedMessage);
    }
}
