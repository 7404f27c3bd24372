#include "toolkit/file_dialog.h"

#include <string>

#include <wx/frame.h>

#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "toolkit/message_box.h"

namespace fs = std::filesystem;

namespace {

constexpr char kDefaultExtension[] = ".txt";
constexpr char kReplaceTitle[] = "确认另存为";
constexpr char kReplaceQuestion[] = " 已存在。\r\n要替换它吗？";

// Empty until the user first confirms the dialog.
fs::path& LastConfirmedPath() {
    static fs::path path;
    return path;
}

// The dialog asked about the name as typed; the file it becomes after the dialog is asked about
// here. Yes replaces it; No, or a box that could not be shown, does not.
bool ReplaceConfirmed(const fs::path& path, wxWindow& parent) {
    const wxString question = ToToolkitPath(path.filename()) + GbkToWx(kReplaceQuestion);
    return ShowMessageBox(MessageBoxKind::ReplaceQuery, question, GbkToWx(kReplaceTitle),
                          &parent) == MessageBoxAnswer::Yes;
}

}  // namespace

std::optional<fs::path> ChooseFilePath(FileDialogKind kind) {
    wxFrame& window = Control<wxFrame>(kMainWindow);
    for (;;) {
        std::optional<fs::path> chosen = ShowSystemFileDialog(kind, window, LastConfirmedPath());
        if (!chosen) {
            return std::nullopt;
        }
        const bool extended = !chosen->has_extension();
        if (extended) {
            *chosen += kDefaultExtension;
        }
        LastConfirmedPath() = *chosen;
        std::error_code error;
        // No: back to the dialog, which starts at that name.
        if (kind == FileDialogKind::Save && extended && fs::exists(*chosen, error) &&
            !ReplaceConfirmed(*chosen, window)) {
            continue;
        }
        return chosen;
    }
}
