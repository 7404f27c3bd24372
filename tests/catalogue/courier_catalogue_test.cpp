#include "catalogue/courier_catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <vector>

namespace {

class CatalogueTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { LoadCatalogue(); }
};

TEST_F(CatalogueTest, TextIsTheStoredRowsInGbk) {
    const std::string_view text = CatalogueText();
    EXPECT_EQ(text.size(), 3453u);
    EXPECT_TRUE(text.starts_with("A|auspost|\xB0\xC4\xB4\xF3\xC0\xFB\xD1\xC7\xD3\xCA\xD5\xFE\r\n"));
    EXPECT_FALSE(text.ends_with("\r\n"));
    EXPECT_EQ(SplitText(text, "\r\n").size(), 148u);
}

struct RowCase {
    int row;
    Text letter;
    Text code;
    Text name;
};

TEST_F(CatalogueTest, RowsHoldTheirFieldsInStoredOrder) {
    const std::vector<RowCase> cases = {
        {1, "A", "auspost", "澳大利亚邮政"},
        {6, "Y", "youzhengguonei", "包裹/平邮/挂号信"},
        {12, "C", "canpost", "加拿大邮政Canada Post"},
        {13, "C", "canpostfr", "加拿大邮政Canada Post"},
        {22, "E", "ems", "EMS"},
        {24, "E", "ems", "EMS"},
        {51, "H", "haihongwangsong", "山东海红"},
        {95, "H", "haihongwangsong", "山东海红"},
        {97, "H", "haihongwangsong", "山东海红"},
        {119, "N", "neweggozzo", "新蛋奥硕物流"},
        {148, "Z", "zhongtianwanyun", "中天万运"},
    };
    ASSERT_EQ(CourierCatalogue.size(), 148u);
    for (const RowCase& c : cases) {
        const CourierEntry& entry = CourierCatalogue[static_cast<std::size_t>(c.row - 1)];
        EXPECT_EQ(entry.letter, c.letter) << "row " << c.row;
        EXPECT_EQ(entry.code, c.code) << "row " << c.row;
        EXPECT_EQ(entry.name, c.name) << "row " << c.row;
    }
}

TEST_F(CatalogueTest, LettersMatchCodesAndCountsPerLetter) {
    const std::map<char, int> expected = {
        {'A', 3},  {'B', 3}, {'C', 7}, {'D', 8}, {'E', 3}, {'F', 7},  {'G', 5},  {'H', 12},
        {'J', 9},  {'K', 3}, {'L', 8}, {'M', 4}, {'N', 1}, {'O', 2},  {'Q', 5},  {'R', 2},
        {'S', 15}, {'T', 7}, {'U', 3}, {'W', 3}, {'X', 5}, {'Y', 21}, {'Z', 12},
    };
    std::map<char, int> counted;
    for (const CourierEntry& entry : CourierCatalogue) {
        ASSERT_EQ(entry.letter.size(), 1u);
        ASSERT_FALSE(entry.code.empty());
        EXPECT_EQ(entry.letter[0], std::toupper(static_cast<unsigned char>(entry.code[0])))
            << entry.code;
        ++counted[entry.letter[0]];
    }
    EXPECT_EQ(counted, expected);
}

TEST_F(CatalogueTest, ReloadingRebuildsTheSameTable) {
    const CourierTable before = CourierCatalogue;
    LoadCatalogue();
    ASSERT_EQ(CourierCatalogue.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(CourierCatalogue[i].name, before[i].name);
        EXPECT_EQ(CourierCatalogue[i].code, before[i].code);
    }
}

}  // namespace
