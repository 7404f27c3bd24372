// The window-free pieces of parcelio-batch: courier choice, the courier listing, the number
// lines of a list file, the progress line, the character sets and the output formats.
#include <gtest/gtest.h>

#include "batch/batch_formats.h"
#include "batch/batch_output.h"
#include "batch/batch_runs.h"
#include "batch/csv_numbers.h"
#include "catalogue/courier_catalogue.h"
#include "runs/parcel_state.h"
#include "tests/support/literals.h"
#include "tracking/tracking_reply.h"

namespace {

class Couriers : public testing::Test {
  protected:
    static void SetUpTestSuite() { LoadCatalogue(); }
};

TEST_F(Couriers, ChosenByNameTheLastRowWinningOrByCode) {
    struct Case {
        std::string_view given;
        std::optional<Text> code;
    };
    const Case cases[] = {
        {"UPS", "upsen"},   {"顺丰", "shunfengen"},     {"顺丰速递", "shunfeng"},
        {"ems", "ems"},     {"shunfeng", "shunfeng"},   {"upsen", "upsen"},
        {"ups", "ups"},     {"Ups", std::nullopt},      {"UPS ", std::nullopt},
        {"", std::nullopt}, {"-请选择-", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseTypeCode(CourierCatalogue, c.given), c.code) << c.given;
    }
}

TEST_F(Couriers, ListedByGroupAsThePickerFillsThem) {
    struct Case {
        std::string_view group;
        std::size_t lines;
        std::string_view first;
        std::string_view last;
    };
    const Case cases[] = {
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
}

// The import rules themselves are runs/import_export_text_test.cpp's; here the box's lines, the
// empty ones dropped.
TEST(NumberLines, AreTheImportedBoxLinesWithoutEmptyOnes) {
    struct Case {
        std::string_view file;
        TextList lines;
    };
    const Case cases[] = {
        {"111\r\n 222 \r\n\r\n333\r\n", {"111", "222", "333"}},
        {"\r\n111", {"111"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberLines(ByteArray(c.file.begin(), c.file.end())), c.lines) << c.file;
    }
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
        {"111 -- 单号不存在\r\n", true, Utf8(u8"111 -- 单号不存在\r\n")},
        {"", true, ""},
        // A lone lead byte is no GBK: written as it is rather than dropped.
        {"12\x81\r\n", true, "12\x81\r\n"},
    };
    for (const Case& c : cases) {
        const ByteArray bytes = OutputBytes(c.gbk, c.utf8);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.bytes);
    }
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
        {"顺丰", Encoding::kUtf8, false, {}},              // GBK bytes are no UTF-8
        {"\xf0\x9f\x93\xa6", Encoding::kUtf8, false, {}},  // UTF-8 with no GBK form
        {utf8_name, Encoding::kGbk, true, {"顺丰"}},       // Windows: always UTF-8
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
        {{"111", "2026-12-06 16:05", "已签收"}, "111,2026-12-06 16:05,已签收,已签收\r\n"},
        {{" 111", "--", ""}, " 111,--,,已签收\r\n"},
        {{"SF,1", "t", "a,b"}, "\"SF,1\",t,\"a,b\",已签收\r\n"},
        {{"1\"2", "t", "say \"hi\""}, "\"1\"\"2\",t,\"say \"\"hi\"\"\",已签收\r\n"},
        {{"1", "t", "two\r\nlines"}, "1,t,\"two\r\nlines\",已签收\r\n"},
        {{"1", "t", "lone\nfeed"}, "1,t,\"lone\nfeed\",已签收\r\n"},
        {{"1", "t", "tab\tand 'quote'"}, "1,t,tab\tand 'quote',已签收\r\n"},
        // The trail byte of a GBK character is never a comma or a quote.
        {{"1", "t", "北京"}, "1,t,北京,已签收\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvRow(c.cells, "已签收"), c.row);
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
    using enum OutputFormat;
    using enum ParcelState;
    const TrackingEvent step{"111", "t2", "已签收"};
    const std::string signed_utf8 = Utf8(u8"已签收");
    const std::string failed_utf8 = Utf8(u8"查询失败");
    struct Case {
        OutputFormat format;
        bool utf8;
        BatchAnswer answer;
        ParcelState state;
        std::string record;
    };
    const Case cases[] = {
        {kExport, true, {"111", "ok", step, {}}, kDelivered, "111 t2 " + signed_utf8 + "\r\n"},
        {kExport, false, {"4", "", {}, {}, "connection refused"}, kFailed, "4 -- \r\n"},
        {kCsv, true, {"4", "", {}, {}}, kFailed, "4,--,," + failed_utf8 + "\r\n"},
        Case(kJsonl, false, {"111", "ok", step, {}}, kDelivered,
             "{\"number\":\"111\",\"ok\":true,\"message\":\"ok\",\"time\":\"t2\",\"context\":\"" +
                 signed_utf8 + "\",\"state\":\"delivered\",\"state_text\":\"" + signed_utf8 +
                 "\",\"error\":null}\n"),
        Case(kJsonl, true, {"3", "ok", {}, {}}, kNoRecord,
             "{\"number\":\"3\",\"ok\":true,\"message\":\"ok\",\"time\":null,\"context\":null,"
             "\"state\":\"no_record\",\"state_text\":\"" +
                 Utf8(u8"无记录") + "\",\"error\":null}\n"),
        Case(kJsonl, false, {"4", "", {}, {}, "connection refused"}, kFailed,
             "{\"number\":\"4\",\"ok\":false,\"message\":\"\",\"time\":null,\"context\":null,"
             "\"state\":\"failed\",\"state_text\":\"" +
                 failed_utf8 + "\",\"error\":\"connection refused\"}\n"),
        // Only "ok" in lower case is an answer.
        Case(kJsonl, false, {"5", "OK", step, {}}, kFailed,
             "{\"number\":\"5\",\"ok\":false,\"message\":\"OK\",\"time\":\"t2\",\"context\":\"" +
                 signed_utf8 + "\",\"state\":\"failed\",\"state_text\":\"" + failed_utf8 +
                 "\",\"error\":null}\n"),
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AsString(RecordBytes(c.format, c.answer, c.state, c.utf8)), c.record) << c.record;
    }
}

// A reply of the tracking service as the program reads it (GBK), with one step and the keys of
// head before its record list.
std::string OneStepReply(std::string_view head, std::string_view context) {
    return JoinTexts(R"({"message":"ok",)", head, R"("data":[{"time":"t1","context":")", context,
                     "\"}]}");
}

// The state of the parcel of a reply, as parcelio-batch reads it from the service.
ParcelState StateOfReply(const std::string& reply_text) {
    const TrackingReply reply = ParseTrackingReply(reply_text, "SF1");
    BatchAnswer answer = MakeBatchAnswer("SF1", reply.message, reply.events);
    if (TextsEqual(reply.message, kOkMessage)) {
        answer.state = ReadReplyState(reply_text);
    }
    return ParcelStateOf(answer);
}

TEST(ParcelStates, StepTextsAsServicesWriteThem) {
    struct Case {
        std::string_view context;
        ParcelState state;
    };
    const Case cases[] = {
        {"已签收，签收人：本人，感谢使用", ParcelState::kDelivered},
        {"快件已签收，签收人：门卫代收", ParcelState::kDelivered},
        {"【北京揽投部】已妥投", ParcelState::kDelivered},
        {"您的快件已从快递柜取出，感谢使用", ParcelState::kDelivered},
        {"【杭州市】快件已被 菜鸟驿站 代收，请及时取件", ParcelState::kPickup},
        {"已签收，签收人：驿站，如有疑问请联系派件员", ParcelState::kPickup},
        {"快件已存放至快递柜，请凭取件码 8-2-3012 取件", ParcelState::kPickup},
        {"快件已由 小区超市 代收，请及时领取", ParcelState::kPickup},
        {"【深圳市】退件签收，签收人：前台", ParcelState::kReturned},
        {"快件已退回，签收人：寄件人本人", ParcelState::kReturned},
        {"收件人拒收，快件将退回寄件人", ParcelState::kReturned},
        {"快件在海关查验，被海关扣留", ParcelState::kProblem},
        {"清关异常，请寄件人补充资料", ParcelState::kProblem},
        {"派送失败，收件人电话无法接通，明天再次派送", ParcelState::kProblem},
        {"未妥投，原因：收件人不在", ParcelState::kProblem},
        {"快件在【上海转运中心】滞留，原因：天气", ParcelState::kProblem},
        {"【杭州市】快递员 张三 正在派件", ParcelState::kOutForDelivery},
        {"快件派送中，派送员：李四，电话：13800000000", ParcelState::kOutForDelivery},
        {"【北京揽投部】安排投递，投递员：王五", ParcelState::kOutForDelivery},
        {"【深圳宝安】已揽收", ParcelState::kPickedUp},
        {"顺丰速运 已收取快件", ParcelState::kPickedUp},
        {"快件已被收寄", ParcelState::kPickedUp},
        {"快件已到达【上海转运中心】", ParcelState::kInTransit},
        {"快件已到达海关，清关中", ParcelState::kInTransit},
        // No phrase matches: in transit, also where 收件人 is only mentioned.
        {"快件已到达【北京】，请收件人保持电话畅通", ParcelState::kInTransit},
        {"", ParcelState::kInTransit},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParcelStateKey(StateOfReply(OneStepReply("", c.context))),
                  ParcelStateKey(c.state))
            << c.context;
    }
}

TEST(ParcelStates, TheReplysStateNumberComesBeforeTheText) {
    struct Case {
        std::string reply;
        ParcelState state;
    };
    const std::string_view station = "快件已被 菜鸟驿站 代收，请及时取件";
    const Case cases[] = {
        {OneStepReply(R"("state":"3",)", station), ParcelState::kDelivered},
        {OneStepReply(R"("state": 5 ,)", "到达【杭州】"), ParcelState::kOutForDelivery},
        {OneStepReply(R"("state":"13",)", "已签收"), ParcelState::kProblem},
        {OneStepReply(R"("state":"14",)", "已签收"), ParcelState::kReturned},
        // Numbers the table does not hold, and values that are no number: the text decides.
        {OneStepReply(R"("state":"9",)", "已签收"), ParcelState::kDelivered},
        {OneStepReply(R"("state":99,)", station), ParcelState::kPickup},
        {OneStepReply(R"("state":"-1",)", "已签收"), ParcelState::kDelivered},
        {OneStepReply(R"("state":"3a",)", "派件中"), ParcelState::kOutForDelivery},
        {OneStepReply(R"("state":3.5,)", "派件中"), ParcelState::kOutForDelivery},
        {OneStepReply(R"("state":"",)", "派件中"), ParcelState::kOutForDelivery},
        // Only the key of the reply's own object counts, also after the records, and a trail
        // byte 0x5C in a record is no escape.
        {R"({"message":"ok","data":[{"state":"3","time":"t1","context":"到达"}]})",
         ParcelState::kInTransit},
        {R"({"message":"ok","note":"\"state\":3","data":[{"time":"t1","context":"到达"}]})",
         ParcelState::kInTransit},
        {"{\"message\":\"ok\",\"data\":[{\"time\":\"t1\",\"context\":\"\x95\x5c\"}],\"state\":"
         "\"3\"}",
         ParcelState::kDelivered},
        // No step, no answer, a refusal: whatever the state number says.
        {R"({"message":"ok","state":"3","data":[]})", ParcelState::kNoRecord},
        {R"({"message":"单号不存在","state":"3","data":[]})", ParcelState::kFailed},
        {"", ParcelState::kFailed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParcelStateKey(StateOfReply(c.reply)), ParcelStateKey(c.state)) << c.reply;
    }
}

TEST(ParcelStates, TheSummaryCountsEachStateThatOccurred) {
    StateCounts counts = {};
    EXPECT_EQ(StateSummary(counts), "0 个单号");
    counts[static_cast<std::size_t>(ParcelState::kFailed)] = 5;
    counts[static_cast<std::size_t>(ParcelState::kDelivered)] = 212;
    counts[static_cast<std::size_t>(ParcelState::kPickup)] = 31;
    counts[static_cast<std::size_t>(ParcelState::kProblem)] = 6;
    EXPECT_EQ(StateSummary(counts), "254 个单号：已签收 212，待取件 31，问题件 6，查询失败 5");
}

// UTF-16 bytes with their byte-order mark.
std::string Utf16(std::u16string_view text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(CsvColumn, TakesTheNumbersOfOneColumnInFileOrder) {
    const std::string export_utf8 = Utf8(
        u8"订单号,收件人,快递公司,运单号\r\n"
        u8"1001,\"张三,二楼\",顺丰,SF1001\r\n"
        u8"1002,\"李四\r\n(前台)\",顺丰, SF 1002 \r\n"
        u8"1003,王五,顺丰,\r\n"
        u8"1004,\"赵\"\"六\"\"\",顺丰,\"SF1004\"\r\n"
        u8",,,\r\n");
    const TextList numbers = {"SF1001", "SF1002", "SF1004"};
    struct Case {
        const char* name;
        std::string file;
        std::string given;
        std::vector<Text> readings;
        TextList numbers;
    };
    const Case cases[] = {
        {"UTF-8 with a mark, by name", "\xEF\xBB\xBF" + export_utf8, "x", {"运单号"}, numbers},
        {"UTF-8 without a mark, by number", export_utf8, "4", {"4"}, numbers},
        {"the name typed in UTF-8, read as GBK", export_utf8, "x", {"x", " 运单号 "}, numbers},
        Case("GBK from Excel, TABs",
             "订单号\t收件人\t运单号\r\n1\t张三\tYT1\r\n2\t\"李,四\"\tYT2\r\n", "运单号",
             {"运单号"}, {"YT1", "YT2"}),
        Case("GBK, a TAB inside a quoted header cell is no separator", "\"a\tb\",运单号\n1,SF1\n",
             "2", {"2"}, {"SF1"}),
        Case("UTF-16 little-endian", Utf16(u"单号,备注\r\nJD1,\"a\"\r\nJD2,😀\r\n", false), "1",
             {"1"}, {"JD1", "JD2"}),
        {"UTF-16 big-endian", Utf16(u"备注\t单号\nx\tJD3\n", true), "单号", {"单号"}, {"JD3"}},
        {"lone CR and LF line ends", "no,num\r1,A1\n2,A2\r\n", "num", {"num"}, {"A1", "A2"}},
        Case("a character GBK lacks keeps the rest", Utf8(u8"单号,名\nSF7,😀\nSF😀8,x\n"), "1", {"1"},
             {"SF7", "SF?8"}),
        {"a header only", "订单号,运单号\r\n", "2", {"2"}, {}},
    };
    for (const Case& c : cases) {
        const std::variant<TextList, CsvColumnProblem> read =
            ColumnNumbers(Bytes(c.file), c.given, c.readings);
        ASSERT_TRUE(std::holds_alternative<TextList>(read))
            << c.name << ": " << std::get<CsvColumnProblem>(read).reason;
        EXPECT_EQ(std::get<TextList>(read), c.numbers) << c.name;
    }
}

TEST(CsvColumn, NamesWhatIsWrongAndTheHeaderCellsFound) {
    struct Case {
        std::string file;
        std::string given;
        std::string reason;
        TextList header;
    };
    const Case cases[] = {
        {"订单号,运单号\r\n1,SF1\r\n", "3", "no column '3'", {"订单号", "运单号"}},
        {"订单号,运单号\r\n1,SF1\r\n", "0", "no column '0'", {"订单号", "运单号"}},
        {"", "1", "no column '1'", {}},
        {"a,b\r\n1,\"SF1\r\n2,SF2\r\n", "b", "a quote opened in row 2 is never closed", {"a", "b"}},
        Case("a,b\r\n1,\"SF\"1\r\n", "b", "text follows the closing quote of a cell in row 2",
             {"a", "b"}),
        Case("a,b,c\r\n1,SF1,x\r\n2,SF2\r\n合计 2\r\n", "c",
             "row 3 has 2 cells, too few for column 3", {"a", "b", "c"}),
    };
    for (const Case& c : cases) {
        const std::variant<TextList, CsvColumnProblem> read =
            ColumnNumbers(Bytes(c.file), c.given, {c.given});
        ASSERT_TRUE(std::holds_alternative<CsvColumnProblem>(read)) << c.reason;
        EXPECT_EQ(std::get<CsvColumnProblem>(read).reason, c.reason);
        EXPECT_EQ(std::get<CsvColumnProblem>(read).header, c.header) << c.reason;
    }
}

}  // namespace
