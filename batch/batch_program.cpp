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
#include "batch/process_control.h"
#include "batch/run_output.h"
#include "catalogue/courier_catalogue.h"
#include "catalogue/letter_groups.h"
#include "tracking/tracking_reply.h"
#include "tracking/tracking_request.h"

namespace {

constexpr std::string_view kAllGroups = "全部";

// The first reading of a command-line text that passes check, or nothing.
template <typename Check>
std::optional<Text> FirstReading(const BatchOptions& options, std::string_view argument,
                                 Check check) {
    for (Text& reading : ArgumentReadings(argument, options.encoding, ArgumentsAreUtf8())) {
        if (check(reading)) {
            return std::move(reading);
        }
    }
    return std::nullopt;
}

int ListCouriers(const BatchOptions& options) {
    Text group(kAllGroups);
    if (options.group) {
        std::optional<Text> given = FirstReading(options, *options.group, [](const Text& text) {
            return IsLetterGroup(text) || TextsEqual(text, kAllGroups);
        });
        if (!given) {
            return ReportUsageError("unknown letter group '" + *options.group +
                                    "' (use A-E, F-J, K-O, P-T or U-Z)");
        }
        group = *given;
    }
    RunOutput output(options);
    output.WriteText(CourierListing(CourierCatalogue, group));
    return output.Deliver(kAllAnswered);
}

std::optional<Text> TypeCodeFor(const BatchOptions& options) {
    std::optional<Text> code;
    FirstReading(options, options.courier, [&code](const Text& name) {
        code = ChooseTypeCode(CourierCatalogue, name);
        return code.has_value();
    });
    return code;
}

int ShowSteps(const BatchOptions& options, const Text& type_code) {
    const std::optional<Text> number =
        FirstReading(options, options.steps_number,
                     [](const Text& text) { return !RemoveAllSpaces(text).empty(); });
    if (!number) {
        return ReportUsageError("no tracking number given to --steps");
    }
    const ParcelSteps parcel = QuerySteps(*number, type_code);
    const bool answered = TextsEqual(parcel.message, kOkMessage);
    RunOutput output(options);
    if (!answered) {
        output.WriteError(JoinTexts(parcel.message, "!\n"));
    }
    output.WriteHeader(true);
    for (const BatchAnswer& step : parcel.steps) {
        output.WriteRecord(step, parcel.state);
    }
    return output.Deliver(answered ? kAllAnswered : kSomeFailed);
}

// The help and the version go to standard output in its own character set, whatever the
// options say.
int DeliverText(std::string_view gbk_text) {
    RunOutput output{BatchOptions()};
    output.WriteText(gbk_text);
    return output.Deliver(kAllAnswered);
}

int RunWithOptions(const BatchOptions& options) {
    switch (options.action) {
        case BatchAction::kShowHelp:
            return DeliverText(UsageText());
        case BatchAction::kShowVersion:
            return DeliverText(VersionText());
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
        return ReportUsageError("unknown courier '" + options.courier + "' (see --list-couriers)");
    }
    return options.action == BatchAction::kShowSteps ? ShowSteps(options, *type_code)
                                                     : QueryNumberList(options, *type_code);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareProcess();
    const std::vector<std::string> texts = ProgramArguments(argc, argv);
    const std::vector<std::string_view> arguments(texts.begin(), texts.end());
    const std::variant<BatchOptions, UsageError> read = ReadBatchOptions(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&read)) {
        return ReportUsageError(error->message);
    }
    return RunWithOptions(std::get<BatchOptions>(read));
}
