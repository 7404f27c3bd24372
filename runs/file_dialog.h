// The file dialog of the batch page, made anew for each use. It remembers one thing across
// uses: the path last confirmed, which is the starting file name of the next import or export.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

class wxFileDialog;
class wxWindow;

enum class FileDialogKind {
    Open,  // the chosen file must exist
    Save,  // asks before replacing an existing file
};

// The dialog for kind, owned by parent, with the text file filter and the last confirmed path.
std::unique_ptr<wxFileDialog> MakeFileDialog(FileDialogKind kind, wxWindow& parent);

// Shows the dialog over the main window and waits for the user. Nothing when the user cancels;
// otherwise the chosen path, which is remembered. A name saved without an extension gets
// ".txt".
std::optional<std::filesystem::path> ChooseFilePath(FileDialogKind kind);
