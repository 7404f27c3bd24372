// The command line of parcelio-batch: what each form asks for, and the forms refused.
#include <gtest/gtest.h>

#include "batch/batch_options.h"

namespace {

using Arguments = std::vector<std::string_view>;
using enum BatchAction;

struct OptionsCase {
    const char* name;
    Arguments arguments;
    BatchOptions expected = {};
    const char* refused = nullptr;  // a part of the message, which names the problem
};

class CommandLine : public testing::TestWithParam<OptionsCase> {};

TEST_P(CommandLine, GivesTheActionAndValuesOrNamesTheProblem) {
    const OptionsCase& c = GetParam();
    const auto read = ReadBatchOptions(c.arguments);
    if (c.refused != nullptr) {
        ASSERT_TRUE(std::holds_alternative<UsageError>(read));
        EXPECT_NE(std::get<UsageError>(read).message.find(c.refused), std::string::npos)
            << std::get<UsageError>(read).message;
        return;
    }
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(read)) << std::get<UsageError>(read).message;
    const BatchOptions& options = std::get<BatchOptions>(read);
    EXPECT_EQ(options.action, c.expected.action);
    EXPECT_EQ(options.courier, c.expected.courier);
    EXPECT_EQ(options.input_path, c.expected.input_path);
    EXPECT_EQ(options.output_path, c.expected.output_path);
    EXPECT_EQ(options.steps_number, c.expected.steps_number);
    EXPECT_EQ(options.group, c.expected.group);
    EXPECT_EQ(options.encoding, c.expected.encoding);
    EXPECT_EQ(options.format, c.expected.format);
    EXPECT_EQ(options.jobs, c.expected.jobs);
    EXPECT_EQ(options.column, c.expected.column);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLine,
    testing::Values(
        OptionsCase{"CourierAndFile",
                    {"--courier", "ems", "list.txt"},
                    {.courier = "ems", .input_path = "list.txt"}},
        OptionsCase{"FileFirst",
                    {"list.txt", "--courier", "ems"},
                    {.courier = "ems", .input_path = "list.txt"}},
        OptionsCase{"StandardInput", {"--courier", "ems"}, {.courier = "ems"}},
        OptionsCase{"DashIsStandardInput", {"--courier", "ems", "-"}, {.courier = "ems"}},
        OptionsCase{"OutputFile",
                    {"--courier", "ems", "-o", "out.txt", "in.txt"},
                    {.courier = "ems", .input_path = "in.txt", .output_path = "out.txt"}},
        OptionsCase{"LongOutput",
                    {"--output", "out.txt", "--courier", "ems"},
                    {.courier = "ems", .output_path = "out.txt"}},
        OptionsCase{"Steps",
                    {"--courier", "UPS", "--steps", "1Z9"},
                    {.action = kShowSteps, .courier = "UPS", .steps_number = "1Z9"}},
        OptionsCase{"ListAll", {"--list-couriers"}, {.action = kListCouriers}},
        OptionsCase{"ListGroup",
                    {"--list-couriers", "K-O", "--encoding", "utf-8"},
                    {.action = kListCouriers, .group = "K-O", .encoding = Encoding::kUtf8}},
        OptionsCase{"ListThenOption",
                    {"--list-couriers", "--encoding", "UTF-8"},
                    {.action = kListCouriers, .encoding = Encoding::kUtf8}},
        OptionsCase{"GbkNamed",
                    {"--encoding", "utf-8", "--encoding", "gbk", "--courier", "x"},
                    {.courier = "x", .encoding = Encoding::kGbk}},
        OptionsCase{
            "CsvWithEightJobs",
            {"--format", "csv", "--jobs", "8", "--courier", "ems", "in.txt"},
            {.courier = "ems", .input_path = "in.txt", .format = OutputFormat::kCsv, .jobs = 8}},
        OptionsCase{"JsonlLastFormatWins",
                    {"--courier", "ems", "--format", "csv", "--format", "jsonl", "--jobs", "1"},
                    {.courier = "ems", .format = OutputFormat::kJsonl}},
        OptionsCase{"ExportNamed",
                    {"--courier", "ems", "--format", "export", "--jobs", "3"},
                    {.courier = "ems", .jobs = 3}},
        OptionsCase{"StepsAsJsonl",
                    {"--courier", "ems", "--steps", "1", "--format", "jsonl"},
                    {.action = kShowSteps,
                     .courier = "ems",
                     .steps_number = "1",
                     .format = OutputFormat::kJsonl}},
        OptionsCase{"ColumnOfACsvFile",
                    {"--column", "运单号", "--courier", "ems", "orders.csv"},
                    {.courier = "ems", .input_path = "orders.csv", .column = "运单号"}},
        OptionsCase{"HelpBeforeAnythingWrong",
                    {"--courier", "ems", "--help", "--bogus"},
                    {.action = kShowHelp, .courier = "ems"}},
        OptionsCase{"Version", {"--version"}, {.action = kShowVersion}},
        OptionsCase{.name = "Nothing", .arguments = {}, .refused = "no courier"},
        OptionsCase{.name = "NoCourier", .arguments = {"list.txt"}, .refused = "no courier"},
        OptionsCase{.name = "UnknownOption",
                    .arguments = {"--courier", "ems", "--fast"},
                    .refused = "'--fast'"},
        OptionsCase{.name = "MissingValue",
                    .arguments = {"--courier"},
                    .refused = "'--courier' needs a value"},
        OptionsCase{.name = "MissingOutput",
                    .arguments = {"--courier", "ems", "-o"},
                    .refused = "'-o' needs"},
        OptionsCase{.name = "TwoFiles",
                    .arguments = {"--courier", "ems", "a", "b"},
                    .refused = "more than one"},
        OptionsCase{.name = "BadEncoding",
                    .arguments = {"--courier", "ems", "--encoding", "latin1"},
                    .refused = "'latin1'"},
        OptionsCase{.name = "StepsAndList",
                    .arguments = {"--steps", "1", "--list-couriers"},
                    .refused = "cannot be used together"},
        OptionsCase{.name = "ListWithCourier",
                    .arguments = {"--list-couriers", "--courier", "ems"},
                    .refused = "no --courier"},
        OptionsCase{.name = "StepsWithFile",
                    .arguments = {"--courier", "ems", "--steps", "1", "f.txt"},
                    .refused = "--steps"},
        OptionsCase{.name = "NoJobs",
                    .arguments = {"--courier", "ems", "--jobs", "0"},
                    .refused = "1 to 8, not '0'"},
        OptionsCase{.name = "TooManyJobs",
                    .arguments = {"--courier", "ems", "--jobs", "9"},
                    .refused = "1 to 8, not '9'"},
        OptionsCase{.name = "JobsNotANumber",
                    .arguments = {"--courier", "ems", "--jobs", "4x"},
                    .refused = "not '4x'"},
        OptionsCase{.name = "NegativeJobs",
                    .arguments = {"--courier", "ems", "--jobs", "-2"},
                    .refused = "not '-2'"},
        OptionsCase{.name = "MissingJobs",
                    .arguments = {"--courier", "ems", "--jobs"},
                    .refused = "'--jobs' needs a value"},
        OptionsCase{.name = "UnknownFormat",
                    .arguments = {"--courier", "ems", "--format", "xml"},
                    .refused = "'xml'"},
        OptionsCase{.name = "FormatByCase",
                    .arguments = {"--courier", "ems", "--format", "CSV"},
                    .refused = "'CSV'"},
        OptionsCase{.name = "JobsWithSteps",
                    .arguments = {"--courier", "ems", "--steps", "1", "--jobs", "2"},
                    .refused = "--jobs"},
        OptionsCase{.name = "FormatWithList",
                    .arguments = {"--list-couriers", "--format", "csv"},
                    .refused = "--format"},
        OptionsCase{.name = "ColumnWithSteps",
                    .arguments = {"--courier", "ems", "--steps", "1", "--column", "2"},
                    .refused = "--column is only for a batch run"},
        OptionsCase{.name = "EmptyColumn",
                    .arguments = {"--courier", "ems", "--column", ""},
                    .refused = "--column takes"},
        OptionsCase{.name = "MissingColumn",
                    .arguments = {"--courier", "ems", "--column"},
                    .refused = "'--column' needs"}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return std::string(info.param.name); });

}  // namespace
