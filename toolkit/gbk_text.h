// The one place where the program's GBK texts meet the Unicode strings of the window toolkit.
// Every text shown in or read from a control passes through these conversions.
#pragma once

#include <filesystem>
#include <string_view>

#include <wx/string.h>
#include <wx/textctrl.h>

#include "text/text_ops.h"

// A byte that is no part of a valid GBK character becomes U+FFFD; the rest is kept.
wxString GbkToWx(std::string_view gbk);

// A character that GBK cannot hold becomes "?", as the system's own conversion does.
Text WxToGbk(const wxString& text);

// The text of an edit box exactly as the control holds it, line ends included. On Windows a
// multi-line box is read and written as the native control's raw text: the toolkit's own value
// would turn each CR LF into LF (merging a batch into one line) and each lone LF into CR LF.
Text EditBoxText(const wxTextCtrl& box);
void SetEditBoxText(wxTextCtrl& box, std::string_view text);

// Paths travel as UTF-8 between the toolkit and the file system, on every platform.
std::filesystem::path ToFileSystemPath(const wxString& path);
wxString ToToolkitPath(const std::filesystem::path& path);
