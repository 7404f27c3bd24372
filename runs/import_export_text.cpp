#include "runs/import_export_text.h"

#include <cstddef>
#include <string_view>

#include "runs/number_list.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr char kCellSeparator = ' ';

void AppendBytes(ByteArray& bytes, std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

}  // namespace

Text ImportedNumberText(const ByteArray& file_bytes) {
    const TextList lines = NumberListLines(RemoveAllSpaces(NumberListText(file_bytes)));
    std::size_t size = 0;
    for (const Text& line : lines) {
        size += kLineBreak.size() + line.size();
    }
    Text box_text;
    box_text.reserve(size);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (TrimSpaces(lines[index]).empty()) {
            continue;
        }
        if (index > 0) {
            box_text.append(kLineBreak);
        }
        box_text.append(lines[index]);
    }
    return box_text;
}

ByteArray ExportedRowBytes(const RowCellsList& rows) {
    std::size_t size = 0;
    for (const RowCells& row : rows) {
        size += row[0].size() + row[1].size() + row[2].size() + 2 + kLineBreak.size();
    }
    ByteArray bytes;
    bytes.reserve(size);
    for (const RowCells& row : rows) {
        AppendBytes(bytes, row[0]);
        bytes.push_back(kCellSeparator);
        AppendBytes(bytes, row[1]);
        bytes.push_back(kCellSeparator);
        AppendBytes(bytes, row[2]);
        AppendBytes(bytes, kLineBreak);
    }
    return bytes;
}
