#include "text/text_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A GBK character whose second byte is '[' (0x5B), and the full-width space.
const Text kTrail5B = "\x81\x5B";
const Text kFullSpace = "\xA1\xA1";

struct FindCase {
    Text text;
    Text sought;
    TextPos expected;
};

TEST(FindText, FindsOnlyAtCharacterBoundaries) {
    const std::vector<FindCase> cases = {
        {"abcabc", "c", 3},
        {"abc", "", 1},
        {"", "", -1},
        {"", "a", -1},
        {"ab", "abc", -1},
        {kTrail5B, "[", -1},
        {kTrail5B + "[", "[", 3},
        {"\xB0\xA1\x7D\x5D", "}]", 3},
        {"\xB0\x7D\x5D", "}]", -1},
        {"x\xB0\x7D\x5D", "}]", -1},
        {"a\x81", "\x81", 2},
        {"aaab", "aab", 2},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindText(c.text, c.sought), c.expected) << "text=" << c.text;
    }
}

struct CutCase {
    Text text;
    TextPos n;
    Text left;
    Text right;
};

TEST(TextLeftRight, ClampCounts) {
    const std::vector<CutCase> cases = {
        {"abc", 0, "", ""},     {"abc", -2, "", ""}, {"abc", 7, "abc", "abc"},
        {"abc", 2, "ab", "bc"}, {"", 3, "", ""},     {"\xB0\xA1z", 1, "\xB0", "z"},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(TextLeft(c.text, c.n), c.left) << c.text << " " << c.n;
        EXPECT_EQ(TextRight(c.text, c.n), c.right) << c.text << " " << c.n;
    }
}

struct BetweenCase {
    Text text;
    Text start;
    Text end;
    Text expected;
};

TEST(TextBetween, FollowsTheMarkerArithmetic) {
    const std::vector<BetweenCase> cases = {
        {"xxabOKcdyy", "ab", "cd", "OK"},
        {"xxabOKcdyycd", "ab", "cd", "OK"},
        {"xxabOKyy", "ab", "cd", ""},
        // Missing start marker of 3 bytes: the first byte is skipped.
        {"{\"a\":1}]tail", "[{ ", "}]", "\"a\":1"},
        // Missing start marker of 11 bytes: the value starts at the tenth byte.
        {"<html><body>x\"y", "\"message\":\"", "\"", "dy>x"},
        {"<html>", "\"message\":\"", "\"", ""},
        // Missing start marker of 1 or 2 bytes: the whole text is searched.
        {"abc]", "[", "]", "abc"},
        {"abc]", "[{", "]", "abc"},
        {"", "ab", "cd", ""},
        {"ab", "ab", "cd", ""},
    };
    for (const BetweenCase& c : cases) {
        EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected) << c.text;
    }
}

struct SplitCase {
    Text text;
    Text delimiter;
    TextList expected;
};

TEST(SplitText, KeepsInnerEmptyPiecesAndDropsTheTrailingOne) {
    const std::vector<SplitCase> cases = {
        {"a,,b,", ",", {"a", "", "b"}},
        {",a", ",", {"", "a"}},
        {"", ",", {}},
        {"abc", ",", {"abc"}},
        {",", ",", {""}},
        {"1\r\n\r\n2\r\n", "\r\n", {"1", "", "2"}},
        {"1\n2\r3", "\r\n", {"1\n2\r3"}},
        {"a},{b}, {c", "},{", {"a", "b}, {c"}},
        {"\x81},{", "},{", {"\x81},{"}},
        {"x\x81", ",", {"x\x81"}},
        {"abc", "", {"abc"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitText(c.text, c.delimiter), c.expected) << c.text;
    }
}

struct SpaceCase {
    Text text;
    Text trimmed;
    Text removed;
};

TEST(Spaces, HalfAndFullWidthSpacesAreSpacesTabsAreNot) {
    const std::vector<SpaceCase> cases = {
        {kFullSpace + kFullSpace + "ab \t", "ab \t", "ab\t"},
        {"   ", "", ""},
        {kFullSpace + " " + kFullSpace, "", ""},
        {" 1 2" + kFullSpace + "3 " + kFullSpace, "1 2" + kFullSpace + "3", "123"},
        {" ab  \x81", "ab  ", "ab"},
        {"\x81", "", ""},
        {"\xA1", "", ""},
        // The dangling lead byte is cut; the full-width space before it stays.
        {"a\xA1\xA1\xA1", "a\xA1\xA1", "a"},
        {"\xB0\xA1\xA1\xA1", "\xB0\xA1", "\xB0\xA1"},
        {"\xB0\xA1 ", "\xB0\xA1", "\xB0\xA1"},
        {"\r\n \r\n", "\r\n \r\n", "\r\n\r\n"},
        {"", "", ""},
    };
    for (const SpaceCase& c : cases) {
        EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << c.text;
        EXPECT_EQ(RemoveAllSpaces(c.text), c.removed) << c.text;
    }
}

TEST(JoinAndCompare, JoinAnyPartsAndCompareExactly) {
    EXPECT_EQ(JoinTexts(), "");
    EXPECT_EQ(JoinTexts(Text(), ""), "");
    EXPECT_EQ(JoinTexts(Text("a"), " ", std::string_view("b"), Text()), "a b");
    EXPECT_TRUE(TextsEqual(Text(), ""));
    EXPECT_FALSE(TextsEqual("ok", "ok "));
    EXPECT_FALSE(TextsEqual("ok", "OK"));
}

TEST(BytesAndText, ConvertUpToTheFirstZero) {
    EXPECT_EQ(BytesToText(ByteArray{'o', 'k', '\0', 'x'}), "ok");
    EXPECT_EQ(BytesToText(ByteArray{'o', 'k'}), "ok");
    EXPECT_EQ(BytesToText(ByteArray{}), "");
    EXPECT_EQ(TextToBytes("ok"), (ByteArray{'o', 'k'}));
    EXPECT_TRUE(TextToBytes("").empty());
}

}  // namespace
