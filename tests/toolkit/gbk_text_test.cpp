#include "toolkit/gbk_text.h"

#include <gtest/gtest.h>

namespace {

struct GbkCase {
    const char* label;
    Text gbk;
    const wchar_t* wide;
};

class GbkRoundTrip : public ::testing::TestWithParam<GbkCase> {};

TEST_P(GbkRoundTrip, ConvertsBothWays) {
    const GbkCase& c = GetParam();
    EXPECT_EQ(GbkToWx(c.gbk), wxString(c.wide));
    EXPECT_EQ(WxToGbk(wxString(c.wide)), c.gbk);
}

// The narrow literals are GBK in the program; the wide ones say what they must read as.
INSTANTIATE_TEST_SUITE_P(
    Texts, GbkRoundTrip,
    ::testing::Values(GbkCase{"empty", "", L""}, GbkCase{"ascii", "Parceliov1.4", L"Parceliov1.4"},
                      GbkCase{"chinese", "查询", L"查询"},
                      GbkCase{"mode_caption", "批量◢", L"批量◢"},
                      GbkCase{"full_width_space", "单\xA1\xA1号", L"单\u3000号"},
                      GbkCase{"mixed", "作者QQ：10086", L"作者QQ：10086"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(GbkText, LiteralIsTwoBytesPerChineseCharacter) {
    EXPECT_EQ(Text("查询"), Text("\xB2\xE9\xD1\xAF"));
}

TEST(GbkText, InvalidBytesBecomeReplacementCharacterAndKeepTheRest) {
    // 0xFF and a lead byte with nothing after it are no GBK characters.
    EXPECT_EQ(GbkToWx("a\xFF\xB2\xE9"), wxString(L"a\uFFFD查"));
    EXPECT_EQ(GbkToWx("查\xB2"), wxString(L"查\uFFFD"));
}

TEST(GbkText, CharactersOutsideGbkBecomeQuestionMarks) {
    EXPECT_EQ(WxToGbk(wxString(L"单号\U0001F600x")), Text("单号?x"));
    EXPECT_EQ(WxToGbk(wxString(L"\u0E01")), Text("?"));
}

TEST(GbkText, ConversionStopsAtZeroCharacter) {
    const wchar_t with_zero[] = L"ab\0cd";
    EXPECT_EQ(WxToGbk(wxString(with_zero, 5)), Text("ab"));
}

}  // namespace
