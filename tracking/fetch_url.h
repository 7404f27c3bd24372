// The transport of a tracking query: one HTTP GET, its limits, what it met, and the abort that
// ends every fetch. libcurl on Linux (fetch_url_curl.cpp), WinINet on Windows
// (fetch_url_wininet.cpp); the limits, reports and abort are shared (fetch_control.cpp). Every
// failure ends in an empty result; nothing throws.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/text_ops.h"

// Limits of one fetch: connect time-out, the low-speed cut-off (below 1 byte/s for this many
// seconds: with libcurl an average over the last few seconds, with WinINet the longest wait for
// the next bytes), the largest body accepted, and the time of the whole fetch, after which it
// gives nothing. A connect or low-speed time of 0 leaves the HTTP library's own default.
struct FetchLimits {
    long connect_timeout_seconds = 60;
    long low_speed_seconds = 30;
    long long max_body_bytes = 32LL * 1024 * 1024;
    long total_seconds = 120;
};
void SetFetchLimits(const FetchLimits& limits);

// One GET of an http or https address; the body whatever the status, empty on any failure.
// A transfer that breaks off after part of the body arrived gives that part, as a failed read
// does; a body over the size cap, a fetch over the total time and a fetch ended by
// AbortAllFetches give nothing, and so does an address whose host is over 256 characters or
// whose object (path and query, as sent) is over 2048.
ByteArray FetchUrl(std::string_view address);

// What the last FetchUrl of the calling thread met, kept per thread as the platform keeps its
// last error: read it right after the fetch.
struct FetchReport {
    // Why the transfer did not end well, in a few words ("connection refused", "no such host",
    // "timed out", ...); empty when it did. A fetch that gives part of a body may have one too.
    Text failure;
    long status = 0;  // the HTTP status of the answer; 0 when none came
    std::size_t body_bytes = 0;
};
FetchReport LastFetchReport();

// Ends every fetch in progress and makes later fetches fail at once, until ResumeFetches (used
// when the window closes, so that no worker keeps the program waiting on the network).
void AbortAllFetches();
// Lets fetches run again (the next window opens its bridge).
void ResumeFetches();
