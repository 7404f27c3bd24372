#include "runs/import_export.h"

#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "runs/file_io.h"
#include "runs/import_export_text.h"
#include "runs/result_rows.h"
#include "ui/control_ops.h"
#include "ui/controls.h"
#include "ui/status_bar.h"

namespace {

constexpr std::string_view kImportEvent = "导入";
constexpr std::string_view kClearEvent = "清空";
constexpr std::string_view kExportFailedMessage = "导出失败";
constexpr int kMessagePart = 0;

// Replaces the box's text in one go; the caret goes to the end and is scrolled into view, as
// after appending the text line by line.
void ShowNumbers(std::string_view numbers) {
    SetControlText("BatchNumberBox", numbers);
    wxTextCtrl& box = Control<wxTextCtrl>("BatchNumberBox");
    box.SetInsertionPointEnd();
    box.ShowPosition(box.GetLastPosition());
}

}  // namespace

void OnBatchLink(std::string_view event_name) {
    if (TextsEqual(event_name, kImportEvent)) {
        ImportNumbersWith(ChooseFilePath);
    } else if (TextsEqual(event_name, kClearEvent)) {
        SetControlText("BatchNumberBox", "");
    }
}

void ExportResultList(std::string_view list) {
    ExportResultListWith(list, ChooseFilePath);
}

void ImportNumbersWith(const FileChooser& choose) {
    const std::optional<std::filesystem::path> path = choose(FileDialogKind::Open);
    if (!path) {
        return;
    }
    const std::optional<ByteArray> bytes = ReadWholeFile(*path);
    if (bytes) {
        ShowNumbers(ImportedNumberText(*bytes));
    }
}

void ExportResultListWith(std::string_view list, const FileChooser& choose) {
    const ByteArray bytes = ExportedRowBytes(ResultRows(Control<wxListCtrl>(list)));
    const std::optional<std::filesystem::path> path = choose(FileDialogKind::Save);
    if (path && !WriteWholeFile(*path, bytes)) {
        SetStatusPartText(kMessagePart, kExportFailedMessage);
    }
}
