// The file dialog of the batch page, made anew for each use. It remembers one thing across
// uses: the path last confirmed, which is the starting file name of the next import or export.
#pragma once

#include <filesystem>
#include <optional>

#include "toolkit/system_file_dialog.h"

// Shows the system's dialog for kind over the main window and waits for the user. Nothing when
// the user cancels; otherwise the chosen path, which is remembered. A name without an extension
// gets ".txt"; when that makes the name of an existing file to save to, the user is asked first,
// and a No shows the dialog again.
std::optional<std::filesystem::path> ChooseFilePath(FileDialogKind kind);
