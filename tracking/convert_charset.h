// Character-set conversion: iconv on Linux (convert_charset_iconv.cpp), the code-page functions
// on Windows (convert_charset_winnls.cpp), which know the names UTF-8 and GBK/CP936.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// Re-encodes all of data; empty when data is empty or any of it fails to convert.
ByteArray ConvertCharset(const ByteArray& data, std::string_view from, std::string_view to);
