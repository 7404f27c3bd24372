#include "runs/worker_bridge.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>

#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Long enough that only a hang, never a slow machine, reaches it.
constexpr int kGenerousMilliseconds = 60000;

// Opens the bridge for each test and runs the application's event loop on the test's thread.
class WorkerBridgeTest : public testing::Test {
  protected:
    void SetUp() override { OpenWorkerBridge(); }

    void TearDown() override {
        CloseWorkerBridge(kGenerousMilliseconds);
        DrainPostedCalls();
    }

    // Dispatches events and posted calls until done holds.
    void RunLoopUntil(const std::function<bool()>& done) {
        while (!done()) {
            wxTheApp->ProcessPendingEvents();
            loop_.DispatchTimeout(1);
        }
    }

    void DrainPostedCalls() {
        RunLoopUntil([] { return !wxTheApp->HasPendingEvents(); });
    }

  private:
    wxEventLoop loop_;
    wxEventLoopActivator activator_{&loop_};
};

TEST_F(WorkerBridgeTest, PostedOperationsRunInOrderOfEachWorker) {
    constexpr int kWorkers = 4;
    constexpr int kPosts = 500;
    std::vector<std::pair<int, int>> ran;  // touched on this thread only
    for (int worker = 0; worker < kWorkers; ++worker) {
        StartWorker([worker, &ran] {
            for (int post = 0; post < kPosts; ++post) {
                PostToWindow([worker, post, &ran] { ran.emplace_back(worker, post); });
            }
        });
    }
    RunLoopUntil([&] { return LiveWorkerCount() == 0 && !wxTheApp->HasPendingEvents(); });

    ASSERT_EQ(ran.size(), static_cast<std::size_t>(kWorkers * kPosts));
    std::vector<int> next(kWorkers, 0);
    for (const auto& [worker, post] : ran) {
        EXPECT_EQ(post, next[worker]++) << "worker " << worker;
    }
}

TEST_F(WorkerBridgeTest, ReadsAreAnsweredAfterEarlierPosts) {
    constexpr int kRounds = 200;
    int appended = 0;  // touched on this thread only
    std::vector<Text> answers;
    StartWorker([&] {
        for (int round = 0; round < kRounds; ++round) {
            PostToWindow([&appended] { ++appended; });
            answers.push_back(ReadFromWindow([&appended] { return std::to_string(appended); }));
        }
    });
    RunLoopUntil([] { return LiveWorkerCount() == 0; });

    ASSERT_EQ(answers.size(), static_cast<std::size_t>(kRounds));
    for (int round = 0; round < kRounds; ++round) {
        EXPECT_EQ(answers[round], std::to_string(round + 1));
    }
}

TEST_F(WorkerBridgeTest, ClosingReleasesWaitingWorkersAndDropsTheirOperations) {
    constexpr int kWorkers = 8;
    std::atomic<int> reading{0};
    std::atomic<int> operations_run{0};
    std::atomic<int> reads_run{0};
    std::atomic<int> stopped_workers{0};
    std::vector<Text> answers(kWorkers, "not answered");
    for (int worker = 0; worker < kWorkers; ++worker) {
        StartWorker([&, worker] {
            PostToWindow([&] { ++operations_run; });
            ++reading;
            answers[worker] = ReadFromWindow([&] {
                ++reads_run;
                return Text("SF123");
            });
            PostToWindow([&] { ++operations_run; });
            if (WorkersShouldStop()) {
                ++stopped_workers;
            }
        });
    }
    while (reading < kWorkers) {
        std::this_thread::yield();
    }

    EXPECT_TRUE(CloseWorkerBridge(kGenerousMilliseconds));
    EXPECT_EQ(LiveWorkerCount(), 0);
    EXPECT_EQ(stopped_workers, kWorkers);
    EXPECT_EQ(answers, std::vector<Text>(kWorkers, ""));

    DrainPostedCalls();
    EXPECT_EQ(operations_run, 0);
    EXPECT_EQ(reads_run, 0);
}

TEST_F(WorkerBridgeTest, CloseTellsWhenAWorkerOutlivesTheLimit) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> saw_stop{false};
    StartWorker([released, &saw_stop] {
        released.wait();
        saw_stop = WorkersShouldStop();
    });
    EXPECT_FALSE(WorkersShouldStop());
    EXPECT_EQ(LiveWorkerCount(), 1);

    EXPECT_FALSE(CloseWorkerBridge(1));
    EXPECT_EQ(LiveWorkerCount(), 1);
    release.set_value();
    RunLoopUntil([] { return LiveWorkerCount() == 0; });
    EXPECT_TRUE(saw_stop);
}

// A read on the interface thread runs at once while the bridge is open; once it is closed,
// nothing posted, read or started runs.
TEST_F(WorkerBridgeTest, NothingStartsOrRunsAfterClose) {
    EXPECT_EQ(ReadFromWindow([] { return Text("SF123"); }), "SF123");
    bool posted_before_close_ran = false;
    PostToWindow([&] { posted_before_close_ran = true; });
    CloseWorkerBridge(kGenerousMilliseconds);

    bool read_ran = false;
    EXPECT_EQ(ReadFromWindow([&] {
                  read_ran = true;
                  return Text("SF123");
              }),
              "");

    bool posted_after_close_ran = false;
    PostToWindow([&] { posted_after_close_ran = true; });
    std::atomic<bool> worker_ran{false};
    StartWorker([&] { worker_ran = true; });
    EXPECT_EQ(LiveWorkerCount(), 0);

    DrainPostedCalls();
    EXPECT_FALSE(posted_before_close_ran);
    EXPECT_FALSE(posted_after_close_ran);
    EXPECT_FALSE(worker_ran);
    EXPECT_FALSE(read_ran);
}

TEST_F(WorkerBridgeTest, OperationsPostedBeforeAReopeningNeverRun) {
    int ran = 0;
    PostToWindow([&] { ran += 1; });
    CloseWorkerBridge(kGenerousMilliseconds);
    OpenWorkerBridge();
    PostToWindow([&] { ran += 10; });
    DrainPostedCalls();
    EXPECT_EQ(ran, 10);
}

}  // namespace
