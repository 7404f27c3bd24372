#include "runs/file_dialog.h"

#include <string>

#include <wx/filedlg.h>
#include <wx/frame.h>

#include "ui/toolkit/control_names.h"
#include "ui/toolkit/control_registry.h"
#include "ui/toolkit/gbk_text.h"

namespace fs = std::filesystem;

namespace {

constexpr char kTextFileFilter[] = "文本文档（txt）|*.txt";
constexpr char kDefaultExtension[] = ".txt";

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

long DialogStyle(FileDialogKind kind) {
    return kind == FileDialogKind::Open ? wxFD_OPEN | wxFD_FILE_MUST_EXIST
                                        : wxFD_SAVE | wxFD_OVERWRITE_PROMPT;
}

}  // namespace

std::unique_ptr<wxFileDialog> MakeFileDialog(FileDialogKind kind, wxWindow& parent) {
    const fs::path& last = LastConfirmedPath();
    return std::make_unique<wxFileDialog>(
        &parent, wxString::FromAscii(wxFileSelectorPromptStr), ToToolkitPath(last.parent_path()),
        ToToolkitPath(last.filename()), GbkToWx(kTextFileFilter), DialogStyle(kind));
}

std::optional<fs::path> ChooseFilePath(FileDialogKind kind) {
    const std::unique_ptr<wxFileDialog> dialog =
        MakeFileDialog(kind, Control<wxFrame>(kMainWindow));
    if (dialog->ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    fs::path chosen = ToFileSystemPath(dialog->GetPath());
    if (kind == FileDialogKind::Save && !chosen.has_extension()) {
        chosen += kDefaultExtension;
    }
    LastConfirmedPath() = chosen;
    return chosen;
}
