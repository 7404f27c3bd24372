// What the converters need to know of character-set names and UTF-8 input.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// "UTF-8" or "UTF8", in any case.
bool IsUtf8Name(std::string_view name);

// A character set with a form for every Unicode character: the Unicode encoding forms (UTF-8,
// UTF-16, UTF-32, UCS-4 and their byte orders) and GB18030.
bool CoversAllOfUnicode(std::string_view name);

// True when the UTF-8 bytes hold a Unicode tag character (U+E0000 to U+E007F).
bool HoldsUtf8TagCharacter(const ByteArray& utf8);
