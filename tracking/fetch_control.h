// The transport's process-wide state shared by both HTTP back ends: the limits of a fetch and
// the flag that ends every fetch.
#pragma once

#include "tracking/fetch_url.h"

FetchLimits CurrentFetchLimits();

// The failures both transports name alike.
inline constexpr char kRefusedFailure[] = "connection refused";
inline constexpr char kNoSuchHostFailure[] = "no such host";
inline constexpr char kTimedOutFailure[] = "timed out";
inline constexpr char kOverCapFailure[] = "reply over the size cap";
inline constexpr char kAbortedFailure[] = "fetch aborted";
inline constexpr char kCutFailure[] = "connection cut before the reply ended";
inline constexpr char kBadAddressFailure[] = "address refused";
inline constexpr char kRedirectsFailure[] = "too many redirects";

// Keeps what a fetch met for LastFetchReport on the calling thread; the fetch's body is
// counted here as well.
void KeepFetchReport(FetchReport report, const ByteArray& body);

// The failure of a fetch that ended early because of the abort or its total time, or nothing.
const char* StopFailure();

// True from AbortAllFetches until ResumeFetches.
bool FetchesAborted();

// The end of one fetch's request, as the fetch waits for the thread that makes its calls.
struct FetchEnd {
    bool ended = false;  // read and written under the transport's lock
};

// Marks the request as ended and wakes the fetch waiting for it.
void EndFetch(FetchEnd& end);

// Blocks until EndFetch(end) (true), or until AbortAllFetches is called or the time has passed
// (false). A plain mutex and condition variable: the stop-token waits of MinGW's libstdc++ can
// miss a wake-up and leave both sides waiting for ever.
bool WaitForFetchEnd(FetchEnd& end, long long milliseconds);
