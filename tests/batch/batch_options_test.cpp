// The command line of parcelio-batch: what each form asks for, and the forms refused.
#include <gtest/gtest.h>

#include "batch/batch_options.h"

namespace {

using Arguments = std::vector<std::string_view>;

struct AcceptedCase {
    const char* name;
    Arguments arguments;
    BatchAction action;
    std::string courier;
    std::optional<std::string> input;
    std::optional<std::string> output;
    std::string steps;
    std::optional<std::string> group;
    Encoding encoding;
    OutputFormat format;
    int jobs;
    std::optional<std::string> column = {};
};

constexpr Encoding kFollow = Encoding::kFollowTerminal;
constexpr Encoding kUtf8 = Encoding::kUtf8;
constexpr OutputFormat kExport = OutputFormat::kExport;

class AcceptedOptions : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedOptions, GiveTheirActionAndValues) {
    const AcceptedCase& c = GetParam();
    const auto read = ReadBatchOptions(c.arguments);
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(read)) << std::get<UsageError>(read).message;
    const BatchOptions& options = std::get<BatchOptions>(read);
    EXPECT_EQ(options.action, c.action);
    EXPECT_EQ(options.courier, c.courier);
    EXPECT_EQ(options.input_path, c.input);
    EXPECT_EQ(options.output_path, c.output);
    EXPECT_EQ(options.steps_number, c.steps);
    EXPECT_EQ(options.group, c.group);
    EXPECT_EQ(options.encoding, c.encoding);
    EXPECT_EQ(options.format, c.format);
    EXPECT_EQ(options.jobs, c.jobs);
    EXPECT_EQ(options.column, c.column);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedOptions,
    testing::Values(AcceptedCase{"CourierAndFile",
                                 {"--courier", "ems", "list.txt"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 "list.txt",
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"FileFirst",
                                 {"list.txt", "--courier", "ems"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 "list.txt",
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"StandardInput",
                                 {"--courier", "ems"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"DashIsStandardInput",
                                 {"--courier", "ems", "-"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"OutputFile",
                                 {"--courier", "ems", "-o", "out.txt", "in.txt"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 "in.txt",
                                 "out.txt",
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"LongOutput",
                                 {"--output", "out.txt", "--courier", "ems"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 {},
                                 "out.txt",
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"Steps",
                                 {"--courier", "UPS", "--steps", "1Z9"},
                                 BatchAction::kShowSteps,
                                 "UPS",
                                 {},
                                 {},
                                 "1Z9",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"ListAll",
                                 {"--list-couriers"},
                                 BatchAction::kListCouriers,
                                 "",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"ListGroup",
                                 {"--list-couriers", "K-O", "--encoding", "utf-8"},
                                 BatchAction::kListCouriers,
                                 "",
                                 {},
                                 {},
                                 "",
                                 "K-O",
                                 kUtf8,
                                 kExport,
                                 1},
                    AcceptedCase{"ListThenOption",
                                 {"--list-couriers", "--encoding", "UTF-8"},
                                 BatchAction::kListCouriers,
                                 "",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kUtf8,
                                 kExport,
                                 1},
                    AcceptedCase{"GbkNamed",
                                 {"--encoding", "utf-8", "--encoding", "gbk", "--courier", "x"},
                                 BatchAction::kQueryNumbers,
                                 "x",
                                 {},
                                 {},
                                 "",
                                 {},
                                 Encoding::kGbk,
                                 kExport,
                                 1},
                    AcceptedCase{"CsvWithEightJobs",
                                 {"--format", "csv", "--jobs", "8", "--courier", "ems", "in.txt"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 "in.txt",
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 OutputFormat::kCsv,
                                 8},
                    AcceptedCase{
                        "JsonlLastFormatWins",
                        {"--courier", "ems", "--format", "csv", "--format", "jsonl", "--jobs", "1"},
                        BatchAction::kQueryNumbers,
                        "ems",
                        {},
                        {},
                        "",
                        {},
                        kFollow,
                        OutputFormat::kJsonl,
                        1},
                    AcceptedCase{"ExportNamed",
                                 {"--courier", "ems", "--format", "export", "--jobs", "3"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 3},
                    AcceptedCase{"StepsAsJsonl",
                                 {"--courier", "ems", "--steps", "1", "--format", "jsonl"},
                                 BatchAction::kShowSteps,
                                 "ems",
                                 {},
                                 {},
                                 "1",
                                 {},
                                 kFollow,
                                 OutputFormat::kJsonl,
                                 1},
                    AcceptedCase{"ColumnOfACsvFile",
                                 {"--column", "运单号", "--courier", "ems", "orders.csv"},
                                 BatchAction::kQueryNumbers,
                                 "ems",
                                 "orders.csv",
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1,
                                 "运单号"},
                    AcceptedCase{"HelpBeforeAnythingWrong",
                                 {"--courier", "ems", "--help", "--bogus"},
                                 BatchAction::kShowHelp,
                                 "ems",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1},
                    AcceptedCase{"Version",
                                 {"--version"},
                                 BatchAction::kShowVersion,
                                 "",
                                 {},
                                 {},
                                 "",
                                 {},
                                 kFollow,
                                 kExport,
                                 1}),
    [](const testing::TestParamInfo<AcceptedCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    Arguments arguments;
    const char* named;  // a part of the message, which names the problem
};

class RefusedOptions : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedOptions, NameTheProblem) {
    const auto read = ReadBatchOptions(GetParam().arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(read));
    EXPECT_NE(std::get<UsageError>(read).message.find(GetParam().named), std::string::npos)
        << std::get<UsageError>(read).message;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedOptions,
    testing::Values(
        RefusedCase{"Nothing", {}, "no courier"},
        RefusedCase{"NoCourier", {"list.txt"}, "no courier"},
        RefusedCase{"UnknownOption", {"--courier", "ems", "--fast"}, "'--fast'"},
        RefusedCase{"MissingValue", {"--courier"}, "'--courier' needs a value"},
        RefusedCase{"MissingOutput", {"--courier", "ems", "-o"}, "'-o' needs"},
        RefusedCase{"TwoFiles", {"--courier", "ems", "a", "b"}, "more than one"},
        RefusedCase{"BadEncoding", {"--courier", "ems", "--encoding", "latin1"}, "'latin1'"},
        RefusedCase{"StepsAndList", {"--steps", "1", "--list-couriers"}, "cannot be used together"},
        RefusedCase{"ListWithCourier", {"--list-couriers", "--courier", "ems"}, "no --courier"},
        RefusedCase{"StepsWithFile", {"--courier", "ems", "--steps", "1", "f.txt"}, "--steps"},
        RefusedCase{"NoJobs", {"--courier", "ems", "--jobs", "0"}, "1 to 8, not '0'"},
        RefusedCase{"TooManyJobs", {"--courier", "ems", "--jobs", "9"}, "1 to 8, not '9'"},
        RefusedCase{"JobsNotANumber", {"--courier", "ems", "--jobs", "4x"}, "not '4x'"},
        RefusedCase{"NegativeJobs", {"--courier", "ems", "--jobs", "-2"}, "not '-2'"},
        RefusedCase{"MissingJobs", {"--courier", "ems", "--jobs"}, "'--jobs' needs a value"},
        RefusedCase{"UnknownFormat", {"--courier", "ems", "--format", "xml"}, "'xml'"},
        RefusedCase{"FormatByCase", {"--courier", "ems", "--format", "CSV"}, "'CSV'"},
        RefusedCase{"JobsWithSteps", {"--courier", "ems", "--steps", "1", "--jobs", "2"}, "--jobs"},
        RefusedCase{"FormatWithList", {"--list-couriers", "--format", "csv"}, "--format"},
        RefusedCase{"ColumnWithSteps",
                    {"--courier", "ems", "--steps", "1", "--column", "2"},
                    "--column is only for a batch run"},
        RefusedCase{"EmptyColumn", {"--courier", "ems", "--column", ""}, "--column takes"},
        RefusedCase{"MissingColumn", {"--courier", "ems", "--column"}, "'--column' needs"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

}  // namespace
