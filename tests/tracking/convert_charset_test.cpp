#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/literals.h"
#include "tracking/convert_charset.h"

namespace {

struct ConversionCase {
    const char* what;
    ByteArray input;
    ByteArray expected;
    std::string from = "UTF-8";
    std::string to = "GBK";
};

TEST(ConvertCharset, ConvertsAllOrNothing) {
    ByteArray cut = Bytes(Utf8(u8"查询"));
    cut.pop_back();
    const std::vector<ConversionCase> cases = {
        {"ascii", Bytes("ok 123"), Bytes("ok 123")},
        {"chinese", Bytes(Utf8(u8"查询执行完成")), Bytes("查询执行完成")},
        {"zero byte kept", Bytes(std::string("a\0b", 3)), Bytes(std::string("a\0b", 3))},
        {"empty input", {}, {}},
        {"invalid byte", Bytes("ok\xFF ok"), {}},
        {"cut at the end", cut, {}},
        {"outside GBK", Bytes(Utf8(u8"到达😀")), {}},
        {"unsupported pair", Bytes("ok"), {}, "UTF-8", "NO-SUCH-CHARSET"},
        {"unsupported source", Bytes("ok"), {}, "NO-SUCH-CHARSET"},
        {"back to UTF-8", Bytes("查询"), Bytes(Utf8(u8"查询")), "GBK", "UTF-8"},
        {"GBK by its code page name", Bytes(Utf8(u8"查询")), Bytes("查询"), "utf8", "CP936"},
        {"lone lead byte of GBK", Bytes("查\x81"), {}, "GBK", "UTF-8"},
        {"lone surrogate", Bytes("a\xED\xA0\x80" + std::string("b")), {}},
        {"overlong form", Bytes("\xC0\xAF"), {}},
        {"lone continuation byte", Bytes("a\x80"), {}},
        {"surrogate pair encoded separately", Bytes("\xED\xA0\xBD\xED\xB8\x80"), {}},
        {"byte order mark has no GBK form", Bytes(Utf8(u8"\uFEFFok")), {}},
        {"tag character outside GBK", Bytes(Utf8(u8"b\U000E0000")), {}},
        {"language tags between characters", Bytes(Utf8(u8"到\U000E0001\U000E007F达")), {}},
        {"last tag character", Bytes(Utf8(u8"\U000E007F")), {}},
        {"next to the tags is no tag", Bytes(Utf8(u8"\U000E0080")), {}},
        {"tag character kept where the target holds it", Bytes(Utf8(u8"b\U000E0001")),
         Bytes(Utf8(u8"b\U000E0001")), "UTF-8", "UTF-8"},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(ConvertCharset(c.input, c.from, c.to), c.expected) << c.what;
    }
}

TEST(ConvertCharset, FailsOnATagCharacterFarIntoALongInput) {
    std::u8string text;
    for (int i = 0; i < 20000; ++i) {
        text += u8"快";
    }
    EXPECT_EQ(ConvertCharset(Bytes(Utf8(text)), "UTF-8", "GBK").size(), 40000U);
    text += u8"\U000E0041";
    EXPECT_TRUE(ConvertCharset(Bytes(Utf8(text)), "UTF-8", "GBK").empty());
}

TEST(ConvertCharset, GrowsItsBufferForLongerOutput) {
    std::string gbk;
    std::u8string utf8;
    for (int i = 0; i < 50000; ++i) {
        gbk += "快件a";
        utf8 += u8"快件a";
    }
    EXPECT_EQ(ConvertCharset(Bytes(gbk), "GBK", "UTF-8"), Bytes(Utf8(utf8)));
}

}  // namespace
