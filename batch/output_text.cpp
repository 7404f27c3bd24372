#include "batch/output_text.h"

#include "tracking/tracking_request.h"

ByteArray OutputBytes(std::string_view gbk_text, bool utf8) {
    const ByteArray gbk = TextToBytes(gbk_text);
    if (!utf8 || gbk.empty()) {
        return gbk;
    }
    ByteArray converted = ConvertCharset(gbk, "GBK", "UTF-8");
    return converted.empty() ? gbk : converted;
}

std::optional<Text> ArgumentText(std::string_view argument, bool utf8) {
    if (!utf8 || argument.empty()) {
        return Text(argument);
    }
    const ByteArray converted = ConvertCharset(TextToBytes(argument), "UTF-8", "GBK");
    if (converted.empty()) {
        return std::nullopt;
    }
    return BytesToText(converted);
}
