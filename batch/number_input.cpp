#include "batch/number_input.h"

#include <cstdio>

#include "runs/file_io.h"
#include "runs/import_export_text.h"

namespace {

std::optional<ByteArray> ReadStandardInput() {
    ByteArray bytes;
    char chunk[64 * 1024];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (std::ferror(stdin)) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

TextList NumberLines(const ByteArray& list_bytes) {
    TextList kept;
    for (Text& line : SplitText(ImportedNumberText(list_bytes), "\r\n")) {
        if (!line.empty()) {
            kept.push_back(std::move(line));
        }
    }
    return kept;
}

std::optional<TextList> ReadNumberLines(const std::optional<std::string>& path) {
    const std::optional<ByteArray> bytes = path ? ReadWholeFile(*path) : ReadStandardInput();
    if (!bytes) {
        return std::nullopt;
    }
    return NumberLines(*bytes);
}
