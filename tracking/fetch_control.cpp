#include "tracking/fetch_control.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

std::mutex limits_mutex;
FetchLimits fetch_limits;

std::atomic<bool> fetches_aborted{false};
// Never destroyed: a request's thread that a fetch no longer waits for may tell its end while
// the program exits.
std::mutex& abort_mutex = *new std::mutex;
std::condition_variable& abort_called = *new std::condition_variable;  // also told of fetch ends

thread_local FetchReport last_report;

}  // namespace

void SetFetchLimits(const FetchLimits& limits) {
    const std::lock_guard lock(limits_mutex);
    fetch_limits = limits;
}

FetchLimits CurrentFetchLimits() {
    const std::lock_guard lock(limits_mutex);
    return fetch_limits;
}

void KeepFetchReport(FetchReport report, const ByteArray& body) {
    report.body_bytes = body.size();
    last_report = std::move(report);
}

FetchReport LastFetchReport() {
    return last_report;
}

const char* StopFailure() {
    return FetchesAborted() ? kAbortedFailure : kTimedOutFailure;
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

void EndFetch(FetchEnd& end) {
    {
        const std::lock_guard lock(abort_mutex);
        end.ended = true;
    }
    abort_called.notify_all();
}

bool WaitForFetchEnd(FetchEnd& end, long long milliseconds) {
    std::unique_lock lock(abort_mutex);
    abort_called.wait_for(lock, std::chrono::milliseconds(milliseconds),
                          [&end] { return end.ended || fetches_aborted.load(); });
    return end.ended;
}
