// The program Parcelio: starts the user interface, loads the catalogue, opens the main window
// and runs until it is closed.
#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>

#include "catalogue/courier_catalogue.h"
#include "toolkit/gbk_text.h"
#include "toolkit/message_box.h"
#include "tracking/tracking_request.h"
#include "ui/main_window.h"
#include "ui/window_texts.h"

namespace {

// The error stream gets it as well: where no window can be made, the box cannot be shown either.
void ShowFatalError(std::string_view reason, const char* reason_for_error_stream) {
    std::fprintf(stderr, "parcelio: %s\n", reason_for_error_stream);
    ShowMessageBox(MessageBoxKind::Error, GbkToWx(FatalErrorText(reason)), GbkToWx(kProgramName),
                   nullptr);
}

// Returns 0 once the window is closed; 1 when the window or the user interface cannot start.
// When a query worker outlives the close, the process ends right there with status 0.
int ProgramEntry() {
    int argc = 1;
    char program[] = "parcelio";
    char* argv[] = {program, nullptr};
    if (!StartUserInterface(argc, argv)) {
        // Without the window system nothing can be shown: say why where a starter can read it.
        std::fputs("parcelio: the window system could not be started\n", stderr);
        return 1;
    }
    CourierCatalogue.clear();
    std::atexit(FreeProgramValues);
    LoadCatalogue();
    TakeTrackingHostFromEnvironment();
    wxFrame* window = OpenMainWindow();
    if (window == nullptr) {
        ShowFatalError("载入启动窗口失败", "the main window could not be made");
        EndUserInterface();
        return 1;
    }
    wxTheApp->OnRun();
    // A row copied to the clipboard stays there once the program has ended: the desktop's
    // clipboard keeper takes it over (on X11 the clipboard is served by its owner).
    wxTheClipboard->Flush();
    if (!WorkersEndedAtLastClose()) {
        // A worker still runs, stuck where no abort reaches it. The process ends at once
        // without the library clean-ups and static destructors that such a worker might still
        // be using; only the program-wide values are released, which no worker reads. (_Exit,
        // as quick_exit with no handlers: the Windows C library has no quick_exit.)
        FreeProgramValues();
        std::_Exit(0);
    }
    EndUserInterface();
    return 0;
}

}  // namespace

int main() {
    return ProgramEntry();
}
