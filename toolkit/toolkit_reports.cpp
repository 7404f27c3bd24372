#include "toolkit/toolkit_reports.h"

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

void SilenceToolkitStart() {
    wxSetAssertHandler(WriteFailedCheck);
    // The toolkit's start makes a log target of its own and shows what it holds when it drops
    // it; with logging off on the main thread it holds nothing.
    wxLog::EnableLogging(false);
}

void SilenceToolkitReports() {
    // The start turned making a target on demand back on: messages of every thread go nowhere.
    wxLog::DontCreateOnDemand();
    delete wxLog::SetActiveTarget(nullptr);
}
