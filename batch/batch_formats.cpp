#include "batch/batch_formats.h"

#include <cstdio>

#include "batch/batch_output.h"
#include "runs/import_export_text.h"
#include "tracking/convert_charset.h"
#include "tracking/tracking_reply.h"

namespace {

constexpr std::string_view kReplacement = "\xef\xbf\xbd";  // U+FFFD in UTF-8

bool NeedsQuotes(std::string_view cell) {
    return cell.find_first_of(",\"\r\n") != std::string_view::npos;
}

std::string CsvCell(std::string_view cell) {
    if (!NeedsQuotes(cell)) {
        return std::string(cell);
    }
    std::string quoted = "\"";
    for (const char byte : cell) {
        quoted += byte;
        if (byte == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string Utf8Of(std::string_view gbk) {
    const ByteArray converted = ConvertCharset(TextToBytes(gbk), "GBK", "UTF-8");
    return std::string(converted.begin(), converted.end());
}

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xfe;
}

bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xfe && byte != 0x7f;
}

// The UTF-8 of a GBK text that does not convert as a whole: character by character, with
// U+FFFD for each byte or pair that is no GBK character.
std::string Utf8ByCharacter(std::string_view gbk) {
    std::string utf8;
    for (std::size_t at = 0; at < gbk.size();) {
        const auto byte = static_cast<unsigned char>(gbk[at]);
        std::size_t length = 1;
        if (IsLeadByte(byte) && at + 1 < gbk.size() &&
            IsTrailByte(static_cast<unsigned char>(gbk[at + 1]))) {
            length = 2;
        }
        const std::string_view character = gbk.substr(at, length);
        const std::string converted = byte < 0x80 ? std::string(character) : Utf8Of(character);
        utf8 += converted.empty() ? std::string(kReplacement) : converted;
        at += length;
    }
    return utf8;
}

void AppendEscaped(std::string& json, std::string_view utf8) {
    for (const char byte : utf8) {
        switch (byte) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(byte) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
                    json += escape;
                } else {
                    json += byte;
                }
        }
    }
}

std::string JsonLine(const BatchAnswer& answer, ParcelState state) {
    const bool ok = TextsEqual(answer.message, kOkMessage);
    const RowCells cells = BatchRowCells(answer);
    std::string line = "{\"number\":" + JsonString(cells[0]) +
                       ",\"ok\":" + (ok ? "true" : "false") +
                       ",\"message\":" + JsonString(answer.message);
    if (answer.latest) {
        line += ",\"time\":" + JsonString(answer.latest->time) +
                ",\"context\":" + JsonString(answer.latest->context);
    } else {
        line += ",\"time\":null,\"context\":null";
    }
    line += ",\"state\":" + JsonString(ParcelStateKey(state)) +
            ",\"state_text\":" + JsonString(ParcelStateName(state)) + ",\"error\":";
    line += answer.message.empty() ? JsonString(answer.failure) : "null";
    return line + "}\n";
}

}  // namespace

Text CsvRow(const RowCells& cells, std::string_view last_cell) {
    return JoinTexts(CsvCell(cells[0]), ",", CsvCell(cells[1]), ",", CsvCell(cells[2]), ",",
                     CsvCell(last_cell), "\r\n");
}

std::string JsonString(std::string_view gbk_text) {
    std::string utf8 = Utf8Of(gbk_text);
    if (utf8.empty() && !gbk_text.empty()) {
        utf8 = Utf8ByCharacter(gbk_text);
    }
    std::string json = "\"";
    AppendEscaped(json, utf8);
    return json + "\"";
}

ByteArray HeaderBytes(OutputFormat format, bool steps, bool utf8) {
    if (format != OutputFormat::kCsv) {
        return {};
    }
    const RowCells header = {"快件单号", "操作时间", steps ? "走件流程" : "最近状态"};
    return OutputBytes(CsvRow(header, "状态"), utf8);
}

ByteArray RecordBytes(OutputFormat format, const BatchAnswer& answer, ParcelState state,
                      bool utf8) {
    switch (format) {
        case OutputFormat::kCsv:
            return OutputBytes(CsvRow(BatchRowCells(answer), ParcelStateName(state)), utf8);
        case OutputFormat::kJsonl:
            return TextToBytes(JsonLine(answer, state));
        case OutputFormat::kExport:
            break;
    }
    return OutputBytes(BytesToText(ExportedRowBytes({BatchRowCells(answer)})), utf8);
}
