// parcelio-batch as a script runs it: the built program against the fixture tracking service
// over loopback, with its output, errors and exit status read back.
#include <signal.h>

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/batch/batch_process.h"
#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class BatchProgram : public testing::Test {
  protected:
    void SetUp() override {
        service_.SetReplyMaker([](const RecordedRequest& request) {
            const std::string number = QueryValue(request.target, "postid").value_or("");
            return BodyReply(
                TrackingReplyJson(number, {{"t2 " + number, "latest"}, {"t1 " + number, "first"}}));
        });
        service_.SetReplyForNumber("222", BodyReply(MessageReplyJson(Utf8(u8"单号不存在"))));
        service_.SetReplyForNumber("333", BodyReply(TrackingReplyJson("333", {})));
        host_ = "PARCELIO_TRACKING_HOST=" + service_.HostAndPort();
    }

    BatchOutcome Run(const Strings& arguments, const std::string& standard_input = "") {
        return RunBatch(arguments, standard_input, {host_}, folder_.Path().string());
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
    const char* name;
    const char* list;    // the number list on standard input (GBK)
    const char* output;  // what is written (GBK)
    int status;
};

class BatchRows : public BatchProgram, public testing::WithParamInterface<RowsCase> {};

TEST_P(BatchRows, OneExportLinePerNumberAndTheStatusOfTheWorstAnswer) {
    const BatchOutcome outcome = Run({"--courier", "ems"}, GetParam().list);
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(outcome.output, GetParam().output);
    EXPECT_EQ(outcome.errors, "");  // standard error is no terminal: no progress line
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BatchRows,
    testing::Values(RowsCase{"AllAnswered", "111\r\n444\r\n",
                             "111 t2 111 latest\r\n444 t2 444 latest\r\n", 0},
                    RowsCase{"ARefusal", "111\r\n222\r\n444",
                             "111 t2 111 latest\r\n222 -- 单号不存在\r\n444 t2 444 latest\r\n", 1},
                    RowsCase{"OkWithoutSteps", "333", "333 -- 暂无跟踪记录\r\n", 0},
                    RowsCase{"SpacesRemovedAndBlankLinesDropped", " 11 1 \r\n\r\n 　\r\n444",
                             "111 t2 111 latest\r\n444 t2 444 latest\r\n", 0},
                    RowsCase{"EmptyList", "", "", 0},
                    RowsCase{"RefusalAfterAnAnswerKeepsItsOwnRow", "222\r\n111\r\n222",
                             "222 -- 单号不存在\r\n111 t2 111 latest\r\n222 -- 单号不存在\r\n", 1}),
    [](const testing::TestParamInfo<RowsCase>& info) { return std::string(info.param.name); });

TEST_F(BatchProgram, QueriesEveryNumberInOrderWithTheCourierResolvedByName) {
    TempFolder::WriteFile(folder_.Path() / "list.txt", "555\r\n111\r\n555\r\n");
    const BatchOutcome outcome = Run({"--courier", "UPS", (folder_.Path() / "list.txt").string()});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(SentValues("postid"), (Strings{"555", "111", "555"}));
    EXPECT_EQ(SentValues("type"), (Strings{"upsen", "upsen", "upsen"}));
}

TEST_F(BatchProgram, AnUnreachableServiceGivesRowsWithAnEmptyMessage) {
    std::string closed;
    {
        const FixtureService gone;
        closed = "PARCELIO_TRACKING_HOST=" + gone.HostAndPort();
    }
    const BatchOutcome outcome =
        RunBatch({"--courier", "ems"}, "111\r\n444", {closed}, folder_.Path().string());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "111 -- \r\n444 -- \r\n");
}

TEST_F(BatchProgram, StepsListEveryStepAsTheSingleQueryDoes) {
    const BatchOutcome answered = Run({"--courier", "ems", "--steps", "111"});
    EXPECT_EQ(answered.status, 0);
    EXPECT_EQ(answered.output, "111 t1 111 first\r\n111 t2 111 latest\r\n");

    const BatchOutcome refused = Run({"--courier", "ems", "--steps", "222"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.output, "");
    EXPECT_NE(refused.errors.find("单号不存在!"), std::string::npos);
    EXPECT_EQ(SentValues("postid"), (Strings{"111", "222"}));
}

TEST_F(BatchProgram, Utf8TakesTheCourierNameAndWritesTheRowsInUtf8) {
    const BatchOutcome outcome =
        Run({"--encoding", "utf-8", "--courier", Utf8(u8"顺丰速递")}, "222\r\n333\r\n");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, Utf8(u8"222 -- 单号不存在\r\n") + Utf8(u8"333 -- 暂无跟踪记录\r\n"));
    EXPECT_EQ(SentValues("type"), (Strings{"shunfeng", "shunfeng"}));
}

TEST_F(BatchProgram, ListsTheCatalogueOrOneLetterGroup) {
    const BatchOutcome group = Run({"--list-couriers", "K-O", "--encoding", "utf-8"});
    EXPECT_EQ(group.status, 0);
    const std::string last_line = Utf8(u8"neweggozzo 新蛋奥硕物流\r\n");
    ASSERT_GE(group.output.size(), last_line.size());
    EXPECT_EQ(group.output.substr(group.output.size() - last_line.size()), last_line);
    EXPECT_EQ(std::count(group.output.begin(), group.output.end(), '\n'), 18);

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

struct UsageCase {
    const char* name;
    Strings arguments;  // "OUT" stands for the output folder
    const char* named;  // part of the message, which names the problem
};

class BadUsage : public BatchProgram, public testing::WithParamInterface<UsageCase> {};

TEST_P(BadUsage, EndsWithStatus2AMessageAndNothingWritten) {
    const fs::path output_folder = OutputFolder();
    Strings arguments;
    for (const std::string& argument : GetParam().arguments) {
        arguments.push_back(argument == "OUT" ? output_folder.string() : argument);
    }
    const BatchOutcome outcome = Run(arguments, "111\r\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.output, "");
    EXPECT_NE(outcome.errors.find(GetParam().named), std::string::npos) << outcome.errors;
    EXPECT_EQ(service_.RequestCount(), 0u);
    EXPECT_TRUE(TempFolder::Names(OutputFolder()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadUsage,
    testing::Values(
        UsageCase{"UnknownCourier",
                  {"--courier", "NoSuchCourier", "-o", "out/r.txt"},
                  "unknown courier 'NoSuchCourier'"},
        UsageCase{"MissingNumberFile",
                  {"--courier", "ems", "-o", "out/r.txt", "missing.txt"},
                  "cannot read the number list missing.txt"},
        UsageCase{"FolderAsNumberFile", {"--courier", "ems", "out"}, "cannot read"},
        UsageCase{"MissingOutputFolder",
                  {"--courier", "ems", "-o", "nowhere/r.txt"},
                  "no folder nowhere"},
        UsageCase{"OutputIsAFolder", {"--courier", "ems", "-o", "OUT"}, "is a folder"},
        UsageCase{"BlankStepsNumber", {"--courier", "ems", "--steps", " "}, "no tracking number"},
        UsageCase{"UnknownGroup", {"--list-couriers", "A-Z", "-o", "out/r.txt"}, "'A-Z'"},
        UsageCase{"UnknownOption", {"--courier", "ems", "--parallel"}, "'--parallel'"},
        UsageCase{"NoCourier", {"-o", "out/r.txt"}, "no courier"},
        UsageCase{"Utf8NameNotConvertible",
                  {"--encoding", "utf-8", "--courier", "\xff"},
                  "unknown courier"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST_F(BatchProgram, HelpAndVersion) {
    const BatchOutcome help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage: parcelio-batch --courier NAME-OR-CODE", 0), 0u);
    const BatchOutcome version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, std::string("parcelio-batch ") + PARCELIO_VERSION_TEXT + "\n");
}

TEST_F(BatchProgram, ShowsAProgressLineOnATerminal) {
    const fs::path list = folder_.Path() / "list.txt";
    TempFolder::WriteFile(list, "111\r\n222\r\n444\r\n");
    const fs::path result = OutputFolder() / "result.txt";
    const std::string shown =
        TerminalTranscript({"--courier", "ems", "-o", result.string(), list.string()}, {host_});
    EXPECT_NE(shown.find("3/3 numbers, 1 failed, "), std::string::npos) << shown;
    EXPECT_NE(shown.find("/s, 0:00 left"), std::string::npos) << shown;
    EXPECT_EQ(TempFolder::FileContent(result),
              "111 t2 111 latest\r\n222 -- 单号不存在\r\n444 t2 444 latest\r\n");
}

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
    service_.WaitForRequests(3);
    InterruptBatch(*child);
    const BatchOutcome outcome = FinishBatch(*child, 30);
    EXPECT_EQ(outcome.signal, SIGINT);
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
