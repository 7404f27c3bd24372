// One GET over WinINet: the transport of the Windows build. One root internet handle per
// process; each fetch opens its own connection and request and closes them before it returns.
//
// The result is the body whatever the status. A read that fails after part of the body arrived
// gives that part. A body over the size cap, a fetch over its total time and a fetch ended by
// AbortAllFetches give the empty array: a guard thread closes the request of a fetch that runs
// out of time or is aborted, which ends a read blocked in WinINet.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <charconv>
#include <mutex>
#include <thread>

#include "tracking/fetch_control.h"
#include "tracking/tracking_request.h"
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
constexpr DWORD kContentLengthBufferSize = 32;
constexpr char kAdditionalHeaders[] = "Accept: */*\r\n\r\n";
constexpr long long kMillisecondsPerSecond = 1000;

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

// The announced Content-Length plus one, so that the last read returns nothing at once.
DWORD ReadSize(HINTERNET request) {
    char length_text[kContentLengthBufferSize] = {};
    DWORD size = sizeof length_text;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, length_text, &size, nullptr)) {
        return kReadSizeWithoutLength;
    }
    unsigned long long length = 0;
    const auto [end, error] = std::from_chars(length_text, length_text + size, length);
    if (error != std::errc() || length == 0) {
        return kReadSizeWithoutLength;
    }
    return static_cast<DWORD>(std::min<unsigned long long>(length + 1, kLargestReadSize));
}

// The request of one fetch, closed once: by the fetch, or earlier by its guard.
struct GuardedRequest {
    std::mutex mutex;
    HINTERNET handle = nullptr;
};

void CloseRequest(GuardedRequest& request) {
    const std::lock_guard lock(request.mutex);
    if (request.handle != nullptr) {
        InternetCloseHandle(request.handle);
        request.handle = nullptr;
    }
}

// Reads until the end, a failed read, or a body over the cap (false).
bool ReadBody(HINTERNET request, std::size_t max_body_bytes, ByteArray& body) {
    const DWORD read_size = ReadSize(request);
    ByteArray buffer(read_size);
    for (;;) {
        DWORD received = 0;
        if (!InternetReadFile(request, buffer.data(), read_size, &received) || received == 0) {
            return true;
        }
        if (received > max_body_bytes - body.size()) {
            return false;
        }
        body.insert(body.end(), buffer.begin(), buffer.begin() + received);
    }
}

ByteArray FetchOverConnection(HINTERNET connection, const AddressParts& parts,
                              const FetchLimits& limits) {
    static const char* const accept_types[] = {"Accept: */* \r\n", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (parts.scheme == INTERNET_SCHEME_HTTPS) {
        flags |= INTERNET_FLAG_SECURE;
    }
    GuardedRequest request;
    request.handle = HttpOpenRequestA(connection, "GET", parts.object, "HTTP/1.0", nullptr,
                                      const_cast<const char**>(accept_types), flags, 0);
    if (request.handle == nullptr) {
        return {};
    }
    SetTimeOut(request.handle, INTERNET_OPTION_CONNECT_TIMEOUT, limits.connect_timeout_seconds);
    SetTimeOut(request.handle, INTERNET_OPTION_RECEIVE_TIMEOUT, limits.low_speed_seconds);
    std::jthread guard([&request, limits](std::stop_token stop) {
        WaitForAbort(stop, limits.total_seconds * kMillisecondsPerSecond);
        if (!stop.stop_requested()) {
            CloseRequest(request);
        }
    });
    ByteArray body;
    const std::size_t max_body_bytes =
        static_cast<std::size_t>(std::max(limits.max_body_bytes, 0LL));
    const bool within_cap = HttpSendRequestA(request.handle, kAdditionalHeaders,
                                             sizeof kAdditionalHeaders - 1, nullptr, 0) &&
                            ReadBody(request.handle, max_body_bytes, body);
    guard.request_stop();
    guard.join();
    // A request the guard closed ran out of time or was aborted.
    const bool cut_by_guard = request.handle == nullptr;
    CloseRequest(request);
    if (!within_cap || cut_by_guard) {
        return {};
    }
    return body;
}

}  // namespace

ByteArray FetchUrl(std::string_view address) {
    if (address.empty() || FetchesAborted()) {
        return {};
    }
    const Text wire_address = WireAddress(address);
    const Text canonical = CanonicalAddress(wire_address);
    AddressParts parts;
    if (!WithinAddressLimits(wire_address) || canonical.empty() ||
        !CrackAddress(canonical, parts)) {
        return {};
    }
    const HINTERNET root = RootHandle();
    if (root == nullptr) {
        return {};
    }
    const FetchLimits limits = CurrentFetchLimits();
    const HINTERNET connection =
        InternetConnectA(root, parts.host, parts.port, NullWhenEmpty(parts.user_name),
                         NullWhenEmpty(parts.password), INTERNET_SERVICE_HTTP, 0, 0);
    if (connection == nullptr) {
        return {};
    }
    UseSystemProxy(root, connection);
    ByteArray body = FetchOverConnection(connection, parts, limits);
    InternetCloseHandle(connection);
    return body;
}
