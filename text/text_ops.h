// Text operations on GBK byte strings.
//
// A Text holds GBK bytes and never a zero byte; the empty text stands for an absent one.
// Positions and lengths are in bytes, positions 1-based. A byte of 0x80 or more starts a
// two-byte character: searches, splits and space removal step over such characters, so an
// ASCII marker never matches the second byte of a Chinese character. Every operation is a
// pure function: it returns a new value and never changes its inputs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using ByteArray = std::vector<char>;
using TextList = std::vector<Text>;
using TextPos = std::ptrdiff_t;

TextPos TextLength(std::string_view text);

// The first (TextLeft) or last (TextRight) min(n, length) bytes; empty when n <= 0.
Text TextLeft(std::string_view text, TextPos n);
Text TextRight(std::string_view text, TextPos n);

// 1-based position of the first occurrence of sought that starts on a character boundary,
// or -1. An empty sought text is found at 1 in a non-empty text and nowhere in an empty one.
TextPos FindText(std::string_view text, std::string_view sought);

// The bytes after the first start marker up to the next end marker. A missing start marker
// leaves the text without its first (length of start marker - 2) bytes; a missing end
// marker gives the empty text.
Text TextBetween(std::string_view text, std::string_view start_marker, std::string_view end_marker);

// Pieces between delimiters, left to right. Inner and leading empty pieces are kept; the empty
// piece after a trailing delimiter is not produced; the empty text gives no piece. An empty
// delimiter never matches: the text is one piece.
TextList SplitText(std::string_view text, std::string_view delimiter);

// Spaces are 0x20 and the full-width space 0xA1 0xA1; tabs, CR and LF are not spaces.
// A final lead byte with no byte after it is cut off by both.
Text TrimSpaces(std::string_view text);
Text RemoveAllSpaces(std::string_view text);

template <typename... Parts>
Text JoinTexts(const Parts&... parts) {
    Text joined;
    joined.reserve((std::string_view(parts).size() + ... + 0));
    (joined.append(std::string_view(parts)), ...);
    return joined;
}

bool TextsEqual(std::string_view a, std::string_view b);

// The bytes before the first zero byte.
Text BytesToText(const ByteArray& bytes);
ByteArray TextToBytes(std::string_view text);
