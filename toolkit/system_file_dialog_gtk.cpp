// The toolkit's file dialog (GTK), titled as the system would title it.
#include "toolkit/system_file_dialog.h"

#include <string>

#include <wx/filedlg.h>

#include "toolkit/gbk_text.h"

namespace {

constexpr char kTextFileFilter[] = "文本文档（txt）|*.txt";
constexpr char kOpenTitle[] = "打开";
constexpr char kSaveTitle[] = "另存为";

}  // namespace

std::optional<std::filesystem::path> ShowSystemFileDialog(FileDialogKind kind, wxWindow& parent,
                                                          const std::filesystem::path& start) {
    const bool open = kind == FileDialogKind::Open;
    wxFileDialog dialog(&parent, GbkToWx(open ? kOpenTitle : kSaveTitle),
                        ToToolkitPath(start.parent_path()), ToToolkitPath(start.filename()),
                        GbkToWx(kTextFileFilter),
                        open ? wxFD_OPEN : wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return ToFileSystemPath(dialog.GetPath());
}
