// One GET over WinINet: the transport of the Windows build. One root internet handle per
// process; each fetch opens its own connection and request and closes them before it returns.
//
// The result is the body whatever the status. A read that fails after part of the body arrived
// gives that part. A body over the size cap, a fetch over its total time and a fetch ended by
// AbortAllFetches give the empty array: the blocking calls run on a thread of their own, and a
// fetch that runs out of time or is aborted returns at once and closes its request, which ends
// a call blocked in WinINet on Windows. Redirects are followed here,
// not by WinINet, as libcurl follows them: at most 10, to http and https addresses only (Wine's
// WinINet follows a redirect loop for ever).
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "text/chrono_shim.h"
#include "tracking/fetch_control.h"
#include "tracking/fetch_url.h"
#include "tracking/response_head.h"
#include "tracking/wire_address.h"

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr DWORD kCanonicalBufferSize = 2084;
constexpr DWORD kMaxHost = 256;
constexpr DWORD kMaxUserName = 128;
constexpr DWORD kMaxPassword = 128;
constexpr DWORD kMaxObject = 2048;
constexpr DWORD kLargestReadSize = 102400;
constexpr DWORD kReadSizeWithoutLength = 10240;
constexpr DWORD kHeaderBufferSize = 256;
constexpr char kAdditionalHeaders[] = "Accept: */*\r\n\r\n";
constexpr long long kMillisecondsPerSecond = 1000;
constexpr int kMaxRedirects = 10;

using Clock = std::chrono::steady_clock;

// Created by the first fetch that needs it and never closed: detached workers may still be
// inside a fetch when the program exits. A failed creation is tried again by the next fetch.
std::mutex root_mutex;
HINTERNET root_handle = nullptr;

HINTERNET RootHandle() {
    const std::lock_guard lock(root_mutex);
    if (root_handle == nullptr) {
        root_handle = InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    }
    return root_handle;
}

// The address as the platform's URL functions put it; empty when they refuse it.
Text CanonicalAddress(const Text& address) {
    Text canonical(kCanonicalBufferSize, '\0');
    DWORD size = kCanonicalBufferSize;
    if (!InternetCanonicalizeUrlA(address.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return {};
        }
        canonical.assign(size + 1, '\0');
        size += 1;
        if (!InternetCanonicalizeUrlA(address.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) {
            return {};
        }
    }
    canonical.resize(size);
    return canonical;
}

struct AddressParts {
    INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
    INTERNET_PORT port = 0;
    char host[kMaxHost + 1] = {};
    char user_name[kMaxUserName + 1] = {};
    char password[kMaxPassword + 1] = {};
    char object[kMaxObject + 1] = {};
};

bool CrackAddress(const Text& canonical, AddressParts& parts) {
    URL_COMPONENTSA components{};
    components.dwStructSize = sizeof components;
    components.lpszHostName = parts.host;
    components.dwHostNameLength = sizeof parts.host;
    components.lpszUserName = parts.user_name;
    components.dwUserNameLength = sizeof parts.user_name;
    components.lpszPassword = parts.password;
    components.dwPasswordLength = sizeof parts.password;
    components.lpszUrlPath = parts.object;
    components.dwUrlPathLength = sizeof parts.object;
    if (!InternetCrackUrlA(canonical.c_str(), 0, 0, &components)) {
        return false;
    }
    parts.scheme = components.nScheme;
    parts.port = components.nPort;
    return parts.scheme == INTERNET_SCHEME_HTTP || parts.scheme == INTERNET_SCHEME_HTTPS;
}

const char* NullWhenEmpty(const char* text) {
    return text[0] == '\0' ? nullptr : text;
}

void SetTimeOut(HINTERNET handle, DWORD option, long seconds) {
    if (seconds > 0) {
        DWORD milliseconds = static_cast<DWORD>(seconds * kMillisecondsPerSecond);
        InternetSetOptionA(handle, option, &milliseconds, sizeof milliseconds);
    }
}

// The system's proxy settings apply; no proxy of the program's own.
void UseSystemProxy(HINTERNET root, HINTERNET connection) {
    INTERNET_PROXY_INFO proxy{INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr};
    InternetSetOptionA(root, INTERNET_OPTION_PROXY, &proxy, sizeof proxy);
    char empty[1] = {};
    InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, empty, 0);
    InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, empty, 0);
}

// A text header of the reply; nullopt when it has none.
std::optional<Text> HeaderText(HINTERNET request, DWORD header) {
    Text text(kHeaderBufferSize, '\0');
    DWORD size = kHeaderBufferSize;
    if (!HttpQueryInfoA(request, header, text.data(), &size, nullptr)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return std::nullopt;
        }
        text.assign(size + 1, '\0');
        size += 1;
        if (!HttpQueryInfoA(request, header, text.data(), &size, nullptr)) {
            return std::nullopt;
        }
    }
    text.resize(size);
    return text;
}

// The body length the head announces: none without a Content-Length that is a number, or with
// a transfer encoding (which delimits the body instead). WinINet reads on past it when the
// connection carries more, as after a length shorter than the body.
std::optional<unsigned long long> DeclaredLength(HINTERNET request) {
    const std::optional<Text> length_text = HeaderText(request, HTTP_QUERY_CONTENT_LENGTH);
    if (!length_text || HeaderText(request, HTTP_QUERY_TRANSFER_ENCODING)) {
        return std::nullopt;
    }
    unsigned long long length = 0;
    const char* const end = length_text->data() + length_text->size();
    const auto [stop, error] = std::from_chars(length_text->data(), end, length);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return length;
}

// What one request gave: the body, or the address it redirects to, and what it met.
struct RequestOutcome {
    ByteArray body;
    Text redirect;
    Text failure;  // why it did not end well; empty when it did
    long status = 0;
};

// The words both transports use for a WinINet error.
Text FailureOfError(DWORD error) {
    switch (error) {
        case ERROR_INTERNET_CANNOT_CONNECT:
            return kRefusedFailure;
        case ERROR_INTERNET_NAME_NOT_RESOLVED:
            return kNoSuchHostFailure;
        case ERROR_INTERNET_TIMEOUT:
            return kTimedOutFailure;
        case ERROR_INTERNET_CONNECTION_ABORTED:
        case ERROR_INTERNET_CONNECTION_RESET:
            return kCutFailure;
        default:
            return "WinINet error " + std::to_string(error);
    }
}

// The announced length plus one, so that the last read returns nothing at once.
DWORD ReadSize(std::optional<unsigned long long> declared) {
    if (!declared || *declared == 0) {
        return kReadSizeWithoutLength;
    }
    return static_cast<DWORD>(std::min<unsigned long long>(*declared + 1, kLargestReadSize));
}

// Reads until the end, the announced length, a failed read or a transfer below 1 byte/s for the
// low-speed time (true: what arrived is the body), or until the body is over the cap, the fetch
// is over its time or aborted (false). Each read takes only the bytes already there, at most the
// read size, so that a read that fails later keeps what arrived before it; the receive time-out
// ends a read that waits for bytes longer than the low-speed time. What ended a read early is
// the outcome's failure.
bool ReadBody(HINTERNET request, const FetchLimits& limits, Clock::time_point deadline,
              RequestOutcome& outcome) {
    ByteArray& body = outcome.body;
    const std::optional<unsigned long long> declared = DeclaredLength(request);
    const DWORD read_size = ReadSize(declared);
    const std::size_t max_body_bytes =
        static_cast<std::size_t>(std::max(limits.max_body_bytes, 0LL));
    const unsigned long long body_end = declared.value_or(ULLONG_MAX);
    ByteArray buffer(read_size);
    Clock::time_point window_start = Clock::now();
    std::size_t window_bytes = 0;
    for (;;) {
        if (FetchesAborted() || Clock::now() >= deadline) {
            outcome.failure = StopFailure();
            return false;
        }
        if (body.size() >= body_end) {
            return true;
        }
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0)) {
            outcome.failure = FailureOfError(GetLastError());
            return true;
        }
        if (available == 0) {
            return true;
        }
        const DWORD wanted = static_cast<DWORD>(
            std::min<unsigned long long>(std::min(available, read_size), body_end - body.size()));
        DWORD received = 0;
        if (!InternetReadFile(request, buffer.data(), wanted, &received)) {
            outcome.failure = FailureOfError(GetLastError());
            return true;
        }
        if (received == 0) {
            return true;
        }
        if (received > max_body_bytes - body.size()) {
            outcome.failure = kOverCapFailure;
            return false;
        }
        body.insert(body.end(), buffer.begin(), buffer.begin() + received);
        window_bytes += received;
        if (limits.low_speed_seconds > 0 &&
            Clock::now() - window_start >= std::chrono::seconds(limits.low_speed_seconds)) {
            if (window_bytes < static_cast<std::size_t>(limits.low_speed_seconds)) {
                outcome.failure = kTimedOutFailure;
                return true;
            }
            window_start = Clock::now();
            window_bytes = 0;
        }
    }
}

// WinINet takes a reply without a status line for one without a head (HTTP/0.9) and hands out
// what follows as the body, takes malformed status lines, and reads heads of any size; libcurl
// refuses them, and so does this check of the head as it arrived.
bool HeadIsSound(HINTERNET request) {
    const std::optional<Text> raw_head = HeaderText(request, HTTP_QUERY_RAW_HEADERS_CRLF);
    return raw_head && ResponseHeadIsSound(*raw_head);
}

// The reply's status code; 0 when it has none.
long StatusCode(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                        nullptr)) {
        return 0;
    }
    return static_cast<long>(status);
}

bool IsRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The address a Location header points at, relative to the address it came from.
Text RedirectTarget(const Text& from, const Text& location) {
    Text target(kCanonicalBufferSize, '\0');
    DWORD size = kCanonicalBufferSize;
    if (!InternetCombineUrlA(from.c_str(), location.c_str(), target.data(), &size, ICU_NO_ENCODE)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return {};
        }
        target.assign(size + 1, '\0');
        size += 1;
        if (!InternetCombineUrlA(from.c_str(), location.c_str(), target.data(), &size,
                                 ICU_NO_ENCODE)) {
            return {};
        }
    }
    target.resize(size);
    return target;
}

// One request, shared by the fetch and the thread that makes its blocking WinINet calls, so that
// a fetch that is aborted or runs out of time returns at once. Closing the request handle ends
// a call blocked in WinINet on Windows, not under Wine, where the thread goes on until the call
// returns by itself; the fetch does not wait for it.
struct SharedRequest {
    FetchEnd end;
    RequestOutcome outcome;  // written by the thread before it tells the end
    bool complete = false;
};

// Why a request that was sent got no reply head. Wine ends a wait for the head that outlasts the
// receive time-out as a cut connection: after that long, it is a time-out.
Text SendFailure(DWORD error, Clock::duration waited, const FetchLimits& limits) {
    const bool cut =
        error == ERROR_INTERNET_CONNECTION_ABORTED || error == ERROR_INTERNET_CONNECTION_RESET;
    if (cut && limits.low_speed_seconds > 0 &&
        waited >= std::chrono::seconds(limits.low_speed_seconds)) {
        return kTimedOutFailure;
    }
    return FailureOfError(error);
}

// Sends the request and reads what it gives; false when it gave no answer.
bool SendAndRead(HINTERNET request, const Text& address, const FetchLimits& limits,
                 Clock::time_point deadline, RequestOutcome& outcome) {
    const Clock::time_point sent = Clock::now();
    if (!HttpSendRequestA(request, kAdditionalHeaders, sizeof kAdditionalHeaders - 1, nullptr, 0)) {
        outcome.failure = SendFailure(GetLastError(), Clock::now() - sent, limits);
        return false;
    }
    if (!HeadIsSound(request)) {
        outcome.failure = "malformed reply head";
        return false;
    }
    outcome.status = StatusCode(request);
    // A redirect without a Location header is an answer like any other.
    const Text location =
        IsRedirect(outcome.status) ? HeaderText(request, HTTP_QUERY_LOCATION).value_or("") : "";
    if (!location.empty()) {
        outcome.redirect = RedirectTarget(address, location);
        return true;
    }
    return ReadBody(request, limits, deadline, outcome);
}

// What the request's thread takes with it: the fetch may be gone before the thread ends.
struct RequestCall {
    std::shared_ptr<SharedRequest> shared;
    HINTERNET handle;
    Text address;
    FetchLimits limits;
    Clock::time_point deadline;
};

DWORD WINAPI MakeRequestCalls(void* parameter) {
    const std::unique_ptr<RequestCall> call(static_cast<RequestCall*>(parameter));
    SharedRequest& shared = *call->shared;
    shared.complete =
        SendAndRead(call->handle, call->address, call->limits, call->deadline, shared.outcome);
    EndFetch(shared.end);
    return 0;
}

RequestOutcome FetchOverConnection(HINTERNET connection, const AddressParts& parts,
                                   const Text& address, const FetchLimits& limits,
                                   Clock::time_point deadline) {
    static const char* const accept_types[] = {"Accept: */* \r\n", nullptr};
    // Redirects come back as they are and are followed by FetchUrl.
    DWORD flags =
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
    if (parts.scheme == INTERNET_SCHEME_HTTPS) {
        flags |= INTERNET_FLAG_SECURE;
    }
    const HINTERNET handle = HttpOpenRequestA(connection, "GET", parts.object, "HTTP/1.0", nullptr,
                                              const_cast<const char**>(accept_types), flags, 0);
    if (handle == nullptr) {
        return {{}, {}, FailureOfError(GetLastError())};
    }
    SetTimeOut(handle, INTERNET_OPTION_CONNECT_TIMEOUT, limits.connect_timeout_seconds);
    SetTimeOut(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, limits.low_speed_seconds);
    const auto shared = std::make_shared<SharedRequest>();
    auto call =
        std::make_unique<RequestCall>(RequestCall{shared, handle, address, limits, deadline});
    // A thread of the system's own, not a detached std::thread: with those, batch runs under
    // Wine lost requests and hung now and then (winpthreads ends a detached thread's handle
    // itself).
    const HANDLE thread = CreateThread(nullptr, 0, &MakeRequestCalls, call.get(), 0, nullptr);
    if (thread == nullptr) {
        InternetCloseHandle(handle);  // the system refuses a thread: the fetch fails
        return {{}, {}, "no thread for the request"};
    }
    call.release();  // the thread owns it now
    const long long time_left = std::max<long long>(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    const bool ended = WaitForFetchEnd(shared->end, time_left);
    // A thread that told its end has only to return: wait for that, so that no request thread
    // is still running when the program ends after its last fetch.
    if (ended) {
        WaitForSingleObject(thread, INFINITE);
    }
    CloseHandle(thread);
    // After an abort or the time, this is what ends the call in progress (on Windows).
    InternetCloseHandle(handle);
    if (!ended) {
        return {{}, {}, StopFailure()};
    }
    if (!shared->complete) {
        return {{}, {}, std::move(shared->outcome.failure), shared->outcome.status};
    }
    return std::move(shared->outcome);
}

// One request to address over a connection of its own.
RequestOutcome FetchOnce(const Text& address, const FetchLimits& limits,
                         Clock::time_point deadline) {
    const Text wire_address = WireAddress(address);
    const Text canonical = CanonicalAddress(wire_address);
    AddressParts parts;
    if (!WithinAddressLimits(wire_address) || canonical.empty() ||
        !CrackAddress(canonical, parts)) {
        return {{}, {}, kBadAddressFailure};
    }
    const HINTERNET root = RootHandle();
    if (root == nullptr) {
        return {{}, {}, FailureOfError(GetLastError())};
    }
    const HINTERNET connection =
        InternetConnectA(root, parts.host, parts.port, NullWhenEmpty(parts.user_name),
                         NullWhenEmpty(parts.password), INTERNET_SERVICE_HTTP, 0, 0);
    if (connection == nullptr) {
        return {{}, {}, FailureOfError(GetLastError())};
    }
    UseSystemProxy(root, connection);
    RequestOutcome outcome = FetchOverConnection(connection, parts, canonical, limits, deadline);
    InternetCloseHandle(connection);
    return outcome;
}

// The last request's outcome, after the redirects are followed.
RequestOutcome FetchFollowingRedirects(std::string_view address) {
    if (address.empty() || FetchesAborted()) {
        return {{}, {}, address.empty() ? kBadAddressFailure : StopFailure()};
    }
    const FetchLimits limits = CurrentFetchLimits();
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(limits.total_seconds);
    Text next(address);
    for (int redirects = 0; redirects <= kMaxRedirects; ++redirects) {
        RequestOutcome outcome = FetchOnce(next, limits, deadline);
        if (outcome.redirect.empty()) {
            return outcome;
        }
        next = std::move(outcome.redirect);
    }
    return {{}, {}, kRedirectsFailure};
}

}  // namespace

ByteArray FetchUrl(std::string_view address) {
    RequestOutcome outcome = FetchFollowingRedirects(address);
    KeepFetchReport({std::move(outcome.failure), outcome.status}, outcome.body);
    return std::move(outcome.body);
}
