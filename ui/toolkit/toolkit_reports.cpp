#include "ui/toolkit/toolkit_reports.h"

#include <cstdio>

#include <wx/debug.h>
#include <wx/log.h>

namespace {

void WriteFailedCheck(const wxString& file, int line, const wxString& function,
                      const wxString& condition, const wxString& message) {
    std::fprintf(stderr, "%s:%d: %s: check \"%s\" failed: %s\n",
                 static_cast<const char*>(file.utf8_str()), line,
                 static_cast<const char*>(function.utf8_str()),
                 static_cast<const char*>(condition.utf8_str()),
                 static_cast<const char*>(message.utf8_str()));
}

}  // namespace

void SilenceToolkitReports() {
    // No log target at all, and none made on demand: messages of every thread go nowhere.
    wxLog::DontCreateOnDemand();
    delete wxLog::SetActiveTarget(nullptr);
    wxSetAssertHandler(WriteFailedCheck);
}
