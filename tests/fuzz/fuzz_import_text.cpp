// Fuzzes the number-list import: the box text it builds from any file's bytes is compared with a
// naive reading of the same rules (for files without a byte-order mark), and checked for spaces,
// empty lines and a final line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "runs/import_export_text.h"
#include "runs/number_list.h"
#include "tests/support/fuzz_checks.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool IsSpace(std::string_view character) {
    return character == " " || character == "\xA1\xA1";
}

bool IsCut(std::string_view character) {
    return static_cast<unsigned char>(character[0]) >= 0x80 && character.size() == 1;
}

// The file's lines: every space and a cut final character dropped, then cut at each CR LF, lone
// CR and lone LF; no line after a final line end.
std::vector<std::string> FileLines(std::string_view text) {
    std::string kept;
    for (const std::string_view character : Characters(text)) {
        if (!IsSpace(character) && !IsCut(character)) {
            kept += character;
        }
    }
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t at = 0; at < kept.size(); ++at) {
        if (kept[at] != '\r' && kept[at] != '\n') {
            line += kept[at];
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (kept[at] == '\r' && at + 1 < kept.size() && kept[at + 1] == '\n') {
            ++at;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::string ReferenceBoxText(std::string_view file_text) {
    const std::vector<std::string> lines = FileLines(file_text);
    std::string box;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A line of one lone lead byte (its pair was cut by a line end) holds no character.
        if (lines[i].empty() || (lines[i].size() == 1 && IsCut(lines[i]))) {
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

    // A file without a byte-order mark is GBK as it is; a marked one is converted first.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool marked = bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LeMark) ||
                        bytes.starts_with(kUtf16BeMark);
    if (!marked) {
        Require(box == ReferenceBoxText(bytes.substr(0, bytes.find('\0'))));
    }

    for (const std::string_view character : Characters(box)) {
        Require(!IsSpace(character));
    }
    Require(box.empty() || (box.back() != '\r' && box.back() != '\n'));
    // Every line holds a character; only the first may be empty, when the file's first line was.
    const TextList lines = NumberListLines(box);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Require(!TrimSpaces(lines[i]).empty() || (i == 0 && lines[i].empty()));
    }
    return 0;
}
