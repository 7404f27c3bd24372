// Literals in tests: sources are compiled with a GBK execution character set, so a plain
// literal is GBK; UTF-8 data (what the tracking service sends) is written as a u8 literal and
// taken through Utf8.
#pragma once

#include <string>
#include <string_view>

#include "text/text_ops.h"

// The bytes of a u8 literal, as a UTF-8 byte string.
inline std::string Utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

inline ByteArray Bytes(std::string_view bytes) {
    return ByteArray(bytes.begin(), bytes.end());
}
