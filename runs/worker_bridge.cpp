#include "runs/worker_bridge.h"

#include <wx/app.h>
#include <wx/thread.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "text/chrono_shim.h"
#include "tracking/fetch_url.h"

namespace {

struct BridgeState {
    std::mutex lock;
    // Signalled when a read is answered, a worker ends or the bridge closes.
    std::condition_variable changed;
    bool open = false;
    // Counts the openings; an operation runs only in the opening it was posted in.
    std::uint64_t opening = 0;
    int live_workers = 0;
};

// Never destroyed: detached workers may still use it while the program ends.
BridgeState& Bridge() {
    static BridgeState* const state = new BridgeState;
    return *state;
}

struct PendingRead {
    Text answer;
    bool answered = false;
};

bool StillOpen(BridgeState& bridge, std::uint64_t opening) {
    return bridge.open && bridge.opening == opening;
}

// Queues call on the application object, to run only while the current opening lasts.
// The caller holds the bridge lock and has checked that the bridge is open.
void QueueInOpening(BridgeState& bridge, std::function<void()> call) {
    const std::uint64_t opening = bridge.opening;
    wxTheApp->CallAfter([&bridge, opening, call = std::move(call)] {
        {
            const std::lock_guard<std::mutex> guard(bridge.lock);
            if (!StillOpen(bridge, opening)) {
                return;
            }
        }
        call();
    });
}

void EndWorker() {
    BridgeState& bridge = Bridge();
    {
        const std::lock_guard<std::mutex> guard(bridge.lock);
        --bridge.live_workers;
    }
    bridge.changed.notify_all();
}

void RunWorker(std::function<void()> body) {
    body();
    body = nullptr;
    EndWorker();
}

}  // namespace

void OpenWorkerBridge() {
    BridgeState& bridge = Bridge();
    const std::lock_guard<std::mutex> guard(bridge.lock);
    bridge.open = true;
    ++bridge.opening;
    ResumeFetches();
}

void StartWorker(std::function<void()> body) {
    BridgeState& bridge = Bridge();
    {
        const std::lock_guard<std::mutex> guard(bridge.lock);
        if (!bridge.open) {
            return;
        }
        ++bridge.live_workers;
    }
    try {
        std::thread([body = std::move(body)]() mutable { RunWorker(std::move(body)); }).detach();
    } catch (const std::system_error&) {
        EndWorker();
    }
}

int LiveWorkerCount() {
    BridgeState& bridge = Bridge();
    const std::lock_guard<std::mutex> guard(bridge.lock);
    return bridge.live_workers;
}

void PostToWindow(std::function<void()> operation) {
    BridgeState& bridge = Bridge();
    const std::lock_guard<std::mutex> guard(bridge.lock);
    if (bridge.open && wxTheApp != nullptr) {
        QueueInOpening(bridge, std::move(operation));
    }
}

Text ReadFromWindow(std::function<Text()> read) {
    BridgeState& bridge = Bridge();
    if (wxIsMainThread()) {
        return WorkersShouldStop() ? Text() : read();
    }
    std::unique_lock<std::mutex> lock(bridge.lock);
    if (!bridge.open || wxTheApp == nullptr) {
        return Text();
    }
    const std::uint64_t opening = bridge.opening;
    const auto pending = std::make_shared<PendingRead>();
    QueueInOpening(bridge, [&bridge, pending, read = std::move(read)] {
        Text answer = read();
        {
            const std::lock_guard<std::mutex> guard(bridge.lock);
            pending->answer = std::move(answer);
            pending->answered = true;
        }
        bridge.changed.notify_all();
    });
    bridge.changed.wait(lock, [&] { return pending->answered || !StillOpen(bridge, opening); });
    return pending->answered ? std::move(pending->answer) : Text();
}

bool WorkersShouldStop() {
    BridgeState& bridge = Bridge();
    const std::lock_guard<std::mutex> guard(bridge.lock);
    return !bridge.open;
}

bool CloseWorkerBridge(int limit_milliseconds) {
    BridgeState& bridge = Bridge();
    {
        const std::lock_guard<std::mutex> guard(bridge.lock);
        bridge.open = false;
    }
    bridge.changed.notify_all();
    AbortAllFetches();
    std::unique_lock<std::mutex> lock(bridge.lock);
    return bridge.changed.wait_for(lock, std::chrono::milliseconds(limit_milliseconds),
                                   [&] { return bridge.live_workers == 0; });
}
