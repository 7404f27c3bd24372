// The system's common open and save dialogs (Windows), given no title of the program's so that
// the system titles them in its own language.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include <wx/window.h>

#include "toolkit/gbk_text.h"
#include "toolkit/system_file_dialog.h"

namespace {

constexpr char kFilterName[] = "文本文档（txt）";
constexpr wchar_t kFilterPattern[] = L"*.txt";
// The longest path the dialog may hand back, terminating zero included.
constexpr std::size_t kPathCapacity = 32768;

}  // namespace

std::optional<std::filesystem::path> ShowSystemFileDialog(FileDialogKind kind, wxWindow& parent,
                                                          const std::filesystem::path& start) {
    const bool open = kind == FileDialogKind::Open;
    // Pairs of description and pattern, each ended by a zero, the list by one more.
    std::wstring filter = GbkToWx(kFilterName).ToStdWstring();
    filter += L'\0';
    filter += kFilterPattern;
    filter += L'\0';
    const std::wstring name = start.filename().wstring();
    std::vector<wchar_t> file(kPathCapacity, L'\0');
    name.copy(file.data(), std::min(name.size(), kPathCapacity - 1));
    const std::wstring folder = start.parent_path().wstring();

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = static_cast<HWND>(parent.GetHWND());
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // No default extension and no must-exist check: the caller gives a name typed without
    // extension ".txt", and asks before replacing the file that makes, as on every platform.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (open ? 0 : OFN_OVERWRITEPROMPT);
    const BOOL chosen = open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    return std::filesystem::path(std::wstring(file.data()));
}
