#include "batch/batch_runs.h"

#include <cstdio>
#include <thread>  // also brings std::chrono's clocks (<chrono> itself needs a UTF-8 build)

#include "batch/batch_output.h"
#include "batch/process_control.h"
#include "catalogue/letter_groups.h"
#include "runs/batch_row.h"
#include "runs/current_type_code.h"
#include "runs/file_io.h"
#include "runs/import_export_text.h"
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
    for (Text& line : SplitText(ImportedNumberText(list_bytes), "\r\n")) {
        if (!line.empty()) {
            kept.push_back(std::move(line));
        }
    }
    return kept;
}

std::optional<TextList> ReadNumberLines(const std::optional<std::string>& path) {
    const std::optional<ByteArray> bytes = path ? ReadWholeFile(*path) : ReadStandardInput();
    if (!bytes) {
        return std::nullopt;
    }
    return NumberLines(*bytes);
}

BatchTally QueryNumbers(const TextList& lines, std::string_view type_code, const RowSink& sink) {
    BatchTally tally;
    // One event list for the whole run, as in the window: a failed query leaves it as it was,
    // and the row of a failed number does not read it.
    TrackingEventList events;
    for (const Text& line : lines) {
        if (RemoveAllSpaces(line).empty()) {
            continue;
        }
        const Text message = QueryTracking(line, type_code, events);
        ++tally.queried;
        if (!TextsEqual(message, kOkMessage)) {
            ++tally.failed;
        }
        if (!sink(BatchRowCells(line, message, events), tally)) {
            break;
        }
    }
    return tally;
}

Text QuerySteps(std::string_view number, std::string_view type_code, RowCellsList& rows) {
    TrackingEventList events;
    Text message = QueryTracking(number, type_code, events);
    for (const TrackingEvent& event : events) {
        rows.push_back({event.number, event.time, event.context});
    }
    return message;
}

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
