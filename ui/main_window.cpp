#include "ui/main_window.h"

#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>

#include "catalogue/courier_catalogue.h"
#include "runs/current_type_code.h"
#include "runs/worker_bridge.h"
#include "tracking/tracking_request.h"
#include "ui/im_service.h"
#include "ui/result_pages_placements.h"
#include "ui/toolkit/control_names.h"
#include "ui/toolkit/control_ops.h"
#include "ui/toolkit/gbk_text.h"
#include "ui/toolkit/layout_builder.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/picture_box.h"
#include "ui/toolkit/status_bar.h"
#include "ui/toolkit/toolkit_reports.h"
#include "ui/toolkit/toolkit_style.h"
#include "ui/window_layout.h"

namespace {

// The error stream gets it as well: where no window can be made, the box cannot be shown either.
void ShowFatalError(std::string_view reason, const char* reason_for_error_stream) {
    std::fprintf(stderr, "parcelio: %s\n", reason_for_error_stream);
    ShowMessageBox(MessageBoxKind::Error, GbkToWx(FatalErrorText(reason)), GbkToWx(kProgramName),
                   nullptr);
}

// Whether every query worker ended within the bridge's wait when the window last closed.
bool& WorkersEndedAtClose() {
    static bool ended = true;
    return ended;
}

// Closing the window first closes the query workers' way to it, before any control is
// destroyed: their pending operations are dropped and their fetches aborted.
void CloseWorkersWithWindow(wxFrame& window) {
    window.Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
        WorkersEndedAtClose() = CloseWorkerBridge();
        event.Skip();
    });
}

}  // namespace

Text FatalErrorText(std::string_view reason) {
    return JoinTexts("运行时出错!\r\n\r\n错误信息：", reason);
}

bool StartUserInterface(int& argc, char** argv) {
    SilenceToolkitStart();
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        return false;
    }
    SilenceToolkitReports();
    FitToolkitStyleToLayout();
    wxInitAllImageHandlers();
    return true;
}

wxFrame* OpenMainWindow() {
    wxFrame* window = BuildWindow(MainWindowLayout());
    if (window != nullptr) {
        OpenWorkerBridge();
        CloseWorkersWithWindow(*window);
        window->Centre();
        window->Show();
    }
    return window;
}

void EndUserInterface() {
    wxEntryCleanup();
}

void InitMainWindow() {
    PlaceControl(kResultPages, kPagesBelowUnfoldedPanel);
    ShowPage(kResultPages, kSinglePageNumber);
    SelectItem(kLetterGroupBox, 0);
    ClearItems(kCourierBox);
    for (const CourierEntry& entry : CourierCatalogue) {
        AppendItem(kCourierBox, entry.name);
    }
    SelectItem(kCourierBox, 0);
    AppendStatusPart("请输入快递单号", 250);
    AppendStatusPart("欢迎使用Parcelio", 130);
    AppendStatusPart("精品软件，来自Vorlan", 120);
    AppendStatusPart("Vorlan Home Group.", -1);
    // Start-up waits for this fetch; no picture (no network, an error page) leaves it empty.
    SetPictureBytes(kPresencePicture, FetchUrl(PresencePictureAddress()));
}

void FreeProgramValues() {
    CourierCatalogue.clear();
    CourierCatalogue.shrink_to_fit();
    ReleaseCurrentTypeCode();
}

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
    if (!WorkersEndedAtClose()) {
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
