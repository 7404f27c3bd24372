// The toolkit's own reports: its log messages and failed internal checks would otherwise show
// dialogs. The program shows none; a failed check is written to the error stream.
#pragma once

void SilenceToolkitReports();
