#include "batch/batch_options.h"

#include <charconv>
#include <cstddef>
#include <utility>

#include "build_settings.h"
#include "runs/batch_loop.h"

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
        options.encoding = Encoding::kUtf8;
    } else if (name == "gbk" || name == "GBK") {
        options.encoding = Encoding::kGbk;
    } else {
        return UsageError{"unknown encoding '" + std::string(name) + "' (use gbk or utf-8)"};
    }
    return std::nullopt;
}

std::optional<UsageError> ReadFormat(std::string_view name, BatchOptions& options) {
    if (name == "export") {
        options.format = OutputFormat::kExport;
    } else if (name == "csv") {
        options.format = OutputFormat::kCsv;
    } else if (name == "jsonl") {
        options.format = OutputFormat::kJsonl;
    } else {
        return UsageError{"unknown format '" + std::string(name) + "' (use export, csv or jsonl)"};
    }
    return std::nullopt;
}

std::optional<UsageError> ReadJobs(std::string_view count, BatchOptions& options) {
    int jobs = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), jobs);
    if (error != std::errc() || end != count.data() + count.size() || jobs < 1 ||
        jobs > kMostBatchJobs) {
        return UsageError{"--jobs takes a number from 1 to " + std::to_string(kMostBatchJobs) +
                          ", not '" + std::string(count) + "'"};
    }
    options.jobs = jobs;
    return std::nullopt;
}

// The options that only some actions take, as they were given.
struct Given {
    bool steps = false;
    bool list = false;
    bool jobs = false;
    bool format = false;
    bool column = false;
};

// Checks that the options given fit the action together.
std::optional<UsageError> CheckCombination(const BatchOptions& options, const Given& given) {
    if (given.steps && given.list) {
        return UsageError{"--steps and --list-couriers cannot be used together"};
    }
    if (given.list && !options.courier.empty()) {
        return UsageError{"--list-couriers takes no --courier"};
    }
    const std::string other = given.list ? "--list-couriers" : "--steps";
    if ((given.list || given.steps) && options.input_path) {
        return UsageError{"a number file is read only for a batch run, not with " + other};
    }
    if ((given.list || given.steps) && given.jobs) {
        return UsageError{"--jobs is only for a batch run, not with " + other};
    }
    if ((given.list || given.steps) && given.column) {
        return UsageError{"--column is only for a batch run, not with " + other};
    }
    if (given.list && given.format) {
        return UsageError{"--format is for numbers and steps, not with --list-couriers"};
    }
    if (!given.list && options.courier.empty()) {
        return UsageError{"no courier given (use --courier NAME-OR-CODE)"};
    }
    return std::nullopt;
}

bool TakesValue(std::string_view option) {
    for (const std::string_view known : {"--courier", "-o", "--output", "--steps", "--encoding",
                                         "--format", "--jobs", "--column"}) {
        if (option == known) {
            return true;
        }
    }
    return false;
}

// Sets the option that takes a value; a problem with the value is a usage error.
std::optional<UsageError> ReadValue(std::string_view option, std::string value,
                                    BatchOptions& options, Given& given) {
    if (option == "--courier") {
        options.courier = std::move(value);
    } else if (option == "--steps") {
        given.steps = true;
        options.steps_number = std::move(value);
    } else if (option == "--encoding") {
        return ReadEncoding(value, options);
    } else if (option == "--format") {
        given.format = true;
        return ReadFormat(value, options);
    } else if (option == "--jobs") {
        given.jobs = true;
        return ReadJobs(value, options);
    } else if (option == "--column") {
        given.column = true;
        if (value.empty()) {
            return UsageError{"--column takes a column's header text or its number from 1"};
        }
        options.column = std::move(value);
    } else {
        options.output_path = std::move(value);
    }
    return std::nullopt;
}

}  // namespace

std::variant<BatchOptions, UsageError> ReadBatchOptions(const Arguments& arguments) {
    BatchOptions options;
    Given given;
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
            given.list = true;
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
        if (!TakesValue(argument)) {
            return UsageError{"unknown option '" + std::string(argument) + "'"};
        }
        std::optional<std::string> value = TakeValue(arguments, index);
        if (!value) {
            return UsageError{"option '" + std::string(argument) + "' needs a value"};
        }
        if (std::optional<UsageError> error =
                ReadValue(argument, std::move(*value), options, given)) {
            return *error;
        }
    }
    if (std::optional<UsageError> error = CheckCombination(options, given)) {
        return *error;
    }
    if (options.input_path == "-") {
        options.input_path.reset();
    }
    options.action = given.list    ? BatchAction::kListCouriers
                     : given.steps ? BatchAction::kShowSteps
                                   : BatchAction::kQueryNumbers;
    return options;
}

namespace {

constexpr char kUsage[] =
    "Usage: parcelio-batch --courier NAME-OR-CODE [-o FILE] [--format FORMAT] [--jobs N]\n"
    "                      [--column NAME-OR-NUMBER] [--encoding gbk|utf-8] [FILE]\n"
    "       parcelio-batch --courier NAME-OR-CODE [-o FILE] [--format FORMAT]\n"
    "                      [--encoding gbk|utf-8] --steps NUMBER\n"
    "       parcelio-batch --list-couriers [GROUP] [-o FILE] [--encoding gbk|utf-8]\n"
    "\n"
    "Queries the tracking service for every number of FILE (standard input when FILE is\n"
    "absent or -) and writes one line per number, in the order of the list: the number,\n"
    "the time and the text of its latest step, or the number, -- and the service's message\n"
    "when the query failed; for a number that got no answer at all, standard error says why.\n"
    "The number list is read as Parcelio imports it: one number per line, lines ended by\n"
    "CR LF, LF or CR; GBK, or UTF-8 or UTF-16 after a byte-order mark; spaces removed, empty\n"
    "lines dropped, full-width letters and digits sent as ASCII. With --column, FILE is a\n"
    "CSV file, such as a shop's order export, and the numbers are the cells of one column.\n"
    "\n"
    "  --courier NAME-OR-CODE  a courier's display name (the last catalogue row of that name\n"
    "                          wins, as in the window) or its type code\n"
    "  --column NAME-OR-NUMBER read FILE as CSV (a header row, quoted cells, commas or TABs;\n"
    "                          UTF-8 or UTF-16 with a mark, UTF-8 or GBK without) and query\n"
    "                          the numbers of the column with that header text, or at that\n"
    "                          position from 1; empty cells are skipped, spaces removed\n"
    "  --steps NUMBER          every step of one parcel instead, one line per step\n"
    "  --list-couriers [GROUP] the catalogue as 'code name' lines, or one letter group\n"
    "                          (A-E, F-J, K-O, P-T, U-Z)\n"
    "  -o, --output FILE       write FILE whole at the end (through a temporary file)\n"
    "                          instead of standard output\n"
    "  --format FORMAT         export: the window's export lines, cells joined by spaces\n"
    "                          (the default); csv: RFC 4180 rows under a header row, for\n"
    "                          spreadsheets, with the parcel's state in a fourth column 状态;\n"
    "                          jsonl: one JSON object per number (per step with --steps),\n"
    "                          always UTF-8, with the members state and state_text\n"
    "  --jobs N                up to N requests at once, 1 to 8 (default 1: one after the\n"
    "                          other); the lines still come out in the order of the list\n"
    "  --encoding gbk|utf-8    the character set of the output and of the courier name\n"
    "                          given; without it a terminal gets its own (UTF-8 under a\n"
    "                          UTF-8 locale), files and pipes get GBK\n"
    "  --help, --version\n"
    "\n"
    "The state of a parcel (csv: its Chinese name; jsonl: state and state_text):\n"
    "  delivered 已签收, pickup 待取件, out_for_delivery 派送中, in_transit 运输中,\n"
    "  picked_up 已揽收, returned 退回, problem 问题件, no_record 无记录 (no step yet),\n"
    "  failed 查询失败 (refused or not answered). It is the reply's own state number when it\n"
    "  has one, else read from key phrases of the latest step's text; a text with none of\n"
    "  them is in_transit. On a terminal the run ends with the count of each state.\n"
    "\n"
    "Examples:\n"
    "  parcelio-batch --courier ems -o results.txt numbers.txt\n"
    "  parcelio-batch --courier 顺丰速递 --format csv -o results.csv numbers.txt\n"
    "  parcelio-batch --courier ems --format jsonl --jobs 8 numbers.txt > results.jsonl\n"
    "  parcelio-batch --courier ems --steps 1234567890\n"
    "\n"
    "A shop's morning: the order export in, a table with the state of every parcel out, and\n"
    "the parcels with a problem:\n"
    "  parcelio-batch --courier 顺丰速递 --column 运单号 --format csv --jobs 8 \\\n"
    "                 -o today.csv orders.csv\n"
    "  parcelio-batch --courier 顺丰速递 --column 运单号 --format jsonl --jobs 8 orders.csv |\n"
    "    jq -r 'select(.state == \"problem\") | [.number, .context] | @tsv'\n"
    "\n"
    "Lines end in CR LF (jsonl lines in LF). The tracking service host is the build setting,\n"
    "or PARCELIO_TRACKING_HOST when it is set. Exit status: 0 when every number was\n"
    "answered \"ok\", 1 when some were refused or not answered, 2 on bad usage (also a\n"
    "--column that FILE does not have, named with the header cells found).\n";

}  // namespace

std::string_view UsageText() {
    return kUsage;
}

std::string VersionText() {
    return std::string("parcelio-batch ") + kProgramVersion + "\n";
}
