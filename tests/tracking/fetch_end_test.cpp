// The guard thread of a WinINet fetch waits for the fetch's end or the abort; the same wait is
// tested on both platforms, since the waits of the platform's C++ library are what can fail.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tracking/fetch_control.h"

namespace {

// The wait of a fetch's guard thread: how it ends, told from another thread as a fetch tells it.
struct GuardWaitCase {
    const char* name;
    bool end_fetch;   // the fetch ends
    bool abort;       // AbortAllFetches is called
    long long limit;  // the guard's time, in milliseconds
    bool ended;       // what the wait returns
};

class GuardWait : public testing::TestWithParam<GuardWaitCase> {};

TEST_P(GuardWait, ReturnsWhetherTheFetchEnded) {
    const GuardWaitCase& c = GetParam();
    FetchEnd end;
    bool ended = !c.ended;
    std::thread guard([&] { ended = WaitForFetchEnd(end, c.limit); });
    if (c.end_fetch) {
        EndFetch(end);
    }
    if (c.abort) {
        AbortAllFetches();
    }
    guard.join();
    ResumeFetches();
    EXPECT_EQ(ended, c.ended);
}

// A limit of an hour: only the fetch's end or the abort can end those waits within the test's
// time-out.
INSTANTIATE_TEST_SUITE_P(Ends, GuardWait,
                         testing::Values(GuardWaitCase{"FetchEnded", true, false, 3600000, true},
                                         GuardWaitCase{"Aborted", false, true, 3600000, false},
                                         GuardWaitCase{"TimePassed", false, false, 50, false}),
                         [](const testing::TestParamInfo<GuardWaitCase>& info) {
                             return std::string(info.param.name);
                         });

// Eight workers each start and end a thousand guards, as eight batch jobs do: every guard learns
// that its fetch ended (a wait that misses the wake-up hangs the test until its time-out).
TEST(GuardWait, EveryOneOfManyGuardsAtOnceLearnsOfItsEnd) {
    constexpr int kWorkers = 8;
    constexpr int kGuardsEach = 1000;
    std::vector<int> ended_counts(kWorkers, 0);
    std::vector<std::thread> workers;
    for (int worker = 0; worker < kWorkers; ++worker) {
        workers.emplace_back([&ended_counts, worker] {
            for (int round = 0; round < kGuardsEach; ++round) {
                FetchEnd end;
                bool ended = false;
                std::thread guard([&] { ended = WaitForFetchEnd(end, 3600000); });
                EndFetch(end);
                guard.join();
                ended_counts[static_cast<std::size_t>(worker)] += ended ? 1 : 0;
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    EXPECT_EQ(ended_counts, std::vector<int>(kWorkers, kGuardsEach));
}

}  // namespace
