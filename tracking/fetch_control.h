// The transport's process-wide state: the one-time start of the HTTP library, the limits of a
// fetch and the flag that ends every fetch.
#pragma once

#include "tracking/tracking_request.h"

// Starts the HTTP library once per process, also when several threads make their first fetch
// together. False when the start failed; the next call tries again.
bool StartTransport();

FetchLimits CurrentFetchLimits();

// True from AbortAllFetches until ResumeFetches.
bool FetchesAborted();
