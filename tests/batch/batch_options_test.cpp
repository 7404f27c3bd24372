// The command line of parcelio-batch: what each form asks for, and the forms refused.
#include <sstream>

#include <gtest/gtest.h>

#include "batch/batch_options.h"

namespace {

using Arguments = std::vector<std::string_view>;
using enum BatchAction;

// The options a form gives, with the defaults of a bare command line.
struct Expected {
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

// Every field, named, to compare options at once.
template <typename Options>
std::string Fields(const Options& o) {
    std::ostringstream text;
    text << "action " << static_cast<int>(o.action) << ", courier " << o.courier << ", input "
         << o.input_path.value_or("(none)") << ", column " << o.column.value_or("(none)")
         << ", output " << o.output_path.value_or("(none)") << ", steps " << o.steps_number
         << ", group " << o.group.value_or("(none)") << ", encoding "
         << static_cast<int>(o.encoding) << ", format " << static_cast<int>(o.format) << ", jobs "
         << o.jobs;
    return text.str();
}

TEST(CommandLine, GivesTheActionAndValues) {
    using enum Encoding;
    using enum OutputFormat;
    const std::pair<Arguments, Expected> cases[] = {
        {{"--courier", "ems", "list.txt"}, {.courier = "ems", .input_path = "list.txt"}},
        {{"list.txt", "--courier", "ems"}, {.courier = "ems", .input_path = "list.txt"}},
        {{"--courier", "ems"}, {.courier = "ems"}},
        {{"--courier", "ems", "-"}, {.courier = "ems"}},  // standard input
        {{"--courier", "ems", "-o", "out.txt", "in.txt"},
         {.courier = "ems", .input_path = "in.txt", .output_path = "out.txt"}},
        {{"--output", "out.txt", "--courier", "ems"}, {.courier = "ems", .output_path = "out.txt"}},
        {{"--courier", "UPS", "--steps", "1Z9"},
         {.action = kShowSteps, .courier = "UPS", .steps_number = "1Z9"}},
        {{"--list-couriers"}, {.action = kListCouriers}},
        {{"--list-couriers", "K-O", "--encoding", "utf-8"},
         {.action = kListCouriers, .group = "K-O", .encoding = kUtf8}},
        {{"--list-couriers", "--encoding", "UTF-8"}, {.action = kListCouriers, .encoding = kUtf8}},
        {{"--encoding", "utf-8", "--encoding", "gbk", "--courier", "x"},
         {.courier = "x", .encoding = kGbk}},
        {{"--format", "csv", "--jobs", "8", "--courier", "ems", "in.txt"},
         {.courier = "ems", .input_path = "in.txt", .format = kCsv, .jobs = 8}},
        {{"--courier", "ems", "--format", "csv", "--format", "jsonl", "--jobs", "1"},
         {.courier = "ems", .format = kJsonl}},
        {{"--courier", "ems", "--format", "export", "--jobs", "3"}, {.courier = "ems", .jobs = 3}},
        {{"--courier", "ems", "--steps", "1", "--format", "jsonl"},
         {.action = kShowSteps, .courier = "ems", .steps_number = "1", .format = kJsonl}},
        {{"--column", "运单号", "--courier", "ems", "orders.csv"},
         {.courier = "ems", .input_path = "orders.csv", .column = "运单号"}},
        // --help comes before anything wrong.
        {{"--courier", "ems", "--help", "--bogus"}, {.action = kShowHelp, .courier = "ems"}},
        {{"--version"}, {.action = kShowVersion}},
    };
    for (const auto& [arguments, expected] : cases) {
        const auto read = ReadBatchOptions(arguments);
        ASSERT_TRUE(std::holds_alternative<BatchOptions>(read))
            << std::get<UsageError>(read).message;
        EXPECT_EQ(Fields(std::get<BatchOptions>(read)), Fields(expected));
    }
}

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
