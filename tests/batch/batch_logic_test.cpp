// The window-free pieces of parcelio-batch: courier choice, the courier listing, the number
// lines of a list file, the progress line and the output's character set.
#include <gtest/gtest.h>

#include "batch/batch_output.h"
#include "batch/batch_runs.h"
#include "catalogue/courier_catalogue.h"

namespace {

class WithCatalogue : public testing::Test {
  protected:
    static void SetUpTestSuite() { LoadCatalogue(); }
};

using CourierChoice = WithCatalogue;

TEST_F(CourierChoice, ByNameTheLastRowWinsAndByCodeTheCodeItself) {
    struct Case {
        std::string_view given;
        std::optional<Text> code;
    };
    const Case cases[] = {
        {"UPS", "upsen"},
        {"TNT", "tnten"},
        {"联邦快递", "lianbangkuaidien"},
        {"加拿大邮政Canada Post", "canpostfr"},
        {"顺丰", "shunfengen"},
        {"顺丰速递", "shunfeng"},
        {"ems", "ems"},
        {"shunfeng", "shunfeng"},
        {"upsen", "upsen"},
        {"ups", "ups"},
        {"Ups", std::nullopt},
        {"UPS ", std::nullopt},
        {"", std::nullopt},
        {"-请选择-", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseTypeCode(CourierCatalogue, c.given), c.code) << c.given;
    }
}

using CourierListingTest = WithCatalogue;

TEST_F(CourierListingTest, HoldsTheGroupsRowsAsThePickerFillsThem) {
    struct Case {
        std::string_view group;
        std::size_t lines;
        std::string_view first;
        std::string_view last;
    };
    const Case cases[] = {
        {"全部", 148, "", ""},
        {"A-E", 24, "澳大利亚邮政", ""},
        {"F-J", 33, "Fedex-国际件-英文结果", ""},
        {"K-O", 18, "快捷速递", "neweggozzo 新蛋奥硕物流"},
        {"P-T", 29, "凡客如风达", ""},
        {"U-Z", 44, "包裹/平邮/挂号信", ""},
    };
    for (const Case& c : cases) {
        const TextList lines = SplitText(CourierListing(CourierCatalogue, c.group), "\r\n");
        ASSERT_EQ(lines.size(), c.lines) << c.group;
        EXPECT_NE(lines.front().find(c.first), std::string::npos) << lines.front();
        EXPECT_NE(lines.back().find(c.last), std::string::npos) << lines.back();
    }
    const TextList all = SplitText(CourierListing(CourierCatalogue, "全部"), "\r\n");
    for (std::size_t row = 0; row < all.size(); ++row) {
        const CourierEntry& entry = CourierCatalogue[row];
        EXPECT_EQ(all[row], JoinTexts(entry.code, " ", entry.name));
    }
}

TEST(NumberLines, FollowTheImportRules) {
    struct Case {
        std::string_view file;
        TextList lines;
    };
    const Case cases[] = {
        {"111\r\n 222 \r\n\r\n333\r\n", {"111", "222", "333"}},
        {"\r\n111", {"111"}},
        {"SF 123  456\r\n　　\r\n", {"SF123456"}},
        {"111\n222\n", {"111\n222\n"}},
        {std::string_view("111\r\n\0"
                          "222\r\n",
                          11),
         {"111"}},
        {"a\tb\r\n", {"a\tb"}},
        {"", {}},
        {"\r\n\r\n", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberLines(ByteArray(c.file.begin(), c.file.end())), c.lines) << c.file;
    }
}

TEST(NumberLines, AMissingFileIsNoList) {
    EXPECT_FALSE(ReadNumberLines(std::string("/nonexistent/parcelio/list.txt")));
    EXPECT_FALSE(ReadNumberLines(std::string("/")));
}

TEST(ProgressLineTest, ShowsCountFailuresRateAndTimeLeft) {
    struct Case {
        std::size_t done;
        std::size_t total;
        std::size_t failed;
        long long elapsed_ms;
        std::string line;
    };
    const Case cases[] = {
        {0, 1000, 0, 0, "0/1000 numbers, 0 failed, --/s, -- left"},
        {5, 10, 0, 0, "5/10 numbers, 0 failed, --/s, -- left"},
        {100, 1000, 3, 2000, "100/1000 numbers, 3 failed, 50.0/s, 0:18 left"},
        {1, 3601, 1, 1000, "1/3601 numbers, 1 failed, 1.0/s, 60:00 left"},
        {7, 7, 0, 350, "7/7 numbers, 0 failed, 20.0/s, 0:00 left"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressLine(c.done, c.total, c.failed, c.elapsed_ms), c.line);
    }
}

TEST(OutputText, GbkUnchangedOrUtf8) {
    struct Case {
        std::string_view gbk;
        bool utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"111 -- 单号不存在\r\n", false, "111 -- 单号不存在\r\n"},
        {"111 -- 单号不存在\r\n", true,
         "111 -- \xe5\x8d\x95\xe5\x8f\xb7\xe4\xb8\x8d\xe5\xad\x98"
         "\xe5\x9c\xa8\r\n"},
        {"", true, ""},
        // A lone lead byte is no GBK: written as it is rather than dropped.
        {"12\x81\r\n", true, "12\x81\r\n"},
    };
    for (const Case& c : cases) {
        const ByteArray bytes = OutputBytes(c.gbk, c.utf8);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.bytes);
    }
}

TEST(OutputText, ArgumentsAreTakenInTheChosenCharacterSet) {
    EXPECT_EQ(ArgumentText("UPS", true), "UPS");
    EXPECT_EQ(ArgumentText("\xe9\xa1\xba\xe4\xb8\xb0", true), "顺丰");
    EXPECT_EQ(ArgumentText("顺丰", false), "顺丰");
    EXPECT_EQ(ArgumentText("\xff\xfe", true), std::nullopt);
    EXPECT_EQ(ArgumentText("\xf0\x9f\x93\xa6", true), std::nullopt);  // no GBK form
}

}  // namespace
