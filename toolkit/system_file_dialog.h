// The open and save dialogs as the system shows them: on Windows its own common dialog with no
// title of the program's, so the system titles it in its language; elsewhere the toolkit's
// dialog titled "打开" or "另存为". Both offer text files only, hide the read-only check box and
// want an existing folder; the save dialog asks before replacing a file named as typed. The open
// dialog takes any name, so that a name typed without extension can become the existing ".txt"
// file (file_dialog.h); a name that is still missing fails as an unreadable file.
#pragma once

#include <filesystem>
#include <optional>

class wxWindow;

enum class FileDialogKind {
    Open,
    Save,
};

// Shows the dialog for kind over parent, starting at start (its folder and file name; both may
// be empty), and waits for the user: the chosen path, or nothing when the user cancels.
std::optional<std::filesystem::path> ShowSystemFileDialog(FileDialogKind kind, wxWindow& parent,
                                                          const std::filesystem::path& start);
