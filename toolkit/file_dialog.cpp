#include "toolkit/file_dialog.h"

#include <string>

#include <wx/filedlg.h>
#include <wx/frame.h>

#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/message_box.h"

namespace fs = std::filesystem;

namespace {

constexpr char kTextFileFilter[] = "文本文档（txt）|*.txt";
constexpr char kDefaultExtension[] = ".txt";
constexpr char kReplaceTitle[] = "确认另存为";
constexpr char kReplaceQuestion[] = " 已存在。\r\n要替换它吗？";

// Empty until the user first confirms the dialog.
fs::path& LastConfirmedPath() {
    static fs::path path;
    return path;
}

// Paths travel as UTF-8 between the toolkit and the file system, on every platform.
fs::path ToFileSystemPath(const wxString& path) {
    const wxScopedCharBuffer utf8 = path.utf8_str();
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.length()));
}

wxString ToToolkitPath(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return wxString::FromUTF8(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

// The open dialog takes any name, so that a name typed without extension can become the
// existing ".txt" file; a name that is still missing fails as an unreadable file.
long DialogStyle(FileDialogKind kind) {
    return kind == FileDialogKind::Open ? wxFD_OPEN : wxFD_SAVE | wxFD_OVERWRITE_PROMPT;
}

// The dialog asked about the name as typed; the file it becomes after the dialog is asked about
// here. Yes replaces it; No, or a box that could not be shown, does not.
bool ReplaceConfirmed(const fs::path& path, wxWindow& parent) {
    const wxString question = ToToolkitPath(path.filename()) + GbkToWx(kReplaceQuestion);
    return ShowMessageBox(MessageBoxKind::ReplaceQuery, question, GbkToWx(kReplaceTitle),
                          &parent) == MessageBoxAnswer::Yes;
}

}  // namespace

std::unique_ptr<wxFileDialog> MakeFileDialog(FileDialogKind kind, wxWindow& parent) {
    const fs::path& last = LastConfirmedPath();
    return std::make_unique<wxFileDialog>(
        &parent, wxString::FromAscii(wxFileSelectorPromptStr), ToToolkitPath(last.parent_path()),
        ToToolkitPath(last.filename()), GbkToWx(kTextFileFilter), DialogStyle(kind));
}

std::optional<fs::path> ChooseFilePath(FileDialogKind kind) {
    wxFrame& window = Control<wxFrame>(kMainWindow);
    for (;;) {
        const std::unique_ptr<wxFileDialog> dialog = MakeFileDialog(kind, window);
        if (dialog->ShowModal() != wxID_OK) {
            return std::nullopt;
        }
        fs::path chosen = ToFileSystemPath(dialog->GetPath());
        const bool extended = !chosen.has_extension();
        if (extended) {
            chosen += kDefaultExtension;
        }
        LastConfirmedPath() = chosen;
        std::error_code error;
        // No: back to the dialog, which starts at that name.
        if (kind == FileDialogKind::Save && extended && fs::exists(chosen, error) &&
            !ReplaceConfirmed(chosen, window)) {
            continue;
        }
        return chosen;
    }
}
