#include "tracking/fetch_control.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

std::mutex limits_mutex;
FetchLimits fetch_limits;

std::atomic<bool> fetches_aborted{false};
std::mutex abort_mutex;
std::condition_variable_any abort_called;

}  // namespace

void SetFetchLimits(const FetchLimits& limits) {
    const std::lock_guard lock(limits_mutex);
    fetch_limits = limits;
}

FetchLimits CurrentFetchLimits() {
    const std::lock_guard lock(limits_mutex);
    return fetch_limits;
}

void AbortAllFetches() {
    {
        const std::lock_guard lock(abort_mutex);
        fetches_aborted = true;
    }
    abort_called.notify_all();
}

void ResumeFetches() {
    fetches_aborted = false;
}

bool FetchesAborted() {
    return fetches_aborted;
}

bool WaitForAbort(std::stop_token stop, long long milliseconds) {
    std::unique_lock lock(abort_mutex);
    return abort_called.wait_for(lock, stop, std::chrono::milliseconds(milliseconds),
                                 [] { return fetches_aborted.load(); });
}
