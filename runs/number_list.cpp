#include "runs/number_list.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "tracking/convert_charset.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char kNotHeld = '?';
constexpr char32_t kReplacementCharacter = 0xFFFD;

// GBK writes the full-width forms of ASCII as A3 followed by the ASCII byte plus 0x80.
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kFullWidthOffset = 0x80;

void AppendUtf8(std::string& utf8, char32_t code) {
    if (code < 0x80) {
        utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
        utf8 += static_cast<char>(0xC0 | (code >> 6));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (code >> 12));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (code >> 18));
        utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 code units (a last odd byte is ignored) as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::string_view units, bool big_endian) {
    const auto unit_at = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(units[at]);
        const auto second = static_cast<unsigned char>(units[at + 1]);
        return static_cast<char32_t>(big_endian ? (first << 8) | second : (second << 8) | first);
    };
    const auto in_range = [](char32_t unit, char32_t low, char32_t high) {
        return unit >= low && unit <= high;
    };
    std::string utf8;
    utf8.reserve(units.size() * 3 / 2);
    for (std::size_t at = 0; at + 1 < units.size(); at += 2) {
        char32_t code = unit_at(at);
        if (in_range(code, 0xD800, 0xDBFF) && at + 3 < units.size() &&
            in_range(unit_at(at + 2), 0xDC00, 0xDFFF)) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit_at(at + 2) - 0xDC00);
            at += 2;
        } else if (in_range(code, 0xD800, 0xDFFF)) {
            code = kReplacementCharacter;
        }
        AppendUtf8(utf8, code);
    }
    return utf8;
}

Text GbkOfWhole(std::string_view utf8) {
    return BytesToText(ConvertCharset(TextToBytes(utf8), "UTF-8", "GBK"));
}

// The length of the well-formed UTF-8 sequence that text starts with; 0 when it starts none.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t at = 1; at < length; ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// One character at a time, "?" for each one GBK cannot hold and for each byte that starts no
// UTF-8 character.
Text GbkByCharacter(std::string_view utf8) {
    Text gbk;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = Utf8SequenceLength(utf8.substr(at));
        if (length <= 1) {
            gbk += length == 1 ? utf8[at] : kNotHeld;
            ++at;
            continue;
        }
        const Text converted = GbkOfWhole(utf8.substr(at, length));
        gbk += converted.empty() ? Text(1, kNotHeld) : converted;
        at += length;
    }
    return gbk;
}

// The whole text in one conversion when it converts; otherwise line by line, and character by
// character only in the lines that do not convert whole.
Text GbkFromUtf8(std::string_view utf8) {
    Text gbk = GbkOfWhole(utf8);
    if (!gbk.empty() || utf8.empty()) {
        return gbk;
    }
    for (std::size_t start = 0; start < utf8.size();) {
        const std::size_t end = std::min(utf8.find('\n', start), utf8.size() - 1) + 1;
        const std::string_view line = utf8.substr(start, end - start);
        const Text converted = GbkOfWhole(line);
        gbk += converted.empty() ? GbkByCharacter(line) : converted;
        start = end;
    }
    return gbk;
}

bool IsFullWidthLetterOrDigit(unsigned char trail) {
    return (trail >= 0xB0 && trail <= 0xB9) || (trail >= 0xC1 && trail <= 0xDA) ||
           (trail >= 0xE1 && trail <= 0xFA);
}

}  // namespace

Text NumberListText(const ByteArray& file_bytes) {
    const std::string_view bytes(file_bytes.data(), file_bytes.size());
    std::string utf8;
    if (bytes.starts_with(kUtf8Mark)) {
        utf8 = bytes.substr(kUtf8Mark.size());
    } else if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        utf8 = Utf8FromUtf16(bytes.substr(kUtf16LeMark.size()), bytes.starts_with(kUtf16BeMark));
    } else {
        return BytesToText(file_bytes);
    }
    utf8.resize(std::min(utf8.find('\0'), utf8.size()));
    return GbkFromUtf8(utf8);
}

TextList NumberListLines(std::string_view text) {
    // CR and LF are never part of a two-byte GBK character, so every one of them ends a line.
    TextList lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, at - start));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            ++at;
        }
        start = at + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

Text QueriedNumber(std::string_view number) {
    Text sent;
    sent.reserve(number.size());
    for (std::size_t at = 0; at < number.size(); ++at) {
        const auto byte = static_cast<unsigned char>(number[at]);
        if (byte < 0x80 || at + 1 == number.size()) {
            sent += number[at];
            continue;
        }
        const auto trail = static_cast<unsigned char>(number[at + 1]);
        if (byte == kFullWidthLead && IsFullWidthLetterOrDigit(trail)) {
            sent += static_cast<char>(trail - kFullWidthOffset);
        } else {
            sent.append(number.substr(at, 2));
        }
        ++at;
    }
    return sent;
}
