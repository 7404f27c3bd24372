#include "ui/main_window.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>

#include "catalogue/courier_catalogue.h"
#include "runs/current_type_code.h"
#include "runs/worker_bridge.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/layout_builder.h"
#include "toolkit/native_toolkit.h"
#include "toolkit/picture_box.h"
#include "toolkit/toolkit_reports.h"
#include "tracking/fetch_url.h"
#include "ui/window_layout.h"
#include "ui/window_texts.h"

namespace {

// Whether every query worker ended within the bridge's wait when the window last closed.
bool& WorkersEnded() {
    static bool ended = true;
    return ended;
}

// Closing the window first closes the query workers' way to it, before any control is
// destroyed: their pending operations are dropped and their fetches aborted.
void CloseWorkersWithWindow(wxFrame& window) {
    window.Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
        WorkersEnded() = CloseWorkerBridge();
        event.Skip();
    });
}

// The presence picture is fetched on a worker of the bridge, so that a slow or silent host never
// holds up the window, and set on the user-interface thread when the fetch ends. Closing the
// window aborts the fetch with the query workers' and drops the picture. No picture (no network,
// an error page, bytes that are no picture) leaves the box empty.
void FetchPresencePicture() {
    StartWorker([] {
        ByteArray picture = FetchUrl(PresencePictureAddress());
        if (!picture.empty()) {
            PostToWindow(
                [picture = std::move(picture)] { SetPictureBytes(kPresencePicture, picture); });
        }
    });
}

}  // namespace

bool WorkersEndedAtLastClose() {
    return WorkersEnded();
}

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
        // The keyboard starts where a person types the number, not on the first control.
        FocusControl(kNumberBox);
        FetchPresencePicture();
    }
    return window;
}

void EndUserInterface() {
    wxEntryCleanup();
}

void FreeProgramValues() {
    CourierCatalogue.clear();
    CourierCatalogue.shrink_to_fit();
    ReleaseCurrentTypeCode();
}
