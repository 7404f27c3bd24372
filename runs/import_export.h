// Importing a list of numbers into BatchNumberBox and exporting a result list to a text file.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "toolkit/file_dialog.h"

// The link event of BatchLinkBox. event_name (GBK): "导入" imports a file chosen in the open
// dialog, "清空" empties BatchNumberBox; any other name does nothing.
void OnBatchLink(std::string_view event_name);

// The menu item "导出查询结果". list: the name of the result list whose menu was used. Its rows
// are taken before the save dialog opens; rows added while it is open are not written.
void ExportResultList(std::string_view list);

// Picks the file for an import or an export; nothing when the user cancels.
using FileChooser = std::function<std::optional<std::filesystem::path>(FileDialogKind)>;

// The import and the export with the file picked by choose: the handlers above pass the file
// dialog (ChooseFilePath).
//
// The import reads the whole file first: only when it could be read is BatchNumberBox replaced
// by its numbers, with the caret at the end in view. A file over 4 MiB, which would hold the
// window up for long, and a file that cannot be read leave the box as it was and say why in
// MainStatusBar.
void ImportNumbersWith(const FileChooser& choose);
// Imports files into BatchNumberBox one after the other: the import link's confirmed file, or the
// files dropped on the box, in drop order. The box is replaced by the numbers of every file that
// could be read; a file over the limit or that cannot be read is left out and says why in
// MainStatusBar, and when none could be read the box stays as it was.
void ImportNumberFiles(std::span<const std::filesystem::path> files);

// A file that cannot be written is left as it was, and "导出失败" shows in MainStatusBar.
void ExportResultListWith(std::string_view list, const FileChooser& choose);
