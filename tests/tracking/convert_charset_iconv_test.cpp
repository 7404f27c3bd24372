// Conversions between character sets that only iconv knows (the Windows converter knows UTF-8
// and GBK alone).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/literals.h"
#include "tracking/convert_charset.h"

namespace {

struct ConversionCase {
    const char* what;
    ByteArray input;
    std::string to;
    ByteArray expected;
};

TEST(ConvertCharsetWithIconv, ConvertsFromUtf8ToOtherCharacterSets) {
    const std::vector<ConversionCase> cases = {
        {"shift back at the end", Bytes(Utf8(u8"日本")), "ISO-2022-JP", Bytes("\x1B$BF|K\\\x1B(B")},
        {"tag character kept in UTF-16", Bytes(Utf8(u8"b\U000E0001")), "UTF-16LE",
         Bytes(std::string("b\0\x40\xDB\x01\xDC", 6))},
        {"tag character kept in GB18030", Bytes(Utf8(u8"\U000E0001")), "GB18030",
         Bytes("\xD3\x36\x95\x39")},
        {"tag character outside GB2312", Bytes(Utf8(u8"中\U000E0001")), "GB2312", {}},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(ConvertCharset(c.input, "UTF-8", c.to), c.expected) << c.what;
    }
}

TEST(ConvertCharsetWithIconv, GrowsItsBufferSeveralTimesInARow) {
    // Four bytes out for every byte in.
    std::string ascii;
    ByteArray wide;
    for (int i = 0; i < 10000; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        ascii += c;
        wide.insert(wide.end(), {c, '\0', '\0', '\0'});
    }
    EXPECT_EQ(ConvertCharset(Bytes(ascii), "UTF-8", "UTF-32LE"), wide);
    EXPECT_EQ(ConvertCharset(Bytes("z"), "UTF-8", "UTF-32LE"), Bytes(std::string("z\0\0\0", 4)));
}

}  // namespace
