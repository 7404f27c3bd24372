// The first half of a tracking query: the query address, one HTTP GET, and the conversion of
// the service's UTF-8 answer to GBK. Every failure ends in an empty result; nothing throws.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/text_ops.h"

// The tracking service host ("host" or "host:port"). Set once at start-up, before any query.
void SetTrackingHost(std::string_view host);
Text TrackingHost();
// Takes the host from the environment variable PARCELIO_TRACKING_HOST when it is set and not
// empty, so that tests and demos can point the program at a service on this machine.
void TakeTrackingHostFromEnvironment();

// "http://" host "/query?type=" code "&postid=" number "&id=1&valicode=&temp=0.5366536813547046",
// built unchanged from its pieces.
Text BuildQueryAddress(std::string_view number, std::string_view type_code);

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
// whose object (path and query, as sent) is over 2048. libcurl on Linux, WinINet on Windows.
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

// Re-encodes all of data (iconv on Linux; on Windows the code-page functions, which know the
// names UTF-8 and GBK/CP936); empty when data is empty or any of it fails to convert.
ByteArray ConvertCharset(const ByteArray& data, std::string_view from, std::string_view to);

// Builds the address, fetches it and converts the body from UTF-8 to GBK, up to a zero byte.
Text FetchTrackingText(std::string_view number, std::string_view type_code);
