// Fuzzes the number-list import: the box text it builds from any file's bytes is compared with a
// naive line-by-line reading of the same rules, and checked for spaces, empty lines and a final
// line break.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "runs/import_export_text.h"
#include "tests/support/fuzz_checks.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsSpace(std::string_view character) {
    return character == " " || character == "\xA1\xA1";
}

bool IsCut(std::string_view character) {
    return static_cast<unsigned char>(character[0]) >= 0x80 && character.size() == 1;
}

// The file's lines: every space and a cut final character dropped, then cut at CR LF pairs
// that start a character; no line after a final CR LF.
std::vector<std::string> FileLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool line_open = false;
    bool after_cr = false;
    for (const std::string_view character : Characters(text)) {
        if (IsSpace(character) || IsCut(character)) {
            continue;
        }
        if (after_cr && character == "\n") {
            line.pop_back();
            lines.push_back(line);
            line.clear();
            line_open = false;
            after_cr = false;
            continue;
        }
        line += character;
        line_open = true;
        after_cr = character == "\r";
    }
    if (line_open) {
        lines.push_back(line);
    }
    return lines;
}

std::string ReferenceBoxText(std::string_view file_text) {
    const std::vector<std::string> lines = FileLines(file_text);
    std::string box;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) {
            continue;
        }
        box += (i == 0 ? "" : kLineBreak);
        box += lines[i];
    }
    return box;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteArray file_bytes(data, data + size);
    const Text box = ImportedNumberText(file_bytes);

    // A leading UTF-8 byte-order mark is no part of the first line.
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const std::string_view file_text = bytes.substr(0, bytes.find('\0'));
    Require(box == ReferenceBoxText(file_text));

    for (const std::string_view character : Characters(box)) {
        Require(!IsSpace(character));
    }
    Require(box.size() < kLineBreak.size() || !box.ends_with(kLineBreak) ||
            !StartsCharacterAt(box, box.size() - kLineBreak.size()));
    // Every line holds a character; only the first may be empty, when the file's first line was.
    const TextList lines = SplitText(box, kLineBreak);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Require(!TrimSpaces(lines[i]).empty() || (i == 0 && lines[i].empty()));
    }
    return 0;
}
