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
    bool utf8;
};

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
    EXPECT_EQ(options.utf8, c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedOptions,
    testing::Values(
        AcceptedCase{"CourierAndFile",
                     {"--courier", "ems", "list.txt"},
                     BatchAction::kQueryNumbers,
                     "ems",
                     "list.txt",
                     {},
                     "",
                     {},
                     false},
        AcceptedCase{"FileFirst",
                     {"list.txt", "--courier", "ems"},
                     BatchAction::kQueryNumbers,
                     "ems",
                     "list.txt",
                     {},
                     "",
                     {},
                     false},
        AcceptedCase{"StandardInput",
                     {"--courier", "ems"},
                     BatchAction::kQueryNumbers,
                     "ems",
                     {},
                     {},
                     "",
                     {},
                     false},
        AcceptedCase{"DashIsStandardInput",
                     {"--courier", "ems", "-"},
                     BatchAction::kQueryNumbers,
                     "ems",
                     {},
                     {},
                     "",
                     {},
                     false},
        AcceptedCase{"OutputFile",
                     {"--courier", "ems", "-o", "out.txt", "in.txt"},
                     BatchAction::kQueryNumbers,
                     "ems",
                     "in.txt",
                     "out.txt",
                     "",
                     {},
                     false},
        AcceptedCase{"LongOutput",
                     {"--output", "out.txt", "--courier", "ems"},
                     BatchAction::kQueryNumbers,
                     "ems",
                     {},
                     "out.txt",
                     "",
                     {},
                     false},
        AcceptedCase{"Steps",
                     {"--courier", "UPS", "--steps", "1Z9"},
                     BatchAction::kShowSteps,
                     "UPS",
                     {},
                     {},
                     "1Z9",
                     {},
                     false},
        AcceptedCase{
            "ListAll", {"--list-couriers"}, BatchAction::kListCouriers, "", {}, {}, "", {}, false},
        AcceptedCase{"ListGroup",
                     {"--list-couriers", "K-O", "--encoding", "utf-8"},
                     BatchAction::kListCouriers,
                     "",
                     {},
                     {},
                     "",
                     "K-O",
                     true},
        AcceptedCase{"ListThenOption",
                     {"--list-couriers", "--encoding", "UTF-8"},
                     BatchAction::kListCouriers,
                     "",
                     {},
                     {},
                     "",
                     {},
                     true},
        AcceptedCase{"GbkNamed",
                     {"--encoding", "utf-8", "--encoding", "gbk", "--courier", "x"},
                     BatchAction::kQueryNumbers,
                     "x",
                     {},
                     {},
                     "",
                     {},
                     false},
        AcceptedCase{"HelpBeforeAnythingWrong",
                     {"--courier", "ems", "--help", "--bogus"},
                     BatchAction::kShowHelp,
                     "ems",
                     {},
                     {},
                     "",
                     {},
                     false},
        AcceptedCase{
            "Version", {"--version"}, BatchAction::kShowVersion, "", {}, {}, "", {}, false}),
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
        RefusedCase{"StepsWithFile", {"--courier", "ems", "--steps", "1", "f.txt"}, "--steps"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

}  // namespace
