#include "text/text_ops.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kSpace = ' ';
constexpr unsigned char kFullWidthSpaceByte = 0xA1;

bool IsLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

// Whether a space character starts at pos (a character boundary); sets its byte length.
bool SpaceAt(std::string_view text, std::size_t pos, std::size_t& length) {
    if (text[pos] == kSpace) {
        length = 1;
        return true;
    }
    if (static_cast<unsigned char>(text[pos]) == kFullWidthSpaceByte && pos + 1 < text.size() &&
        static_cast<unsigned char>(text[pos + 1]) == kFullWidthSpaceByte) {
        length = 2;
        return true;
    }
    return false;
}

// First occurrence of sought (non-empty) at a character boundary at or after from, which must
// itself be a boundary. Candidates come from a plain byte search; the boundary walk between
// them only moves forward, so the whole search stays linear in the text.
std::size_t FindOnBoundary(std::string_view text, std::string_view sought, std::size_t from) {
    std::size_t boundary = from;
    while (text.size() - boundary >= sought.size()) {
        const std::size_t candidate = text.find(sought, boundary);
        if (candidate == std::string_view::npos) {
            return std::string_view::npos;
        }
        while (boundary < candidate) {
            boundary += IsLeadByte(text[boundary]) ? 2 : 1;
        }
        if (boundary == candidate) {
            return candidate;
        }
    }
    return std::string_view::npos;
}

}  // namespace

TextPos TextLength(std::string_view text) {
    return static_cast<TextPos>(text.size());
}

Text TextLeft(std::string_view text, TextPos n) {
    if (n <= 0) {
        return Text();
    }
    return Text(text.substr(0, std::min(static_cast<std::size_t>(n), text.size())));
}

Text TextRight(std::string_view text, TextPos n) {
    if (n <= 0) {
        return Text();
    }
    const std::size_t count = std::min(static_cast<std::size_t>(n), text.size());
    return Text(text.substr(text.size() - count));
}

TextPos FindText(std::string_view text, std::string_view sought) {
    if (sought.empty()) {
        return text.empty() ? -1 : 1;
    }
    const std::size_t found = FindOnBoundary(text, sought, 0);
    return found == std::string_view::npos ? -1 : static_cast<TextPos>(found) + 1;
}

Text TextBetween(std::string_view text, std::string_view start_marker,
                 std::string_view end_marker) {
    // The same arithmetic as TextRight and TextLeft, on views so that only the result is copied.
    const TextPos length = TextLength(text);
    const TextPos start = FindText(text, start_marker);
    const TextPos rest_length =
        std::clamp<TextPos>(length - (start + TextLength(start_marker) - 1), 0, length);
    const std::string_view rest = text.substr(static_cast<std::size_t>(length - rest_length));
    const TextPos end = FindText(rest, end_marker);
    return TextLeft(rest, end - 1);
}

TextList SplitText(std::string_view text, std::string_view delimiter) {
    TextList pieces;
    if (text.empty()) {
        return pieces;
    }
    std::size_t piece_start = 0;
    if (!delimiter.empty()) {
        std::size_t found;
        while ((found = FindOnBoundary(text, delimiter, piece_start)) != std::string_view::npos) {
            pieces.emplace_back(text.substr(piece_start, found - piece_start));
            piece_start = found + delimiter.size();
        }
    }
    if (piece_start < text.size()) {
        pieces.emplace_back(text.substr(piece_start));
    }
    return pieces;
}

Text TrimSpaces(std::string_view text) {
    std::size_t pos = 0;
    std::size_t space_length = 0;
    while (pos < text.size() && SpaceAt(text, pos, space_length)) {
        pos += space_length;
    }
    const std::size_t first = pos;
    std::size_t content_end = first;
    while (pos < text.size()) {
        if (IsLeadByte(text[pos]) && pos + 1 == text.size()) {
            // A dangling lead byte is cut off; the spaces before it are no trailing run.
            content_end = pos;
            break;
        }
        if (SpaceAt(text, pos, space_length)) {
            pos += space_length;
            continue;
        }
        pos += IsLeadByte(text[pos]) ? 2 : 1;
        content_end = pos;
    }
    return Text(text.substr(first, content_end - first));
}

Text RemoveAllSpaces(std::string_view text) {
    Text kept(text.size(), '\0');
    char* out = kept.data();
    std::size_t run_start = 0;
    std::size_t pos = 0;
    const auto flush = [&](std::size_t run_end) {
        std::memcpy(out, text.data() + run_start, run_end - run_start);
        out += run_end - run_start;
    };
    while (pos < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            if (byte == kSpace) {
                flush(pos);
                run_start = ++pos;
            } else {
                ++pos;
            }
        } else if (pos + 1 == text.size()) {
            flush(pos);
            run_start = ++pos;
        } else if (byte == kFullWidthSpaceByte &&
                   static_cast<unsigned char>(text[pos + 1]) == kFullWidthSpaceByte) {
            flush(pos);
            pos += 2;
            run_start = pos;
        } else {
            pos += 2;
        }
    }
    flush(pos);
    kept.resize(static_cast<std::size_t>(out - kept.data()));
    return kept;
}

bool TextsEqual(std::string_view a, std::string_view b) {
    return a == b;
}

Text BytesToText(const ByteArray& bytes) {
    const auto zero = std::find(bytes.begin(), bytes.end(), '\0');
    return Text(bytes.begin(), zero);
}

ByteArray TextToBytes(std::string_view text) {
    return ByteArray(text.begin(), text.end());
}
