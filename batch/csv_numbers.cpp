#include "batch/csv_numbers.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "runs/number_list.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

unsigned char ByteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The length of the valid UTF-8 character that starts at at; 0 when none does (a stray byte,
// an overlong form, a surrogate or a number beyond U+10FFFF).
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
    const unsigned char lead = ByteAt(text, at);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char second_low = 0x80;
    unsigned char second_high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        second_low = lead == 0xE0 ? 0xA0 : 0x80;
        second_high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        second_low = lead == 0xF0 ? 0x90 : 0x80;
        second_high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    if (ByteAt(text, at + 1) < second_low || ByteAt(text, at + 1) > second_high) {
        return 0;
    }
    for (std::size_t next = 2; next < length; ++next) {
        if ((ByteAt(text, at + next) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharacterLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

// The GBK text of a CSV file: a file with a byte-order mark as a number list's (UTF-8 or UTF-16,
// "?" for a character GBK cannot hold); without a mark, a file that is valid UTF-8 the same way
// as UTF-8, any other as GBK. Up to the first zero character.
Text CsvFileText(const ByteArray& file_bytes) {
    const std::string_view bytes(file_bytes.data(), file_bytes.size());
    if (bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LittleEndianMark) ||
        bytes.starts_with(kUtf16BigEndianMark)) {
        return NumberListText(file_bytes);
    }
    Text text = BytesToText(file_bytes);
    if (!IsValidUtf8(text)) {
        return text;
    }
    return NumberListText(TextToBytes(JoinTexts(kUtf8Mark, text)));
}

// Reads a CSV text row by row.
struct RowReader {
    std::string_view text;
    char separator = ',';
    std::size_t at = 0;   // where the next row starts
    std::size_t row = 0;  // the number of the row read last, from 1
};

void SkipLineEnd(RowReader& reader) {
    if (reader.at < reader.text.size() && reader.text[reader.at] == '\r') {
        ++reader.at;
    }
    if (reader.at < reader.text.size() && reader.text[reader.at] == '\n') {
        ++reader.at;
    }
}

// The rest of a quoted cell whose opening quote is at reader.at, appended to cell; reader.at
// moves past the closing quote. False when the quote is never closed.
bool ReadQuotedCell(RowReader& reader, std::string& cell) {
    const std::string_view text = reader.text;
    ++reader.at;
    for (;;) {
        const std::size_t quote = text.find('"', reader.at);
        if (quote == std::string_view::npos) {
            return false;
        }
        cell.append(text.substr(reader.at, quote - reader.at));
        reader.at = quote + 1;
        if (reader.at == text.size() || text[reader.at] != '"') {
            return true;
        }
        cell += '"';
        ++reader.at;
    }
}

// Reads the row at reader.at into cells and moves past its line end. The problem when its
// quotes are not those of CSV.
std::optional<std::string> ReadRow(RowReader& reader, TextList& cells) {
    cells.clear();
    ++reader.row;
    const std::string_view text = reader.text;
    const char ends[] = {reader.separator, '\r', '\n', '\0'};
    for (;;) {
        std::string cell;
        if (reader.at < text.size() && text[reader.at] == '"') {
            if (!ReadQuotedCell(reader, cell)) {
                return "a quote opened in row " + std::to_string(reader.row) + " is never closed";
            }
            if (reader.at < text.size() &&
                std::string_view(ends).find(text[reader.at]) == std::string_view::npos) {
                return "text follows the closing quote of a cell in row " +
                       std::to_string(reader.row);
            }
        } else {
            const std::size_t end = std::min(text.find_first_of(ends, reader.at), text.size());
            cell.assign(text.substr(reader.at, end - reader.at));
            reader.at = end;
        }
        cells.push_back(std::move(cell));
        if (reader.at < text.size() && text[reader.at] == reader.separator) {
            ++reader.at;
            continue;
        }
        SkipLineEnd(reader);
        return std::nullopt;
    }
}

bool IsBlankRow(const TextList& cells) {
    for (const std::string& cell : cells) {
        if (cell.find_first_not_of(' ') != std::string::npos) {
            return false;
        }
    }
    return true;
}

// The header row, read with the separator that splits it into more cells; none for an empty
// text.
std::variant<TextList, std::string> ReadHeader(RowReader& reader) {
    if (reader.text.empty()) {
        return TextList();
    }
    TextList by_comma;
    RowReader comma = reader;
    const std::optional<std::string> comma_problem = ReadRow(comma, by_comma);
    TextList by_tab;
    RowReader tab = reader;
    tab.separator = '\t';
    if (!ReadRow(tab, by_tab) && by_tab.size() > by_comma.size()) {
        reader = tab;
        return by_tab;
    }
    if (comma_problem) {
        return *comma_problem;
    }
    reader = comma;
    return by_comma;
}

std::optional<std::size_t> ColumnIndex(const TextList& header, std::string_view given,
                                       const std::vector<Text>& name_readings) {
    for (const Text& reading : name_readings) {
        const Text name = TrimSpaces(reading);
        for (std::size_t index = 0; index < header.size(); ++index) {
            if (!name.empty() && TextsEqual(TrimSpaces(header[index]), name)) {
                return index;
            }
        }
    }
    std::size_t position = 0;
    const auto [end, error] = std::from_chars(given.data(), given.data() + given.size(), position);
    if (error != std::errc() || end != given.data() + given.size() || position < 1 ||
        position > header.size()) {
        return std::nullopt;
    }
    return position - 1;
}

}  // namespace

std::variant<TextList, CsvColumnProblem> ColumnNumbers(const ByteArray& file_bytes,
                                                       std::string_view given,
                                                       const std::vector<Text>& name_readings) {
    const Text text = CsvFileText(file_bytes);
    RowReader reader{text};
    std::variant<TextList, std::string> header_read = ReadHeader(reader);
    if (std::string* problem = std::get_if<std::string>(&header_read)) {
        return CsvColumnProblem{std::move(*problem), {}};
    }
    const TextList header = std::get<TextList>(std::move(header_read));
    const std::optional<std::size_t> column = ColumnIndex(header, given, name_readings);
    if (!column) {
        return CsvColumnProblem{"no column '" + std::string(given) + "'", header};
    }
    TextList numbers;
    TextList cells;
    while (reader.at < reader.text.size()) {
        if (std::optional<std::string> problem = ReadRow(reader, cells)) {
            return CsvColumnProblem{std::move(*problem), header};
        }
        if (cells.size() > *column) {
            Text number = RemoveAllSpaces(cells[*column]);
            if (!number.empty()) {
                numbers.push_back(std::move(number));
            }
        } else if (!IsBlankRow(cells)) {
            return CsvColumnProblem{"row " + std::to_string(reader.row) + " has " +
                                        std::to_string(cells.size()) +
                                        " cells, too few for column " + std::to_string(*column + 1),
                                    header};
        }
    }
    return numbers;
}
