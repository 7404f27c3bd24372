#include "batch/number_list_run.h"

#include <cstdio>
#include <optional>
#include <string>
#include <thread>  // also brings std::chrono's clocks (<chrono> itself needs a UTF-8 build)

#include "batch/batch_output.h"
#include "batch/batch_query.h"
#include "batch/number_input.h"
#include "batch/output_text.h"
#include "batch/process_control.h"
#include "batch/program_output.h"
#include "batch/progress_line.h"

namespace {

constexpr long long kProgressIntervalMs = 100;

using Clock = std::chrono::steady_clock;

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

}  // namespace

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
