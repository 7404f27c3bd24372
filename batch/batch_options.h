// The command line of parcelio-batch, read into what the program is asked to do, and the
// texts of --help and --version.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class BatchAction { kQueryNumbers, kShowSteps, kListCouriers, kShowHelp, kShowVersion };

// --encoding: the character set of the output and of the texts given on the command line.
enum class Encoding { kFollowTerminal, kGbk, kUtf8 };

// --format: the window's export lines, RFC 4180 rows, or one JSON object per line.
enum class OutputFormat { kExport, kCsv, kJsonl };

struct BatchOptions {
    BatchAction action = BatchAction::kQueryNumbers;
    std::string courier;                     // --courier, as given
    std::optional<std::string> input_path;   // FILE; standard input when absent or "-"
    std::optional<std::string> column;       // --column NAME-OR-NUMBER: FILE is CSV
    std::optional<std::string> output_path;  // -o FILE; standard output when absent
    std::string steps_number;                // --steps NUMBER, as given
    std::optional<std::string> group;        // --list-couriers GROUP, as given
    Encoding encoding = Encoding::kFollowTerminal;
    OutputFormat format = OutputFormat::kExport;
    int jobs = 1;  // --jobs: requests in flight at once
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
