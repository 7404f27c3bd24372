// The command line of parcelio-batch, read into what the program is asked to do, and the
// texts of --help and --version.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class BatchAction { kQueryNumbers, kShowSteps, kListCouriers, kShowHelp, kShowVersion };

struct BatchOptions {
    BatchAction action = BatchAction::kQueryNumbers;
    std::string courier;                     // --courier, as given
    std::optional<std::string> input_path;   // FILE; standard input when absent or "-"
    std::optional<std::string> output_path;  // -o FILE; standard output when absent
    std::string steps_number;                // --steps NUMBER, as given
    std::optional<std::string> group;        // --list-couriers GROUP, as given
    bool utf8 = false;                       // --encoding utf-8
};

// What is wrong with a command line, in one sentence that names the problem.
struct UsageError {
    std::string message;
};

// arguments: the command line without the program's name.
std::variant<BatchOptions, UsageError> ReadBatchOptions(
    const std::vector<std::string_view>& arguments);

std::string_view UsageText();
std::string VersionText();
