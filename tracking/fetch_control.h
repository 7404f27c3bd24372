// The transport's process-wide state shared by both HTTP back ends: the limits of a fetch and
// the flag that ends every fetch.
#pragma once

#include <stop_token>

#include "tracking/tracking_request.h"

FetchLimits CurrentFetchLimits();

// True from AbortAllFetches until ResumeFetches.
bool FetchesAborted();

// Blocks until AbortAllFetches is called (true), or until stop is requested or the time has
// passed (false).
bool WaitForAbort(std::stop_token stop, long long milliseconds);
