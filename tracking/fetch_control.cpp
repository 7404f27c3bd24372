#include "tracking/fetch_control.h"

#include <curl/curl.h>

#include <atomic>
#include <mutex>

namespace {

// The library stays started until the process ends: detached workers may still be inside a
// fetch when the program exits, so it is never cleaned up.
std::mutex start_mutex;
bool transport_started = false;

std::mutex limits_mutex;
FetchLimits fetch_limits;

std::atomic<bool> fetches_aborted{false};

}  // namespace

bool StartTransport() {
    const std::lock_guard lock(start_mutex);
    if (!transport_started) {
        transport_started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    }
    return transport_started;
}

void SetFetchLimits(const FetchLimits& limits) {
    const std::lock_guard lock(limits_mutex);
    fetch_limits = limits;
}

FetchLimits CurrentFetchLimits() {
    const std::lock_guard lock(limits_mutex);
    return fetch_limits;
}

void AbortAllFetches() {
    fetches_aborted = true;
}

void ResumeFetches() {
    fetches_aborted = false;
}

bool FetchesAborted() {
    return fetches_aborted;
}
