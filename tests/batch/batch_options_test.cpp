// The command line of parcelio-batch: what each form asks for, and the forms refused.
#include <gtest/gtest.h>

#include "batch/batch_options.h"

namespace {

using Arguments = std::vector<std::string_view>;
using enum BatchAction;

// A form and the options it gives.
struct OptionsCase {
    const char* name = "";
    Arguments arguments = {};
    BatchAction action = kQueryNumbers;
    std::string courier = {};
    std::optional<std::string> input_path = {};
    std::optional<std::string> column = {};
    std::optional<std::string> output_path = {};
    std::string steps_number = {};
    std::optional<std::string> group = {};
    Encoding encoding = Encoding::kFollowTerminal;
    OutputFormat format = OutputFormat::kExport;
    int jobs = 1;
};

class CommandLine : public testing::TestWithParam<OptionsCase> {};

TEST_P(CommandLine, GivesTheActionAndValues) {
    const OptionsCase& c = GetParam();
    const auto read = ReadBatchOptions(c.arguments);
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(read)) << std::get<UsageError>(read).message;
    const BatchOptions& options = std::get<BatchOptions>(read);
    EXPECT_EQ(options.action, c.action);
    EXPECT_EQ(options.courier, c.courier);
    EXPECT_EQ(options.input_path, c.input_path);
    EXPECT_EQ(options.output_path, c.output_path);
    EXPECT_EQ(options.steps_number, c.steps_number);
    EXPECT_EQ(options.group, c.group);
    EXPECT_EQ(options.encoding, c.encoding);
    EXPECT_EQ(options.format, c.format);
    EXPECT_EQ(options.jobs, c.jobs);
    EXPECT_EQ(options.column, c.column);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLine,
    testing::Values(
        OptionsCase{.name = "CourierAndFile",
                    .arguments = {"--courier", "ems", "list.txt"},
                    .courier = "ems",
                    .input_path = "list.txt"},
        OptionsCase{.name = "FileFirst",
                    .arguments = {"list.txt", "--courier", "ems"},
                    .courier = "ems",
                    .input_path = "list.txt"},
        OptionsCase{.name = "StandardInput", .arguments = {"--courier", "ems"}, .courier = "ems"},
        OptionsCase{.name = "DashIsStandardInput",
                    .arguments = {"--courier", "ems", "-"},
                    .courier = "ems"},
        OptionsCase{.name = "OutputFile",
                    .arguments = {"--courier", "ems", "-o", "out.txt", "in.txt"},
                    .courier = "ems",
                    .input_path = "in.txt",
                    .output_path = "out.txt"},
        OptionsCase{.name = "LongOutput",
                    .arguments = {"--output", "out.txt", "--courier", "ems"},
                    .courier = "ems",
                    .output_path = "out.txt"},
        OptionsCase{.name = "Steps",
                    .arguments = {"--courier", "UPS", "--steps", "1Z9"},
                    .action = kShowSteps,
                    .courier = "UPS",
                    .steps_number = "1Z9"},
        OptionsCase{.name = "ListAll", .arguments = {"--list-couriers"}, .action = kListCouriers},
        OptionsCase{.name = "ListGroup",
                    .arguments = {"--list-couriers", "K-O", "--encoding", "utf-8"},
                    .action = kListCouriers,
                    .group = "K-O",
                    .encoding = Encoding::kUtf8},
        OptionsCase{.name = "ListThenOption",
                    .arguments = {"--list-couriers", "--encoding", "UTF-8"},
                    .action = kListCouriers,
                    .encoding = Encoding::kUtf8},
        OptionsCase{.name = "GbkNamed",
                    .arguments = {"--encoding", "utf-8", "--encoding", "gbk", "--courier", "x"},
                    .courier = "x",
                    .encoding = Encoding::kGbk},
        OptionsCase{.name = "CsvWithEightJobs",
                    .arguments = {"--format", "csv", "--jobs", "8", "--courier", "ems", "in.txt"},
                    .courier = "ems",
                    .input_path = "in.txt",
                    .format = OutputFormat::kCsv,
                    .jobs = 8},
        OptionsCase{.name = "JsonlLastFormatWins",
                    .arguments = {"--courier", "ems", "--format", "csv", "--format", "jsonl",
                                  "--jobs", "1"},
                    .courier = "ems",
                    .format = OutputFormat::kJsonl},
        OptionsCase{.name = "ExportNamed",
                    .arguments = {"--courier", "ems", "--format", "export", "--jobs", "3"},
                    .courier = "ems",
                    .jobs = 3},
        OptionsCase{.name = "StepsAsJsonl",
                    .arguments = {"--courier", "ems", "--steps", "1", "--format", "jsonl"},
                    .action = kShowSteps,
                    .courier = "ems",
                    .steps_number = "1",
                    .format = OutputFormat::kJsonl},
        OptionsCase{.name = "ColumnOfACsvFile",
                    .arguments = {"--column", "运单号", "--courier", "ems", "orders.csv"},
                    .courier = "ems",
                    .input_path = "orders.csv",
                    .column = "运单号"},
        OptionsCase{.name = "HelpBeforeAnythingWrong",
                    .arguments = {"--courier", "ems", "--help", "--bogus"},
                    .action = kShowHelp,
                    .courier = "ems"},
        OptionsCase{.name = "Version", .arguments = {"--version"}, .action = kShowVersion}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return std::string(info.param.name); });

// The forms refused, each with a part of the message, which names the problem.
TEST(CommandLineRefusals, NameTheProblem) {
    const std::pair<Arguments, const char*> cases[] = {
        {{}, "no courier"},
        {{"list.txt"}, "no courier"},
        {{"--courier", "ems", "--fast"}, "'--fast'"},
        {{"--courier"}, "'--courier' needs a value"},
        {{"--courier", "ems", "-o"}, "'-o' needs"},
        {{"--courier", "ems", "a", "b"}, "more than one"},
        {{"--courier", "ems", "--encoding", "latin1"}, "'latin1'"},
        {{"--steps", "1", "--list-couriers"}, "cannot be used together"},
        {{"--list-couriers", "--courier", "ems"}, "no --courier"},
        {{"--courier", "ems", "--steps", "1", "f.txt"}, "--steps"},
        {{"--courier", "ems", "--jobs", "0"}, "1 to 8, not '0'"},
        {{"--courier", "ems", "--jobs", "9"}, "1 to 8, not '9'"},
        {{"--courier", "ems", "--jobs", "4x"}, "not '4x'"},
        {{"--courier", "ems", "--jobs", "-2"}, "not '-2'"},
        {{"--courier", "ems", "--jobs"}, "'--jobs' needs a value"},
        {{"--courier", "ems", "--format", "xml"}, "'xml'"},
        {{"--courier", "ems", "--format", "CSV"}, "'CSV'"},
        {{"--courier", "ems", "--steps", "1", "--jobs", "2"}, "--jobs"},
        {{"--list-couriers", "--format", "csv"}, "--format"},
        {{"--courier", "ems", "--steps", "1", "--column", "2"}, "--column is only for a batch run"},
        {{"--courier", "ems", "--column", ""}, "--column takes"},
        {{"--courier", "ems", "--column"}, "'--column' needs"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto read = ReadBatchOptions(arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(read)) << named;
        EXPECT_NE(std::get<UsageError>(read).message.find(named), std::string::npos)
            << std::get<UsageError>(read).message;
    }
}

}  // namespace
