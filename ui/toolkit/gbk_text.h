// The one place where the program's GBK texts meet the Unicode strings of the window toolkit.
// Every text shown in or read from a control passes through these two conversions.
#pragma once

#include <string_view>

#include <wx/string.h>

#include "text/text_ops.h"

// A byte that is no part of a valid GBK character becomes U+FFFD; the rest is kept.
wxString GbkToWx(std::string_view gbk);

// A character that GBK cannot hold becomes "?", as the system's own conversion does.
Text WxToGbk(const wxString& text);
