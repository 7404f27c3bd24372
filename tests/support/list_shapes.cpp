#include "tests/support/list_shapes.h"

#include <iconv.h>

#include <stdexcept>

namespace {

// text (UTF-8) in the character set named, through the C library's converter.
std::string Encoded(std::string_view text, const char* charset) {
    const iconv_t converter = iconv_open(charset, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no converter to ") + charset);
    }
    std::string input(text);
    std::string output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t in_left = input.size();
    std::size_t out_left = output.size();
    const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error(std::string("cannot write the list in ") + charset);
    }
    output.resize(output.size() - out_left);
    return output;
}

}  // namespace

const std::vector<ListShape>& ListShapes() {
    using enum ListEncoding;
    static const std::vector<ListShape> shapes = {
        // Notepad, a column copied from a spreadsheet on Windows.
        {"WindowsLineEnds", u8"111\r\n222\r\n333\r\n", Gbk, {"111", "222", "333"}},
        // Every Linux editor, seq and printf in a pipe, a column copied from a spreadsheet on
        // Linux.
        {"LinuxLineEnds", u8"111\n222\n\n333\n", Gbk, {"111", "222", "333"}},
        {"OldMacLineEnds", u8"111\r222\r", Gbk, {"111", "222"}},
        {"MixedLineEnds", u8"111\r\n222\n333\r444", Gbk, {"111", "222", "333", "444"}},
        {"NoFinalLineEnd", u8"111\n222", Gbk, {"111", "222"}},
        {"EmptyLines", u8"\n111\r\n\r\n\n222\n\n", Gbk, {"111", "222"}},
        {"Utf8WithMark", u8"SF111\r\nSF222\r\n", Utf8WithMark, {"SF111", "SF222"}},
        {"Utf8WithoutMark", u8"SF111\nSF222\n", Utf8, {"SF111", "SF222"}},
        // Notepad's "Unicode" and "Unicode big endian".
        {"Utf16LeWithMark", u8"111\r\n222\r\n", Utf16LeWithMark, {"111", "222"}},
        {"Utf16BeWithMark", u8"111\n222", Utf16BeWithMark, {"111", "222"}},
        {"GbkChineseAroundNumbers", u8"顺丰SF111\r\n中通:222\r\n", Gbk, {"顺丰SF111", "中通:222"}},
        {"Utf8ChineseAroundNumbers",
         u8"顺丰SF111\n中通:222\n",
         Utf8WithMark,
         {"顺丰SF111", "中通:222"}},
        // A Chinese input method in full-width mode.
        {"FullWidthDigitsAndLetters", u8"ＳＦ１１１\r\nｊｄ２２２\n", Gbk, {"SF111", "jd222"}},
    };
    return shapes;
}

std::string ListFileBytes(const ListShape& shape) {
    const std::string_view text(reinterpret_cast<const char*>(shape.text.data()),
                                shape.text.size());
    switch (shape.encoding) {
        case ListEncoding::Gbk:
            return Encoded(text, "GBK");
        case ListEncoding::Utf8:
            return std::string(text);
        case ListEncoding::Utf8WithMark:
            return "\xEF\xBB\xBF" + std::string(text);
        case ListEncoding::Utf16LeWithMark:
            return "\xFF\xFE" + Encoded(text, "UTF-16LE");
        case ListEncoding::Utf16BeWithMark:
            return "\xFE\xFF" + Encoded(text, "UTF-16BE");
    }
    return {};
}

std::string ListClipboardText(const ListShape& shape) {
    return std::string(shape.text.begin(), shape.text.end());
}
