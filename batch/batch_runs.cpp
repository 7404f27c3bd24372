#include "batch/batch_runs.h"

#include <cstdio>

#include "batch/batch_output.h"
#include "batch/csv_numbers.h"
#include "batch/process_control.h"
#include "batch/run_output.h"
#include "catalogue/letter_groups.h"
#include "runs/current_type_code.h"
#include "runs/file_io.h"
#include "runs/import_export_text.h"
#include "runs/number_list.h"
#include "text/chrono_shim.h"
#include "tracking/tracking_reply.h"

std::optional<Text> ChooseTypeCode(const CourierTable& catalogue, std::string_view name_or_code) {
    if (name_or_code.empty()) {
        return std::nullopt;
    }
    Text code = ResolveTypeCode(catalogue, name_or_code, "");
    if (!code.empty()) {
        return code;
    }
    for (const CourierEntry& entry : catalogue) {
        if (TextsEqual(entry.code, name_or_code)) {
            return entry.code;
        }
    }
    return std::nullopt;
}

Text CourierListing(const CourierTable& catalogue, std::string_view group) {
    Text listing;
    for (const CourierEntry& entry : catalogue) {
        if (GroupAdmits(group, entry.letter)) {
            listing.append(JoinTexts(entry.code, " ", entry.name, "\r\n"));
        }
    }
    return listing;
}

namespace {

std::optional<ByteArray> ReadStandardInput() {
    ByteArray bytes;
    char chunk[64 * 1024];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (std::ferror(stdin)) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

TextList NumberLines(const ByteArray& list_bytes) {
    TextList kept;
    for (Text& line : NumberListLines(ImportedNumberText(list_bytes))) {
        if (!line.empty()) {
            kept.push_back(std::move(line));
        }
    }
    return kept;
}

namespace {

// The header cells of a CSV file for a message, in the character set of standard error.
std::string HeaderCellList(const TextList& header, bool utf8) {
    if (header.empty()) {
        return "none";
    }
    std::string list;
    for (const Text& cell : header) {
        const ByteArray bytes = OutputBytes(cell, utf8);
        list += (list.empty() ? "" : ", ") + std::string(bytes.begin(), bytes.end());
    }
    return list;
}

// A command-line text in the character set of standard error, as a message shows it beside the
// file's own texts: its last reading (the UTF-8 one, when it is UTF-8), or the bytes as given
// when it has none.
std::string ShownArgument(const std::vector<Text>& readings, const std::string& argument,
                          bool utf8) {
    if (readings.empty()) {
        return argument;
    }
    const ByteArray bytes = OutputBytes(readings.back(), utf8);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

std::variant<TextList, std::string> ReadNumbers(const BatchOptions& options) {
    const std::optional<ByteArray> bytes =
        options.input_path ? ReadWholeFile(ArgumentPath(*options.input_path)) : ReadStandardInput();
    const std::string source = options.input_path.value_or("standard input");
    if (!bytes) {
        return "cannot read the number list " + source;
    }
    if (!options.column) {
        return NumberLines(*bytes);
    }
    const std::vector<Text> readings =
        ArgumentReadings(*options.column, options.encoding, ArgumentsAreUtf8());
    const bool error_utf8 = ErrorCharset(options).utf8;
    std::variant<TextList, CsvColumnProblem> column =
        ColumnNumbers(*bytes, ShownArgument(readings, *options.column, error_utf8), readings);
    if (const CsvColumnProblem* problem = std::get_if<CsvColumnProblem>(&column)) {
        return source + ": " + problem->reason +
               " (header cells: " + HeaderCellList(problem->header, error_utf8) + ")";
    }
    return std::get<TextList>(std::move(column));
}

ParcelSteps QuerySteps(std::string_view number, std::string_view type_code) {
    const Text queried = QueriedNumber(number);
    const TrackingReply reply = QueryTrackingReply(queried, type_code);
    BatchAnswer parcel = MakeBatchAnswer(queried, reply.message, reply.events);
    parcel.state = reply.state;
    ParcelSteps steps{reply.message, {}, ParcelStateOf(parcel)};
    if (TextsEqual(reply.message, kOkMessage)) {
        for (const TrackingEvent& event : reply.events) {
            steps.steps.push_back({event.number, Text(kOkMessage), event, reply.state});
        }
    }
    return steps;
}

namespace {

constexpr long long kProgressIntervalMs = 100;

using Clock = std::chrono::steady_clock;

// The progress line on standard error, when that is a terminal.
struct Progress {
    bool shown = false;  // standard error is a terminal
    std::size_t total = 0;
    Clock::time_point start;
    long long last_shown_ms = -kProgressIntervalMs;
    std::size_t width = 0;  // of the line on screen now
};

struct Tally {
    std::size_t queried = 0;
    std::size_t failed = 0;  // refused by the service or not answered at all
    StateCounts states = {};
};

// Shows the line at most ten times a second unless always, and for the last number.
void ShowProgress(Progress& progress, const Tally& tally, bool always) {
    const long long elapsed_ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - progress.start)
            .count();
    if (!always && tally.queried < progress.total &&
        elapsed_ms - progress.last_shown_ms < kProgressIntervalMs) {
        return;
    }
    progress.last_shown_ms = elapsed_ms;
    const std::string line = ProgressLine(tally.queried, progress.total, tally.failed, elapsed_ms);
    std::fputs(ProgressRedraw(line, progress.width).c_str(), stderr);
    progress.width = line.size();
    if (tally.queried == progress.total) {
        std::fputs("\n", stderr);
        progress.width = 0;
    }
}

// Takes the progress line off the screen before a record goes to the same terminal.
void HideProgress(Progress& progress) {
    if (progress.width > 0) {
        std::fputs(ProgressRedraw("", progress.width).c_str(), stderr);
        progress.width = 0;
    }
}

// One line on standard error for a number that got no answer, saying why.
void ReportNoAnswer(const BatchAnswer& answer, const RunOutput& output) {
    output.WriteError(
        JoinTexts("parcelio-batch: ", answer.line, ": no answer (", answer.failure, ")\n"));
}

std::size_t CountNumbers(const TextList& lines) {
    std::size_t count = 0;
    for (const Text& line : lines) {
        count += RemoveAllSpaces(line).empty() ? 0 : 1;
    }
    return count;
}

}  // namespace

int QueryNumberList(const BatchOptions& options, const Text& type_code) {
    std::variant<TextList, std::string> numbers = ReadNumbers(options);
    if (const std::string* problem = std::get_if<std::string>(&numbers)) {
        return ReportUsageError(*problem);
    }
    const TextList& lines = std::get<TextList>(numbers);
    RunOutput output(options);
    Progress progress{StreamTerminal(StandardStream::kError) != TerminalKind::kNone,
                      CountNumbers(lines), Clock::now()};
    bool output_failed = !output.WriteHeader(false);
    Tally tally;
    const BatchHooks hooks{
        .type_code = [&type_code] { return type_code; },
        .should_stop = [] { return false; },
        .take_answer =
            [&](const BatchAnswer& answer) {
                const ParcelState state = ParcelStateOf(answer);
                ++tally.queried;
                tally.failed += TextsEqual(answer.message, kOkMessage) ? 0 : 1;
                ++tally.states[static_cast<std::size_t>(state)];
                if (answer.message.empty()) {
                    HideProgress(progress);
                    ReportNoAnswer(answer, output);
                }
                if (output.OnScreen()) {
                    HideProgress(progress);
                }
                output_failed = !output.WriteRecord(answer, state);
                if (progress.shown) {
                    ShowProgress(progress, tally, output.OnScreen());
                }
                return !output_failed;
            },
    };
    if (!output_failed) {
        RunBatchLoop(lines, hooks, options.jobs);
    }
    const int status = output.Deliver(tally.failed == 0 ? kAllAnswered : kSomeFailed);
    if (progress.shown && status != kBadUsage) {
        output.WriteError(JoinTexts(StateSummary(tally.states), "\n"));
    }
    return status;
}
