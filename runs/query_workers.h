// The bodies of the query worker threads. They reach the window only through the worker
// bridge, so they survive the window closing under them.
#pragma once

// Queries the number in NumberBox, appends one row per step to SingleResultList, then shows the
// outcome in part 0 of MainStatusBar.
void RunSingleQuery();

// Queries every non-blank line of BatchNumberBox in order and writes one row per line to
// BatchResultList, which it empties first. Stops early when the window closes.
void RunBatchQuery();
