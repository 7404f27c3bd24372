// One GET over libcurl, one easy handle per fetch: the transport of the Linux build.
//
// The result is the body whatever the status. A failure before any body byte arrived (name,
// connection, TLS, time-out, protocol) gives the empty array. A failure after some of the body
// arrived (connection cut or reset, stalled transfer, broken chunking) gives the bytes that
// arrived, as a failed read does on Windows. Three failures are ours and always give the empty
// array: a body over the size cap, a fetch over its total time, and a fetch ended by
// AbortAllFetches.
#include <curl/curl.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <mutex>

#include "text/chrono_shim.h"
#include "tracking/fetch_control.h"
#include "tracking/fetch_url.h"
#include "tracking/wire_address.h"

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char kWebProtocols[] = "http,https";
constexpr long kMaxRedirects = 10;
constexpr long kLowSpeedBytesPerSecond = 1;
// libcurl sizes its receive buffer before the response headers arrive, so the read size cannot
// follow the announced Content-Length; it is the largest read size the announced length allows.
constexpr long kReadSize = 102400;

// The library stays started until the process ends: detached workers may still be inside a
// fetch when the program exits, so it is never cleaned up. A failed start is tried again by the
// next fetch.
std::mutex start_mutex;
bool transport_started = false;

bool StartTransport() {
    const std::lock_guard lock(start_mutex);
    if (!transport_started) {
        transport_started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    }
    return transport_started;
}

struct Transfer {
    ByteArray body;
    std::size_t max_body_bytes = 0;
    std::chrono::steady_clock::time_point deadline;
    bool stopped = false;  // over the cap, over the total time or aborted: the result is empty
    bool over_cap = false;
};

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

std::size_t KeepBodyBytes(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t length = size * count;
    if (length > transfer.max_body_bytes - transfer.body.size()) {
        transfer.stopped = true;
        transfer.over_cap = true;
        return 0;
    }
    transfer.body.insert(transfer.body.end(), data, data + length);
    return length;
}

// Called about once a second and after every received block, also while nothing arrives.
int StopWhenAbortedOrLate(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(user);
    if (!FetchesAborted() && std::chrono::steady_clock::now() < transfer.deadline) {
        return 0;
    }
    transfer.stopped = true;
    return 1;
}

HeaderList RequestHeaders() {
    HeaderList headers(curl_slist_append(nullptr, "Accept: */*"), &curl_slist_free_all);
    if (headers == nullptr) {
        return headers;
    }
    curl_slist* const full = curl_slist_append(headers.get(), "Pragma: no-cache");
    if (full == nullptr) {
        headers.reset();
    }
    return headers;
}

bool ConfigureRequest(CURL* easy, const Text& wire_address, curl_slist* headers,
                      const FetchLimits& limits, Transfer& transfer) {
    const CURLcode results[] = {
        curl_easy_setopt(easy, CURLOPT_URL, wire_address.c_str()),
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, kWebProtocols),
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kWebProtocols),
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L),
        curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0)),
        curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent),
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers),
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L),
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects),
        curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L),
        curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L),
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L),
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, limits.connect_timeout_seconds),
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytesPerSecond),
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, limits.low_speed_seconds),
        curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(transfer.max_body_bytes)),
        curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kReadSize),
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &KeepBodyBytes),
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer),
        curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L),
        curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &StopWhenAbortedOrLate),
        curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &transfer),
    };
    return std::all_of(std::begin(results), std::end(results),
                       [](CURLcode result) { return result == CURLE_OK; });
}

// Why a finished transfer did not end well, in the words both transports use; empty when it did.
Text TransferFailure(CURL* easy, CURLcode result, const Transfer& transfer) {
    if (transfer.stopped) {
        return transfer.over_cap ? kOverCapFailure : StopFailure();
    }
    long os_error = 0;
    switch (result) {
        case CURLE_OK:
            return {};
        case CURLE_COULDNT_RESOLVE_HOST:
            return kNoSuchHostFailure;
        case CURLE_COULDNT_CONNECT:
            curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &os_error);
            return os_error == ECONNREFUSED ? kRefusedFailure : "cannot connect";
        case CURLE_OPERATION_TIMEDOUT:
            return kTimedOutFailure;
        case CURLE_FILESIZE_EXCEEDED:
            return kOverCapFailure;
        case CURLE_TOO_MANY_REDIRECTS:
            return kRedirectsFailure;
        case CURLE_PARTIAL_FILE:
        case CURLE_RECV_ERROR:
        case CURLE_GOT_NOTHING:
            return kCutFailure;
        default:
            return JoinTexts("transfer failed: ", curl_easy_strerror(result));
    }
}

ByteArray FetchWithReport(std::string_view address, FetchReport& report) {
    if (address.empty() || FetchesAborted() || !StartTransport()) {
        report.failure = address.empty() ? kBadAddressFailure : StopFailure();
        return {};
    }
    const FetchLimits limits = CurrentFetchLimits();
    const Text wire_address = WireAddress(address);
    if (!WithinAddressLimits(wire_address)) {
        report.failure = kBadAddressFailure;
        return {};
    }
    const EasyHandle easy(curl_easy_init(), &curl_easy_cleanup);
    const HeaderList headers = RequestHeaders();
    Transfer transfer;
    transfer.max_body_bytes = static_cast<std::size_t>(std::max(limits.max_body_bytes, 0LL));
    transfer.deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(limits.total_seconds);
    if (easy == nullptr || headers == nullptr ||
        !ConfigureRequest(easy.get(), wire_address, headers.get(), limits, transfer)) {
        report.failure = "transfer could not be set up";
        return {};
    }
    const CURLcode result = curl_easy_perform(easy.get());
    report.failure = TransferFailure(easy.get(), result, transfer);
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &report.status);
    if (transfer.stopped) {
        return {};
    }
    return std::move(transfer.body);
}

}  // namespace

ByteArray FetchUrl(std::string_view address) {
    FetchReport report;
    ByteArray body = FetchWithReport(address, report);
    KeepFetchReport(std::move(report), body);
    return body;
}
