// parcelio-batch as a script runs it: the built program against the fixture tracking service
// over loopback, with its output, errors and exit status read back.
#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/batch/batch_process.h"
#include "tests/support/fixture_service.h"
#include "tests/support/list_shapes.h"
#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class BatchProgram : public testing::Test {
  protected:
    void SetUp() override {
        // Numbers are answered after delays of their own, so that with several requests in
        // flight later numbers are often answered first.
        service_.SetReplyMaker([](const RecordedRequest& request) {
            const std::string number = QueryValue(request.target, "postid").value_or("");
            FixtureReply reply = BodyReply(
                TrackingReplyJson(number, {{"t2 " + number, "latest"}, {"t1 " + number, "first"}}));
            reply.delay_ms = static_cast<int>(std::hash<std::string>()(number) % 5) * 8;
            return reply;
        });
        service_.SetReplyForNumber("222", BodyReply(MessageReplyJson(Utf8(u8"单号不存在"))));
        service_.SetReplyForNumber("333", BodyReply(TrackingReplyJson("333", {})));
        // Cells that a spreadsheet or a script must not split: commas, a line break, a
        // backslash, spaces.
        service_.SetReplyForNumber(
            "555", BodyReply(TrackingReplyJson(
                       "555", {{"2026-12-06 16:05:12", Utf8(u8"到达 北京,顺义\n集散中心 a\\b")}})));
        service_.SetReplyForNumber("666", BodyReply(MessageReplyJson(Utf8(u8"参数错误,请重试"))));
        // A state number of the reply's own, and a step text alone.
        service_.SetReplyForNumber(
            "777", BodyReply(Utf8(u8R"({"message":"ok","state":"3","nu":"777","data":[)"
                                  u8R"({"time":"t7","context":"快件已被 菜鸟驿站 代收"}]})")));
        service_.SetReplyForNumber(
            "888", BodyReply(TrackingReplyJson(
                       "888", {{"t8", Utf8(u8"快件已被 菜鸟驿站 代收，请及时取件")}})));
        host_ = "PARCELIO_TRACKING_HOST=" + service_.HostAndPort();
    }

    // Under a UTF-8 locale: files and pipes still get GBK.
    BatchOutcome Run(const Strings& arguments, const std::string& standard_input = "") {
        return RunBatch(arguments, standard_input, {host_, "LC_ALL=C.UTF-8"},
                        folder_.Path().string());
    }

    Strings SentValues(std::string_view key) const {
        Strings values;
        for (const RecordedRequest& request : service_.Requests()) {
            values.push_back(QueryValue(request.target, key).value_or("(absent)"));
        }
        return values;
    }

    // A folder for output files, apart from the child's standard streams.
    fs::path OutputFolder() const {
        const fs::path folder = folder_.Path() / "out";
        fs::create_directories(folder);
        return folder;
    }

    FixtureService service_;
    TempFolder folder_;
    std::string host_;
};

struct RowsCase {
    std::string name;
    std::string list;    // the number list on standard input (GBK)
    std::string output;  // what --format export writes (GBK)
    Strings csv;         // the cells of each csv row after the header, joined by '|'
    Strings jsonl;       // each object's number|ok|message|time|context|state|state_text
    int status;
};

void PrintTo(const RowsCase& c, std::ostream* os) {
    *os << c.name;
}

// A list long enough for the answers of eight requests in flight to come back out of order.
RowsCase ManyNumbers() {
    RowsCase many{"ManyNumbersAnsweredOutOfOrder", "", "", {}, {}, 0};
    for (int index = 0; index < 40; ++index) {
        const std::string number = std::to_string(7000 + index * 13);
        many.list += number + "\r\n";
        many.output += number + " t2 " + number + " latest\r\n";
        many.csv.push_back(number + "|t2 " + number + "|latest|运输中");
        many.jsonl.push_back(number + "|true|ok|t2 " + number + "|latest|in_transit|运输中");
    }
    return many;
}

std::vector<RowsCase> RowsCases() {
    return {
        // A refusal first and after an answer, no steps after a step, a state number of the
        // reply's own, a state from the step text, and cells that a spreadsheet or a script
        // must not split.
        {"EveryKindOfAnswer",
         "222\r\n777\r\n333\r\n111\r\n222\r\n888\r\n555\r\nSF,9\r\n666",
         "222 -- 单号不存在\r\n777 t7 快件已被 菜鸟驿站 代收\r\n333 -- 暂无跟踪记录\r\n"
         "111 t2 111 latest\r\n222 -- 单号不存在\r\n888 t8 快件已被 菜鸟驿站 代收，请及时取件\r\n"
         "555 2026-12-06 16:05:12 到达 北京,顺义\n集散中心 a\\b\r\nSF,9 t2 SF,9 latest\r\n"
         "666 -- 参数错误,请重试\r\n",
         {"222|--|单号不存在|查询失败", "777|t7|快件已被 菜鸟驿站 代收|已签收",
          "333|--|暂无跟踪记录|无记录", "111|t2 111|latest|运输中", "222|--|单号不存在|查询失败",
          "888|t8|快件已被 菜鸟驿站 代收，请及时取件|待取件",
          "555|2026-12-06 16:05:12|到达 北京,顺义\n集散中心 a\\b|运输中",
          "SF,9|t2 SF,9|latest|运输中", "666|--|参数错误,请重试|查询失败"},
         {"222|false|单号不存在|(null)|(null)|failed|查询失败",
          "777|true|ok|t7|快件已被 菜鸟驿站 代收|delivered|已签收",
          "333|true|ok|(null)|(null)|no_record|无记录",
          "111|true|ok|t2 111|latest|in_transit|运输中",
          "222|false|单号不存在|(null)|(null)|failed|查询失败",
          "888|true|ok|t8|快件已被 菜鸟驿站 代收，请及时取件|pickup|待取件",
          "555|true|ok|2026-12-06 16:05:12|到达 北京,顺义\n集散中心 a\\b|in_transit|运输中",
          "SF,9|true|ok|t2 SF,9|latest|in_transit|运输中",
          "666|false|参数错误,请重试|(null)|(null)|failed|查询失败"},
         1},
        {"EmptyList", "", "", {}, {}, 0},
        ManyNumbers(),
    };
}

// A list, the format and the jobs: every list in every format, one request at a time and
// eight, gives the same records.
using RowsParameter = std::tuple<RowsCase, std::string, int>;

class BatchRows : public BatchProgram, public testing::WithParamInterface<RowsParameter> {};

TEST_P(BatchRows, OneRecordPerNumberInListOrderAndTheStatusOfTheWorstAnswer) {
    const auto& [c, format, jobs] = GetParam();
    const BatchOutcome outcome =
        Run({"--courier", "ems", "--format", format, "--jobs", std::to_string(jobs)}, c.list);
    EXPECT_EQ(outcome.status, c.status) << "signal " << outcome.signal << "; " << outcome.errors;
    EXPECT_EQ(outcome.errors, "");  // standard error is no terminal: no progress line
    // Each number was queried once, as it stands in column 0; with one job in list order.
    Strings numbers;
    for (const std::string& row : c.csv) {
        numbers.push_back(row.substr(0, row.find('|')));
    }
    Strings sent = SentValues("postid");
    if (jobs > 1) {
        std::sort(numbers.begin(), numbers.end());
        std::sort(sent.begin(), sent.end());
    }
    EXPECT_EQ(sent, numbers);
    if (format == "export") {
        EXPECT_EQ(outcome.output, c.output);
    } else if (format == "csv") {
        Strings rows = {"快件单号|操作时间|最近状态|状态"};
        rows.insert(rows.end(), c.csv.begin(), c.csv.end());
        EXPECT_EQ(CsvRowsReadBack(outcome.output), rows) << outcome.output;
    } else {
        EXPECT_EQ(JsonlObjectsReadBack(outcome.output), c.jsonl) << outcome.output;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, BatchRows,
                         testing::Combine(testing::ValuesIn(RowsCases()),
                                          testing::Values("export", "csv", "jsonl"),
                                          testing::Values(1, 8)),
                         [](const testing::TestParamInfo<RowsParameter>& info) {
                             return std::get<0>(info.param).name + "_" + std::get<1>(info.param) +
                                    "_jobs" + std::to_string(std::get<2>(info.param));
                         });

// Every list as other programs write it, from a file and on standard input.
using ShapeParameter = std::tuple<ListShape, bool>;

class ListShapesRead : public BatchProgram, public testing::WithParamInterface<ShapeParameter> {};

TEST_P(ListShapesRead, SendTheNumbersTheListShowsInOrder) {
    const auto& [shape, from_file] = GetParam();
    Strings arguments = {"--courier", "ems"};
    if (from_file) {
        TempFolder::WriteFile(folder_.Path() / "list.txt", ListFileBytes(shape));
        arguments.push_back((folder_.Path() / "list.txt").string());
    }
    const BatchOutcome outcome = Run(arguments, from_file ? "" : ListFileBytes(shape));
    EXPECT_NE(outcome.status, 2) << outcome.errors;
    EXPECT_EQ(SentValues("postid"), shape.sent);
}

INSTANTIATE_TEST_SUITE_P(Lists, ListShapesRead,
                         testing::Combine(testing::ValuesIn(ListShapes()), testing::Bool()),
                         [](const testing::TestParamInfo<ShapeParameter>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_File" : "_StandardInput");
                         });

// A number that got no answer keeps its row as the window shows it, and standard error and the
// jsonl record say why (each reason: tests/tracking/query_tracking_test.cpp).
TEST_F(BatchProgram, KeepsTheRowOfANumberWithoutAnswerAndSaysWhy) {
    const std::string closed_port = FixtureService().HostAndPort();
    const BatchOutcome records =
        RunBatch({"--courier", "ems", "--format", "jsonl", "--jobs", "2"}, "111\n444",
                 {"PARCELIO_TRACKING_HOST=" + closed_port}, folder_.Path().string());
    EXPECT_EQ(records.status, 1);
    EXPECT_EQ(records.errors,
              "parcelio-batch: 111: no answer (connection refused)\n"
              "parcelio-batch: 444: no answer (connection refused)\n");
    EXPECT_EQ(JsonlObjectsReadBack(records.output),
              (Strings{"111|false||(null)|(null)|failed|查询失败|connection refused",
                       "444|false||(null)|(null)|failed|查询失败|connection refused"}));
}

// One run of the program and what it gives: status, output, a part of its message on standard
// error, and the requests sent. Nothing is written to the output folder.
struct RunCase {
    const char* name;
    Strings arguments;  // "OUT" stands for the output folder, "CSV" for an order export
    int status;
    std::string output;
    const char* errors = "";
    Strings sent = {};         // the postid of each request
    const char* type = "ems";  // the type code of each request
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class OneRun : public BatchProgram, public testing::WithParamInterface<RunCase> {};

TEST_P(OneRun, GivesTheStatusOutputMessageAndRequests) {
    const RunCase& c = GetParam();
    const fs::path output_folder = OutputFolder();
    const fs::path orders = folder_.Path() / "orders.csv";
    TempFolder::WriteFile(orders, "订单号,运单号\r\n1,111\r\n2,\" 222\"\r\n");
    Strings arguments;
    for (const std::string& argument : c.arguments) {
        arguments.push_back(argument == "OUT"   ? output_folder.string()
                            : argument == "CSV" ? orders.string()
                                                : argument);
    }
    const BatchOutcome outcome = Run(arguments, "222\r\n");
    EXPECT_EQ(outcome.status, c.status) << outcome.errors;
    EXPECT_EQ(outcome.output, c.output);
    EXPECT_NE(outcome.errors.find(c.errors), std::string::npos) << outcome.errors;
    EXPECT_EQ(SentValues("postid"), c.sent);
    EXPECT_EQ(SentValues("type"), Strings(c.sent.size(), c.type));
    EXPECT_TRUE(TempFolder::Names(OutputFolder()).empty());
}

const std::string kStepsHeader = "快件单号,操作时间,走件流程,状态\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, OneRun,
    testing::Values(
        // --steps lists every step as the single query does.
        RunCase("Steps", {"--courier", "ems", "--steps", "111"}, 0,
                "111 t1 111 first\r\n111 t2 111 latest\r\n", "", {"111"}),
        RunCase("StepsRefused", {"--courier", "ems", "--steps", "222"}, 1, "", "单号不存在!",
                {"222"}),
        RunCase("StepsAsCsv", {"--courier", "ems", "--steps", "111", "--format", "csv"}, 0,
                kStepsHeader + "111,t1 111,first,运输中\r\n111,t2 111,latest,运输中\r\n", "",
                {"111"}),
        RunCase("StepsRefusedAsCsv", {"--courier", "ems", "--steps", "222", "--format", "csv"}, 1,
                kStepsHeader, "单号不存在!", {"222"}),
        // Records and the courier name follow --encoding; without it a name may be in UTF-8.
        RunCase("Utf8", {"--encoding", "utf-8", "--courier", Utf8(u8"顺丰速递")}, 1,
                Utf8(u8"222 -- 单号不存在\r\n"), "", {"222"}, "shunfeng"),
        RunCase("Utf8NameWithoutEncoding", {"--courier", Utf8(u8"顺丰速递")}, 1,
                "222 -- 单号不存在\r\n", "", {"222"}, "shunfeng"),
        RunCase("CsvUtf8", {"--courier", "ems", "--format", "csv", "--encoding", "utf-8"}, 1,
                Utf8(u8"快件单号,操作时间,最近状态,状态\r\n222,--,单号不存在,查询失败\r\n"), "",
                {"222"}),
        RunCase("ColumnOfAnOrderExport", {"--courier", "ems", "--column", Utf8(u8"运单号"), "CSV"},
                1, "111 t2 111 latest\r\n222 -- 单号不存在\r\n", "", {"111", "222"}),
        RunCase("Version", {"--version"}, 0,
                std::string("parcelio-batch ") + PARCELIO_VERSION_TEXT + "\n"),
        // Usage errors: status 2, the problem named, nothing sent or written.
        RunCase("UnknownCourier", {"--courier", "NoSuchCourier", "-o", "out/r.txt"}, 2, "",
                "unknown courier 'NoSuchCourier'"),
        RunCase("MissingNumberFile", {"--courier", "ems", "-o", "out/r.txt", "missing.txt"}, 2, "",
                "cannot read the number list missing.txt"),
        RunCase("FolderAsNumberFile", {"--courier", "ems", "out"}, 2, "",
                "cannot read the number list out"),
        RunCase("MissingOutputFolder", {"--courier", "ems", "-o", "nowhere/r.txt"}, 2, "",
                "no folder nowhere"),
        RunCase("OutputIsAFolder", {"--courier", "ems", "-o", "OUT"}, 2, "", "is a folder"),
        RunCase("BlankStepsNumber", {"--courier", "ems", "--steps", " "}, 2, "",
                "no tracking number"),
        RunCase("UnknownGroup", {"--list-couriers", "A-Z", "-o", "out/r.txt"}, 2, "", "'A-Z'"),
        RunCase("UnknownOption", {"--courier", "ems", "--parallel"}, 2, "", "'--parallel'"),
        RunCase("Utf8NameNotConvertible", {"--encoding", "utf-8", "--courier", "\xff"}, 2, "",
                "unknown courier"),
        RunCase("UnknownColumn",
                {"--courier", "ems", "--column", Utf8(u8"运单"), "-o", "out/r.txt", "CSV"}, 2, "",
                "orders.csv: no column '运单' (header cells: 订单号, 运单号)"),
        RunCase("NumberListIsNoCsv",
                {"--courier", "ems", "--column", Utf8(u8"运单号"), "--format", "csv"}, 2, "",
                "standard input: no column '运单号' (header cells: 222)")),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

TEST_F(BatchProgram, ListsTheCatalogueOrOneLetterGroup) {
    const BatchOutcome group = Run({"--list-couriers", "K-O", "--encoding", "utf-8"});
    EXPECT_EQ(group.status, 0);
    EXPECT_TRUE(group.output.ends_with(Utf8(u8"\r\nneweggozzo 新蛋奥硕物流\r\n"))) << group.output;

    const BatchOutcome all = Run({"--list-couriers"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(std::count(all.output.begin(), all.output.end(), '\n'), 148);
    EXPECT_NE(all.output.find("\r\nshunfengen 顺丰\r\n"), std::string::npos);
    EXPECT_EQ(service_.RequestCount(), 0u);
}

TEST_F(BatchProgram, WritesTheOutputFileWholeInPlaceOfTheOldOne) {
    const fs::path result = OutputFolder() / "result.txt";
    TempFolder::WriteFile(result, "old content\r\n");
    const BatchOutcome outcome = Run({"--courier", "ems", "-o", result.string()}, "111\r\n222");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "");
    EXPECT_EQ(TempFolder::FileContent(result), "111 t2 111 latest\r\n222 -- 单号不存在\r\n");
    EXPECT_EQ(TempFolder::Names(OutputFolder()), Strings{"result.txt"});
}

TEST_F(BatchProgram, Help) {
    const BatchOutcome help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage: parcelio-batch --courier NAME-OR-CODE", 0), 0u);
}

// Standard error on a terminal shows the progress line and the summary at the end.
struct TerminalCase {
    const char* name;
    Strings environment;
    Strings options;      // "OUT" stands for a file in the output folder
    std::string shown;    // the record of 222 as the terminal shows it; none: it goes to OUT
    std::string summary;  // the last line on standard error
    // Why the row cannot hold under Wine, whose console shows the exe's output on the terminal
    // in the locale's character set; nothing when it holds there too.
    const char* not_under_wine = nullptr;
};

void PrintTo(const TerminalCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr char kGbkOnTheConsole[] = "Wine's console shows GBK bytes in the locale's character set";
constexpr char kUtf8OnACLocaleConsole[] =
    "Wine's console shows UTF-8 bytes in the C locale's character set";

class OnATerminal : public BatchProgram, public testing::WithParamInterface<TerminalCase> {};

TEST_P(OnATerminal, RecordsFollowTheTerminalsCharacterSet) {
#ifdef PARCELIO_BATCH_UNDER_WINE
    if (GetParam().not_under_wine != nullptr) {
        GTEST_SKIP() << GetParam().not_under_wine;
    }
#endif
    const fs::path list = folder_.Path() / "list.txt";
    TempFolder::WriteFile(list, "111\r\n222\r\n444\r\n");
    const fs::path result = OutputFolder() / "result.txt";
    Strings arguments = {"--courier", "ems"};
    for (const std::string& option : GetParam().options) {
        arguments.push_back(option == "OUT" ? result.string() : option);
    }
    arguments.push_back(list.string());
    Strings environment = {host_};
    environment.insert(environment.end(), GetParam().environment.begin(),
                       GetParam().environment.end());
    const std::string shown = TerminalTranscript(arguments, environment);
    EXPECT_NE(shown.find(GetParam().shown), std::string::npos) << shown;
    EXPECT_NE(shown.find("3/3 numbers, 1 failed, "), std::string::npos) << shown;
    EXPECT_NE(shown.find("/s, 0:00 left"), std::string::npos) << shown;
    EXPECT_NE(shown.find(GetParam().summary), std::string::npos) << shown;
    if (fs::exists(result) || GetParam().shown.empty()) {
        EXPECT_EQ(TempFolder::FileContent(result),
                  "111 t2 111 latest\r\n222 -- 单号不存在\r\n444 t2 444 latest\r\n");
    }
}

const std::string kShownUtf8 = Utf8(u8"222 -- 单号不存在");
const std::string kSummaryGbk = "3 个单号：运输中 2，查询失败 1";
const std::string kSummaryUtf8 = Utf8(u8"3 个单号：运输中 2，查询失败 1");

INSTANTIATE_TEST_SUITE_P(
    Locales, OnATerminal,
    testing::Values(TerminalCase("Utf8Locale", {"LC_ALL=C.UTF-8"}, {}, kShownUtf8, kSummaryUtf8),
                    TerminalCase("Utf8Lang", {"LC_ALL=", "LC_CTYPE=", "LANG=C.UTF-8"}, {},
                                 kShownUtf8, kSummaryUtf8),
                    TerminalCase("CLocaleKeepsGbk", {"LC_ALL=C"}, {}, "222 -- 单号不存在",
                                 kSummaryGbk, kGbkOnTheConsole),
                    TerminalCase("GbkNamed", {"LC_ALL=C.UTF-8"}, {"--encoding", "gbk"},
                                 "222 -- 单号不存在", kSummaryGbk, kGbkOnTheConsole),
                    // Records go to the file; the terminal shows only the progress and summary.
                    TerminalCase("OutputFile", {"LC_ALL=C.UTF-8"}, {"-o", "OUT"}, "", kSummaryUtf8),
                    TerminalCase("JsonlOnAGbkTerminal", {"LC_ALL=C"}, {"--format", "jsonl"},
                                 Utf8(u8"\"message\":\"单号不存在\""), kSummaryGbk,
                                 kUtf8OnACLocaleConsole)),
    [](const testing::TestParamInfo<TerminalCase>& info) { return std::string(info.param.name); });

class InterruptedRun : public BatchProgram, public testing::WithParamInterface<bool> {};

TEST_P(InterruptedRun, LeavesNoHalfWrittenOutputFile) {
    const bool file_existed = GetParam();
    const fs::path result = OutputFolder() / "result.txt";
    if (file_existed) {
        TempFolder::WriteFile(result, "old content\r\n");
    }
    service_.SetRequestDelay(100);
    std::string list;
    for (int number = 0; number < 200; ++number) {
        list += std::to_string(100000 + number) + "\r\n";
    }
    const std::optional<BatchChild> child = StartBatch({"--courier", "ems", "-o", result.string()},
                                                       list, {host_}, folder_.Path().string());
    ASSERT_TRUE(child);
    ASSERT_TRUE(service_.WaitForRequests(3, 60));
    SignalProgram(child->process, SIGINT);
    const BatchOutcome outcome = FinishBatch(*child, 30);
#ifdef PARCELIO_BATCH_UNDER_WINE
    // Wine hands the interrupt to the console's Ctrl+C handler, which ends the process with
    // STATUS_CONTROL_C_EXIT (0xC000013A), of which a POSIX parent sees the low byte.
    EXPECT_EQ(outcome.status, 0x3a);
#else
    EXPECT_EQ(outcome.signal, SIGINT);
#endif
    EXPECT_LT(service_.RequestCount(), 200u);
    if (file_existed) {
        EXPECT_EQ(TempFolder::Names(OutputFolder()), Strings{"result.txt"});
        EXPECT_EQ(TempFolder::FileContent(result), "old content\r\n");
    } else {
        EXPECT_TRUE(TempFolder::Names(OutputFolder()).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(OldFile, InterruptedRun, testing::Bool());

}  // namespace
