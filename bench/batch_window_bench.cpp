// A batch query through the real main window, against a tracking service on this machine.
//
//   batch_window_bench NUMBERS LIMIT_SECONDS LABEL
//
// Opens the window as the program does, pointed at the service named by PARCELIO_TRACKING_HOST,
// imports 10,000 numbers from a file through the import handler (timed), then puts NUMBERS
// tracking numbers into BatchNumberBox, clicks ModeButton and QueryButton as the
// user does and runs the event loop until BatchResultList holds a row per number and status bar
// part 0 shows the batch's final message. A 10 ms timer ticks all along: the longest gap between
// two ticks is the longest time the window did not respond. The run is abandoned after
// LIMIT_SECONDS, or after a few seconds without a single row. The resident memory is read once a
// tenth of the rows have arrived and again at the end: what a long run keeps beyond its rows
// shows as growth between the two. Prints "figure<TAB>value<TAB>unit" rows, each figure named
// after LABEL.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/timer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/command_line.h"
#include "bench/generated_inputs.h"
#include "catalogue/courier_catalogue.h"
#include "runs/file_io.h"
#include "runs/import_export.h"
#include "text/chrono_shim.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/status_bar.h"
#include "tracking/tracking_request.h"
#include "ui/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTickMilliseconds = 10;
constexpr double kStallMilliseconds = 50;
constexpr double kFirstRowLimitSeconds = 5;
constexpr int kImportNumbers = 10000;
constexpr std::string_view kBatchDoneMessage = "批量查询执行完毕！";

struct BatchWatch {
    int numbers = 0;
    double limit_seconds = 0;
    Clock::time_point clicked;
    Clock::time_point last_tick;
    double longest_gap_ms = 0;
    int stalls = 0;
    int rows = 0;
    bool batch_page_shown = false;
    bool finished = false;
    double seconds = 0;
    long tenth_kib = -1;
    long end_kib = -1;
};

// The process's resident set size from /proc (Linux); -1 where it cannot be read.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        if (key == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// A click as the toolkit delivers it: the button's command event, handled at once.
void Click(std::string_view button_name) {
    wxButton& button = Control<wxButton>(button_name);
    wxCommandEvent click(wxEVT_BUTTON, button.GetId());
    click.SetEventObject(&button);
    button.HandleWindowEvent(click);
}

void StartBatch(BatchWatch& watch) {
    Click(kModeButton);
    watch.batch_page_shown = ShownPage(kResultPages) == kBatchPageNumber;
    watch.clicked = watch.last_tick = Clock::now();
    Click(kQueryButton);
}

// One timer tick: notes the gap since the previous tick and whether the batch has ended.
// Returns true when the watch is over.
bool Tick(BatchWatch& watch) {
    const Clock::time_point now = Clock::now();
    const double gap = Milliseconds(now - watch.last_tick);
    watch.last_tick = now;
    watch.longest_gap_ms = std::max(watch.longest_gap_ms, gap);
    watch.stalls += gap > kStallMilliseconds ? 1 : 0;
    watch.rows = Control<wxListCtrl>(kBatchResultList).GetItemCount();
    watch.seconds = Milliseconds(now - watch.clicked) / 1000;
    watch.finished = watch.rows >= watch.numbers && StatusPartText(0) == kBatchDoneMessage;
    if (watch.tenth_kib < 0 && watch.rows * 10 >= watch.numbers) {
        watch.tenth_kib = ResidentKiB();
    }
    if (watch.finished) {
        watch.end_kib = ResidentKiB();
    }
    return watch.finished || watch.seconds > watch.limit_seconds ||
           (watch.rows == 0 && watch.seconds > kFirstRowLimitSeconds);
}

void PrintRow(const std::string& figure, const std::string& value, const char* unit) {
    std::printf("%s\t%s\t%s\n", figure.c_str(), value.c_str(), unit);
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void PrintResults(const BatchWatch& watch, const std::string& label) {
    const std::string figure = "Batch of " + std::to_string(watch.numbers) + ", " + label;
    if (!watch.batch_page_shown) {
        std::fprintf(stderr, "batch_window_bench: ModeButton did not show the batch page\n");
    }
    if (watch.finished) {
        PrintRow(figure + ": click to final message", Fixed(watch.seconds, 3), "s");
    } else {
        PrintRow(figure + ": click to final message",
                 "unfinished: " + std::to_string(watch.rows) + " rows after " +
                     Fixed(watch.seconds, 1) + " s",
                 "-");
    }
    PrintRow(figure + ": longest gap between 10 ms ticks", Fixed(watch.longest_gap_ms, 1), "ms");
    PrintRow(figure + ": gaps over 50 ms", std::to_string(watch.stalls), "count");
    if (watch.tenth_kib > 0 && watch.end_kib > 0) {
        PrintRow(figure + ": resident memory after a tenth of the rows",
                 Fixed(watch.tenth_kib / 1024.0, 1), "MiB");
        PrintRow(figure + ": resident memory at the end", Fixed(watch.end_kib / 1024.0, 1), "MiB");
    }
}

// Imports the numbers from a file as the import link does, and prints how long the import took
// until the box holds them and the window has handled what the change set off.
bool ImportNumbers(int numbers, const std::string& label) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "parcelio_bench_numbers.txt";
    if (!WriteWholeFile(file, TextToBytes(MakeNumberList(static_cast<std::size_t>(numbers))))) {
        std::fprintf(stderr, "batch_window_bench: cannot write %s\n", file.string().c_str());
        return false;
    }
    const Clock::time_point start = Clock::now();
    ImportNumbersWith([&file](FileDialogKind) { return std::optional(file); });
    wxTheApp->Yield(true);
    const double milliseconds = Milliseconds(Clock::now() - start);
    std::filesystem::remove(file);
    PrintRow("Import of " + std::to_string(numbers) + " numbers into BatchNumberBox (before the " +
                 label + " batch): time",
             Fixed(milliseconds, 1), "ms");
    return !ControlText(kBatchNumberBox).empty();
}

}  // namespace

int main(int argc, char** argv) {
    BatchWatch watch;
    int limit_seconds = 0;
    const char* host = std::getenv("PARCELIO_TRACKING_HOST");
    if (argc != 4 || !ReadPositive(argv[1], watch.numbers) ||
        !ReadPositive(argv[2], limit_seconds) || host == nullptr || *host == '\0') {
        std::fprintf(stderr,
                     "usage: PARCELIO_TRACKING_HOST=host:port batch_window_bench NUMBERS "
                     "LIMIT_SECONDS LABEL\n");
        return 2;
    }
    watch.limit_seconds = limit_seconds;
    const std::string label = argv[3];
    if (!StartUserInterface(argc, argv)) {
        std::fprintf(stderr, "batch_window_bench: the user interface cannot start\n");
        return 1;
    }
    LoadCatalogue();
    SetTrackingHost(host);
    wxFrame* window = OpenMainWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "batch_window_bench: the main window cannot be created\n");
        return 1;
    }
    if (!ImportNumbers(kImportNumbers, label)) {
        return 1;
    }
    SetControlText(kBatchNumberBox, MakeNumberList(static_cast<std::size_t>(watch.numbers)));

    wxTimer ticker;
    ticker.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (Tick(watch)) {
            ticker.Stop();
            window->Close(true);
        }
    });
    wxTheApp->CallAfter([&] {
        StartBatch(watch);
        ticker.Start(kTickMilliseconds);
    });
    wxTheApp->OnRun();
    PrintResults(watch, label);
    std::fflush(stdout);
    EndUserInterface();
    return 0;
}
