// The character set of what parcelio-batch writes and of the texts given on its command line:
// GBK, the program's own, or UTF-8 for terminals that are not GBK.
#pragma once

#include <optional>
#include <string_view>

#include "text/text_ops.h"

// The bytes to write for a GBK text. In UTF-8 a text that does not convert (bytes that are no
// GBK) is written unchanged rather than lost.
ByteArray OutputBytes(std::string_view gbk_text, bool utf8);

// A command-line text as GBK: unchanged for GBK, converted from UTF-8 otherwise; nothing when
// it is not valid UTF-8 or holds a character GBK cannot represent.
std::optional<Text> ArgumentText(std::string_view argument, bool utf8);
