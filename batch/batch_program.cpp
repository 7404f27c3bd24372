#include "batch/batch_program.h"

#include <cstdio>
#include <optional>
#include <string>
#include <thread>  // also brings std::chrono's clocks (<chrono> itself needs a UTF-8 build)
#include <variant>

#include "batch/batch_options.h"
#include "batch/batch_output.h"
#include "batch/batch_query.h"
#include "batch/courier_choice.h"
#include "batch/number_input.h"
#include "batch/output_text.h"
#include "batch/process_control.h"
#include "batch/progress_line.h"
#include "batch/usage_text.h"
#include "catalogue/courier_catalogue.h"
#include "catalogue/letter_groups.h"
#include "runs/import_export_text.h"
#include "tracking/tracking_request.h"

namespace {

constexpr std::string_view kOkMessage = "ok";
constexpr std::string_view kAllGroups = "全部";
constexpr long long kProgressIntervalMs = 100;

using Clock = std::chrono::steady_clock;

int ReportUsageError(const std::string& message) {
    std::fprintf(stderr, "parcelio-batch: %s\nTry 'parcelio-batch --help'.\n", message.c_str());
    return kBadUsage;
}

int ReportWriteError(const std::string& target) {
    std::fprintf(stderr, "parcelio-batch: cannot write %s\n", target.c_str());
    return kBadUsage;
}

// Writes the whole output at once, to the output file or standard output.
bool DeliverOutput(const BatchOptions& options, std::string_view gbk_text) {
    const ByteArray bytes = OutputBytes(gbk_text, options.utf8);
    return options.output_path ? WriteOutputFile(*options.output_path, bytes)
                               : WriteStandardOutput(bytes);
}

int DeliverOrReport(const BatchOptions& options, std::string_view gbk_text, int status) {
    if (!DeliverOutput(options, gbk_text)) {
        return ReportWriteError(options.output_path.value_or("standard output"));
    }
    return status;
}

Text RowsText(const RowCellsList& rows) {
    return BytesToText(ExportedRowBytes(rows));
}

int ListCouriers(const BatchOptions& options) {
    Text group(kAllGroups);
    if (options.group) {
        std::optional<Text> given = ArgumentText(*options.group, options.utf8);
        if (!given || (!IsLetterGroup(*given) && !TextsEqual(*given, kAllGroups))) {
            return ReportUsageError("unknown letter group '" + *options.group +
                                    "' (use A-E, F-J, K-O, P-T or U-Z)");
        }
        group = *given;
    }
    return DeliverOrReport(options, CourierListing(CourierCatalogue, group), kAllAnswered);
}

std::optional<Text> TypeCodeFor(const BatchOptions& options) {
    const std::optional<Text> name = ArgumentText(options.courier, options.utf8);
    return name ? ChooseTypeCode(CourierCatalogue, *name) : std::nullopt;
}

int ShowSteps(const BatchOptions& options, const Text& type_code) {
    const std::optional<Text> number = ArgumentText(options.steps_number, options.utf8);
    if (!number || RemoveAllSpaces(*number).empty()) {
        return ReportUsageError("no tracking number given to --steps");
    }
    RowCellsList rows;
    const Text message = QuerySteps(*number, type_code, rows);
    const bool answered = TextsEqual(message, kOkMessage);
    if (!answered) {
        const ByteArray shown = OutputBytes(JoinTexts(message, "!\n"), options.utf8);
        std::fwrite(shown.data(), 1, shown.size(), stderr);
    }
    return DeliverOrReport(options, RowsText(rows), answered ? kAllAnswered : kSomeFailed);
}

// Shows the progress line on standard error when that is a terminal: at most ten times a second
// unless always, and for the last number.
void ShowProgress(const BatchTally& tally, std::size_t total, Clock::time_point start,
                  long long& last_shown_ms, bool always) {
    const long long elapsed_ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    if (!always && tally.queried < total && elapsed_ms - last_shown_ms < kProgressIntervalMs) {
        return;
    }
    last_shown_ms = elapsed_ms;
    const std::string line = ProgressLine(tally.queried, total, tally.failed, elapsed_ms);
    std::fprintf(stderr, "\r%s\x1b[K%s", line.c_str(), tally.queried == total ? "\n" : "");
}

std::size_t CountNumbers(const TextList& lines) {
    std::size_t count = 0;
    for (const Text& line : lines) {
        count += RemoveAllSpaces(line).empty() ? 0 : 1;
    }
    return count;
}

int QueryNumberList(const BatchOptions& options, const Text& type_code) {
    const std::optional<TextList> lines = ReadNumberLines(options.input_path);
    if (!lines) {
        return ReportUsageError("cannot read the number list " +
                                options.input_path.value_or("from standard input"));
    }
    const bool progress = StandardErrorIsTerminal();
    const std::size_t total = CountNumbers(*lines);
    const Clock::time_point start = Clock::now();
    long long last_shown_ms = -kProgressIntervalMs;
    bool output_failed = false;
    RowCellsList file_rows;
    const BatchTally tally =
        QueryNumbers(*lines, type_code, [&](const RowCells& row, const BatchTally& so_far) {
            // Rows going to the terminal too push the progress line below them.
            const bool rows_on_screen = progress && !options.output_path;
            if (rows_on_screen) {
                std::fputs("\r\x1b[K", stderr);
            }
            if (options.output_path) {
                file_rows.push_back(row);
            } else {
                output_failed = !WriteStandardOutput(OutputBytes(RowsText({row}), options.utf8));
            }
            if (progress) {
                ShowProgress(so_far, total, start, last_shown_ms, rows_on_screen);
            }
            return !output_failed;
        });
    if (output_failed) {
        return ReportWriteError("standard output");
    }
    const int status = tally.failed == 0 ? kAllAnswered : kSomeFailed;
    return options.output_path ? DeliverOrReport(options, RowsText(file_rows), status) : status;
}

int RunWithOptions(const BatchOptions& options) {
    switch (options.action) {
        case BatchAction::kShowHelp:
            return DeliverOrReport(BatchOptions{}, UsageText(), kAllAnswered);
        case BatchAction::kShowVersion:
            return DeliverOrReport(BatchOptions{}, VersionText(), kAllAnswered);
        default:
            break;
    }
    if (options.output_path) {
        if (std::optional<std::string> problem = OutputPathProblem(*options.output_path)) {
            return ReportUsageError(*problem);
        }
    }
    LoadCatalogue();
    TakeTrackingHostFromEnvironment();
    if (options.action == BatchAction::kListCouriers) {
        return ListCouriers(options);
    }
    const std::optional<Text> type_code = TypeCodeFor(options);
    if (!type_code) {
        return ReportUsageError("unknown courier '" + options.courier +
                                "' (see --list-couriers; with a UTF-8 terminal add "
                                "--encoding utf-8)");
    }
    return options.action == BatchAction::kShowSteps ? ShowSteps(options, *type_code)
                                                     : QueryNumberList(options, *type_code);
}

}  // namespace

int RunBatchProgram(const std::vector<std::string_view>& arguments) {
    const std::variant<BatchOptions, UsageError> read = ReadBatchOptions(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&read)) {
        return ReportUsageError(error->message);
    }
    return RunWithOptions(std::get<BatchOptions>(read));
}
