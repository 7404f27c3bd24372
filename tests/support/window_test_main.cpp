// The window tests run in one process with the toolkit started as the program starts it.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/debug.h>

#include "catalogue/courier_catalogue.h"
#include "tests/support/toolkit_probe.h"
#include "ui/main_window.h"

namespace {

// A failed check inside the toolkit is a fault of the code under test.
void FailOnToolkitCheck(const wxString& file, int line, const wxString& function,
                        const wxString& condition, const wxString& message) {
    ADD_FAILURE() << file.utf8_str() << ":" << line << " in " << function.utf8_str() << ": "
                  << condition.utf8_str() << " " << message.utf8_str();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!StartUserInterface(argc, argv)) {
        return 2;
    }
    wxSetAssertHandler(FailOnToolkitCheck);
    StopToolkitAnimations();
    wxTheApp->SetExitOnFrameDelete(false);
    LoadCatalogue();
    const int result = RUN_ALL_TESTS();
    EndUserInterface();
    return result;
}
