// The toolkit's own reports: its log messages and failed internal checks would otherwise show
// dialogs. The program shows none; a failed check is written to the error stream.
#pragma once

// Before the toolkit starts: failed checks go to the error stream from here on, and the main
// thread logs nothing, so that no report made while the toolkit starts shows a box.
void SilenceToolkitStart();

// Once the toolkit has started: no log target at all, for the messages of every thread.
void SilenceToolkitReports();
