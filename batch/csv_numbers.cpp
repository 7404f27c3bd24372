#include "batch/csv_numbers.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "tracking/tracking_request.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char32_t kReplacementCharacter = 0xFFFD;
// Stands for a character of a UTF-8 cell that GBK has no form for.
constexpr char kNoGbkForm = '?';

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

void AppendUtf8(std::string& utf8, char32_t character) {
    if (character < 0x80) {
        utf8 += static_cast<char>(character);
    } else if (character < 0x800) {
        utf8 += static_cast<char>(0xC0 | (character >> 6));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (character >> 12));
        utf8 += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (character >> 18));
        utf8 += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// UTF-16 in either byte order as UTF-8; a lone surrogate and an odd last byte become U+FFFD.
std::string Utf8OfUtf16(std::string_view bytes, bool big_endian) {
    const auto unit_at = [&](std::size_t at) -> char32_t {
        const char32_t first = ByteAt(bytes, at);
        const char32_t second = ByteAt(bytes, at + 1);
        return big_endian ? (first << 8) | second : (second << 8) | first;
    };
    std::string utf8;
    utf8.reserve(bytes.size() * 3 / 2);
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t unit = unit_at(at);
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t low = unit_at(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(utf8, unit >= 0xD800 && unit <= 0xDFFF ? kReplacementCharacter : unit);
    }
    if (at < bytes.size()) {
        AppendUtf8(utf8, kReplacementCharacter);
    }
    return utf8;
}

std::string UpToZeroByte(std::string text) {
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
    return text;
}

// A CSV file's text in the character set it is read in, its byte-order mark dropped. UTF-16 is
// turned into UTF-8.
struct CsvText {
    std::string bytes;
    bool utf8 = false;  // UTF-8 rather than GBK
};

CsvText DecodeCsvText(const ByteArray& file_bytes) {
    const std::string_view bytes(file_bytes.data(), file_bytes.size());
    if (bytes.starts_with(kUtf8Mark)) {
        return {UpToZeroByte(std::string(bytes.substr(kUtf8Mark.size()))), true};
    }
    if (bytes.starts_with(kUtf16LittleEndianMark) || bytes.starts_with(kUtf16BigEndianMark)) {
        const bool big_endian = bytes.starts_with(kUtf16BigEndianMark);
        return {UpToZeroByte(Utf8OfUtf16(bytes.substr(2), big_endian)), true};
    }
    std::string text = UpToZeroByte(std::string(bytes));
    const bool utf8 = IsValidUtf8(text);
    return {std::move(text), utf8};
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
std::optional<std::string> ReadRow(RowReader& reader, std::vector<std::string>& cells) {
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

bool IsBlankRow(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) {
        if (cell.find_first_not_of(' ') != std::string::npos) {
            return false;
        }
    }
    return true;
}

// A UTF-8 cell as GBK character by character, kNoGbkForm for each character GBK cannot hold.
Text GbkByCharacter(std::string_view utf8) {
    Text gbk;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = std::max<std::size_t>(Utf8CharacterLength(utf8, at), 1);
        const std::string_view character = utf8.substr(at, length);
        if (ByteAt(character, 0) < 0x80) {
            gbk += character;
        } else {
            const ByteArray converted = ConvertCharset(TextToBytes(character), "UTF-8", "GBK");
            gbk += converted.empty() ? std::string(1, kNoGbkForm)
                                     : std::string(converted.begin(), converted.end());
        }
        at += length;
    }
    return gbk;
}

// Cells of the text as GBK: unchanged for GBK; from UTF-8 in one conversion of them all (each
// cell ended by a zero byte, which no cell holds), or one by one when some cell has a character
// that GBK cannot hold.
TextList GbkCells(std::vector<std::string> cells, bool utf8) {
    if (!utf8 || cells.empty()) {
        return cells;
    }
    ByteArray joined;
    for (const std::string& cell : cells) {
        joined.insert(joined.end(), cell.begin(), cell.end());
        joined.push_back('\0');
    }
    const ByteArray converted = ConvertCharset(joined, "UTF-8", "GBK");
    if (converted.empty()) {
        for (std::string& cell : cells) {
            cell = GbkByCharacter(cell);
        }
        return cells;
    }
    TextList gbk;
    gbk.reserve(cells.size());
    auto start = converted.begin();
    for (auto at = converted.begin(); at != converted.end(); ++at) {
        if (*at == '\0') {
            gbk.emplace_back(start, at);
            start = at + 1;
        }
    }
    return gbk;
}

// The header row, read with the separator that splits it into more cells; none for an empty
// text.
std::variant<std::vector<std::string>, std::string> ReadHeader(RowReader& reader) {
    if (reader.text.empty()) {
        return std::vector<std::string>();
    }
    std::vector<std::string> by_comma;
    RowReader comma = reader;
    const std::optional<std::string> comma_problem = ReadRow(comma, by_comma);
    std::vector<std::string> by_tab;
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
    const CsvText text = DecodeCsvText(file_bytes);
    RowReader reader{text.bytes};
    std::variant<std::vector<std::string>, std::string> header_read = ReadHeader(reader);
    if (std::string* problem = std::get_if<std::string>(&header_read)) {
        return CsvColumnProblem{std::move(*problem), {}};
    }
    const TextList header =
        GbkCells(std::get<std::vector<std::string>>(std::move(header_read)), text.utf8);
    const std::optional<std::size_t> column = ColumnIndex(header, given, name_readings);
    if (!column) {
        return CsvColumnProblem{"no column '" + std::string(given) + "'", header};
    }
    std::vector<std::string> column_cells;
    std::vector<std::string> cells;
    while (reader.at < reader.text.size()) {
        if (std::optional<std::string> problem = ReadRow(reader, cells)) {
            return CsvColumnProblem{std::move(*problem), header};
        }
        if (cells.size() > *column) {
            column_cells.push_back(std::move(cells[*column]));
        } else if (!IsBlankRow(cells)) {
            return CsvColumnProblem{"row " + std::to_string(reader.row) + " has " +
                                        std::to_string(cells.size()) +
                                        " cells, too few for column " + std::to_string(*column + 1),
                                    header};
        }
    }
    TextList numbers;
    for (const Text& cell : GbkCells(std::move(column_cells), text.utf8)) {
        Text number = RemoveAllSpaces(cell);
        if (!number.empty()) {
            numbers.push_back(std::move(number));
        }
    }
    return numbers;
}
