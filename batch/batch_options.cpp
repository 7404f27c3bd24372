#include "batch/batch_options.h"

#include <cstddef>
#include <utility>

#include "build_settings.h"

namespace {

using Arguments = std::vector<std::string_view>;

bool IsOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

// Reads the value of the option at index, moving index onto it.
std::optional<std::string> TakeValue(const Arguments& arguments, std::size_t& index) {
    if (index + 1 >= arguments.size()) {
        return std::nullopt;
    }
    ++index;
    return std::string(arguments[index]);
}

std::optional<UsageError> ReadEncoding(std::string_view name, BatchOptions& options) {
    if (name == "utf-8" || name == "UTF-8" || name == "utf8") {
        options.utf8 = true;
    } else if (name == "gbk" || name == "GBK") {
        options.utf8 = false;
    } else {
        return UsageError{"unknown encoding '" + std::string(name) + "' (use gbk or utf-8)"};
    }
    return std::nullopt;
}

// Checks that the options given fit the action together.
std::optional<UsageError> CheckCombination(const BatchOptions& options, bool steps_given,
                                           bool list_given) {
    if (steps_given && list_given) {
        return UsageError{"--steps and --list-couriers cannot be used together"};
    }
    if (list_given && !options.courier.empty()) {
        return UsageError{"--list-couriers takes no --courier"};
    }
    if ((list_given || steps_given) && options.input_path) {
        return UsageError{"a number file is read only for a batch run, not with " +
                          std::string(list_given ? "--list-couriers" : "--steps")};
    }
    if (!list_given && options.courier.empty()) {
        return UsageError{"no courier given (use --courier NAME-OR-CODE)"};
    }
    return std::nullopt;
}

}  // namespace

std::variant<BatchOptions, UsageError> ReadBatchOptions(const Arguments& arguments) {
    BatchOptions options;
    bool steps_given = false;
    bool list_given = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == "--help" || argument == "-h") {
            options.action = BatchAction::kShowHelp;
            return options;
        }
        if (argument == "--version") {
            options.action = BatchAction::kShowVersion;
            return options;
        }
        if (argument == "--list-couriers") {
            list_given = true;
            if (index + 1 < arguments.size() && !IsOption(arguments[index + 1])) {
                options.group = std::string(arguments[++index]);
            }
            continue;
        }
        if (!IsOption(argument)) {
            if (options.input_path) {
                return UsageError{"more than one number file given"};
            }
            options.input_path = std::string(argument);
            continue;
        }
        const bool takes_value = argument == "--courier" || argument == "-o" ||
                                 argument == "--output" || argument == "--steps" ||
                                 argument == "--encoding";
        if (!takes_value) {
            return UsageError{"unknown option '" + std::string(argument) + "'"};
        }
        std::optional<std::string> value = TakeValue(arguments, index);
        if (!value) {
            return UsageError{"option '" + std::string(argument) + "' needs a value"};
        }
        if (argument == "--courier") {
            options.courier = std::move(*value);
        } else if (argument == "--steps") {
            steps_given = true;
            options.steps_number = std::move(*value);
        } else if (argument == "--encoding") {
            if (std::optional<UsageError> error = ReadEncoding(*value, options)) {
                return *error;
            }
        } else {
            options.output_path = std::move(*value);
        }
    }
    if (std::optional<UsageError> error = CheckCombination(options, steps_given, list_given)) {
        return *error;
    }
    if (options.input_path == "-") {
        options.input_path.reset();
    }
    options.action = list_given    ? BatchAction::kListCouriers
                     : steps_given ? BatchAction::kShowSteps
                                   : BatchAction::kQueryNumbers;
    return options;
}

namespace {

constexpr char kUsage[] =
    "Usage: parcelio-batch --courier NAME-OR-CODE [-o FILE] [--encoding gbk|utf-8] [FILE]\n"
    "       parcelio-batch --courier NAME-OR-CODE [-o FILE] [--encoding gbk|utf-8] --steps NUMBER\n"
    "       parcelio-batch --list-couriers [GROUP] [-o FILE] [--encoding gbk|utf-8]\n"
    "\n"
    "Queries the tracking service for every number of FILE (standard input when FILE is\n"
    "absent or -), one request after the other, and writes one line per number: the number,\n"
    "the time and the text of its latest step, or the number, -- and the service's message\n"
    "when the query failed. The number list is read as Parcelio imports it: GBK, one number\n"
    "per CR LF line, spaces removed, empty lines dropped.\n"
    "\n"
    "  --courier NAME-OR-CODE  a courier's display name (the last catalogue row of that name\n"
    "                          wins, as in the window) or its type code\n"
    "  --steps NUMBER          every step of one parcel instead, one line per step\n"
    "  --list-couriers [GROUP] the catalogue as 'code name' lines, or one letter group\n"
    "                          (A-E, F-J, K-O, P-T, U-Z)\n"
    "  -o, --output FILE       write FILE whole at the end (through a temporary file)\n"
    "                          instead of standard output\n"
    "  --encoding gbk|utf-8    the character set of the output and of the courier name\n"
    "                          given (GBK by default)\n"
    "  --help, --version\n"
    "\n"
    "Lines end in CR LF. The tracking service host is the build setting, or\n"
    "PARCELIO_TRACKING_HOST when it is set. Exit status: 0 when every number was answered\n"
    "\"ok\", 1 when some were refused or not answered, 2 on bad usage.\n";

}  // namespace

std::string_view UsageText() {
    return kUsage;
}

std::string VersionText() {
    return std::string("parcelio-batch ") + kProgramVersion + "\n";
}
