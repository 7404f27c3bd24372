// parcelio-batch: the window's batch run, single query and courier list for scripts.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "batch/batch_output.h"
#include "batch/batch_runs.h"
#include "catalogue/courier_catalogue.h"
#include "catalogue/letter_groups.h"
#include "tracking/tracking_reply.h"
#include "tracking/tracking_request.h"

namespace {

constexpr std::string_view kAllGroups = "全部";

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

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::variant<BatchOptions, UsageError> read = ReadBatchOptions(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&read)) {
        return ReportUsageError(error->message);
    }
    return RunWithOptions(std::get<BatchOptions>(read));
}
