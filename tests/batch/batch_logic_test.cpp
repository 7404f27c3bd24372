// The window-free pieces of parcelio-batch: courier choice, the courier listing, the number
// lines of a list file, the progress line, the character sets and the output formats.
#include <gtest/gtest.h>

#include "batch/batch_formats.h"
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
        {"111\n222\r333\n", {"111", "222", "333"}},
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

TEST(ProgressLineTest, IsRedrawnOverTheOldOneWithSpaces) {
    struct Case {
        std::string_view line;
        std::size_t shown_width;
        std::string redraw;
    };
    const Case cases[] = {
        {"1/3 numbers", 0, "\r1/3 numbers"},
        {"10/30 numbers", 11, "\r10/30 numbers"},
        {"9/30", 7, "\r9/30   "},
        {"", 4, "\r    \r"},
        {"", 0, "\r\r"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressRedraw(c.line, c.shown_width), c.redraw) << c.line;
    }
}

TEST(OutputText, TheCharacterSetFollowsTheTerminalUnlessNamed) {
    struct Case {
        Encoding encoding;
        TerminalKind terminal;
        StreamCharset charset;
    };
    const Case cases[] = {
        {Encoding::kFollowTerminal, TerminalKind::kNone, {false, false}},
        {Encoding::kFollowTerminal, TerminalKind::kGbk, {false, false}},
        {Encoding::kFollowTerminal, TerminalKind::kUtf8, {true, false}},
        {Encoding::kFollowTerminal, TerminalKind::kWideConsole, {true, true}},
        {Encoding::kGbk, TerminalKind::kUtf8, {false, false}},
        {Encoding::kGbk, TerminalKind::kWideConsole, {false, false}},
        {Encoding::kUtf8, TerminalKind::kNone, {true, false}},
        {Encoding::kUtf8, TerminalKind::kWideConsole, {true, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseCharset(c.encoding, c.terminal), c.charset)
            << static_cast<int>(c.encoding) << " " << static_cast<int>(c.terminal);
    }
}

TEST(OutputText, CommandLineTextsAreReadInTheirCharacterSet) {
    struct Case {
        std::string_view argument;
        Encoding encoding;
        bool arguments_utf8;
        std::vector<Text> readings;
    };
    const std::string utf8_name = "\xe9\xa1\xba\xe4\xb8\xb0";  // 顺丰 in UTF-8
    const Case cases[] = {
        {"ems", Encoding::kFollowTerminal, false, {"ems"}},
        {"顺丰", Encoding::kFollowTerminal, false, {"顺丰"}},
        {utf8_name, Encoding::kFollowTerminal, false, {utf8_name, "顺丰"}},
        {utf8_name, Encoding::kUtf8, false, {"顺丰"}},
        {utf8_name, Encoding::kGbk, false, {utf8_name}},
        {"顺丰", Encoding::kUtf8, false, {}},         // GBK bytes are no UTF-8
        {utf8_name, Encoding::kGbk, true, {"顺丰"}},  // Windows: always UTF-8
        {"\xff", Encoding::kFollowTerminal, false, {"\xff"}},
        {"", Encoding::kFollowTerminal, false, {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ArgumentReadings(c.argument, c.encoding, c.arguments_utf8), c.readings)
            << c.argument;
    }
}

std::string AsString(const ByteArray& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(OutputFormats, CsvQuotesOnlyTheCellsThatNeedIt) {
    struct Case {
        RowCells cells;
        std::string row;
    };
    const Case cases[] = {
        {{"111", "2026-12-06 16:05", "已签收"}, "111,2026-12-06 16:05,已签收\r\n"},
        {{" 111", "--", ""}, " 111,--,\r\n"},
        {{"SF,1", "t", "a,b"}, "\"SF,1\",t,\"a,b\"\r\n"},
        {{"1\"2", "t", "say \"hi\""}, "\"1\"\"2\",t,\"say \"\"hi\"\"\"\r\n"},
        {{"1", "t", "two\r\nlines"}, "1,t,\"two\r\nlines\"\r\n"},
        {{"1", "t", "lone\nfeed"}, "1,t,\"lone\nfeed\"\r\n"},
        {{"1", "t", "tab\tand 'quote'"}, "1,t,tab\tand 'quote'\r\n"},
        // The trail byte of a GBK character is never a comma or a quote.
        {{"1", "t", "北京"}, "1,t,北京\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvRow(c.cells), c.row);
    }
}

TEST(OutputFormats, JsonStringsAreUtf8WithTheirSpecialCharactersEscaped) {
    struct Case {
        std::string_view gbk;
        std::string json;
    };
    const Case cases[] = {
        {"", "\"\""},
        {"ok", "\"ok\""},
        {"已签收", "\"\xe5\xb7\xb2\xe7\xad\xbe\xe6\x94\xb6\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"1\r\n2\t3\n", "\"1\\r\\n2\\t3\\n\""},
        {"\x01\x1f", "\"\\u0001\\u001f\""},
        {"/<>", "\"/<>\""},
        // Bytes that are no GBK: the character each one stands in is lost, the rest kept.
        {"12\x81", "\"12\xef\xbf\xbd\""},
        {"\xff签", "\"\xef\xbf\xbd\xe7\xad\xbe\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.gbk), c.json) << c.gbk;
    }
}

TEST(OutputFormats, OneRecordPerAnswerInEachFormat) {
    const TrackingEvent step{"111", "t2", "已签收"};
    struct Case {
        const char* name;
        OutputFormat format;
        bool utf8;
        BatchAnswer answer;
        std::string record;
    };
    const Case cases[] = {
        {"export step", OutputFormat::kExport, false, {"111", "ok", step}, "111 t2 已签收\r\n"},
        {"export utf-8",
         OutputFormat::kExport,
         true,
         {"111", "ok", step},
         "111 t2 \xe5\xb7\xb2\xe7\xad\xbe\xe6\x94\xb6\r\n"},
        {"export refusal",
         OutputFormat::kExport,
         false,
         {" 2", "单号不存在", {}},
         " 2 -- 单号不存在\r\n"},
        {"csv no step", OutputFormat::kCsv, false, {"3", "ok", {}}, "3,--,暂无跟踪记录\r\n"},
        {"csv unreachable", OutputFormat::kCsv, false, {"4", "", {}}, "4,--,\r\n"},
        {"jsonl step",
         OutputFormat::kJsonl,
         false,
         {"111", "ok", step},
         "{\"number\":\"111\",\"ok\":true,\"message\":\"ok\",\"time\":\"t2\",\"context\":"
         "\"\xe5\xb7\xb2\xe7\xad\xbe\xe6\x94\xb6\",\"error\":null}\n"},
        {"jsonl no step",
         OutputFormat::kJsonl,
         true,
         {"3", "ok", {}},
         "{\"number\":\"3\",\"ok\":true,\"message\":\"ok\",\"time\":null,\"context\":null,"
         "\"error\":null}\n"},
        {"jsonl unreachable",
         OutputFormat::kJsonl,
         false,
         {"4", "", {}, "no such host"},
         "{\"number\":\"4\",\"ok\":false,\"message\":\"\",\"time\":null,\"context\":null,"
         "\"error\":\"no such host\"}\n"},
        {"jsonl case of ok",
         OutputFormat::kJsonl,
         false,
         {"5", "OK", step},
         "{\"number\":\"5\",\"ok\":false,\"message\":\"OK\",\"time\":\"t2\",\"context\":"
         "\"\xe5\xb7\xb2\xe7\xad\xbe\xe6\x94\xb6\",\"error\":null}\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AsString(RecordBytes(c.format, c.answer, c.utf8)), c.record) << c.name;
    }
}

TEST(OutputFormats, OnlyCsvHasAHeaderRow) {
    EXPECT_EQ(AsString(HeaderBytes(OutputFormat::kCsv, false, false)),
              "快件单号,操作时间,最近状态\r\n");
    EXPECT_EQ(AsString(HeaderBytes(OutputFormat::kCsv, true, false)),
              "快件单号,操作时间,走件流程\r\n");
    EXPECT_EQ(AsString(HeaderBytes(OutputFormat::kCsv, false, true)),
              "\xe5\xbf\xab\xe4\xbb\xb6\xe5\x8d\x95\xe5\x8f\xb7,\xe6\x93\x8d\xe4\xbd\x9c\xe6\x97"
              "\xb6\xe9\x97\xb4,\xe6\x9c\x80\xe8\xbf\x91\xe7\x8a\xb6\xe6\x80\x81\r\n");
    EXPECT_TRUE(HeaderBytes(OutputFormat::kExport, false, false).empty());
    EXPECT_TRUE(HeaderBytes(OutputFormat::kJsonl, true, true).empty());
}

}  // namespace
