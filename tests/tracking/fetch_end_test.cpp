// A WinINet fetch waits for the thread that makes its request's calls, for the abort or for its
// time; the wait is tested on both platforms, since the waits of the platform's C++ library are
// what can fail.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tracking/fetch_control.h"

namespace {

// How the wait ends, told from another thread as a request's thread tells it.
struct FetchWaitCase {
    const char* name;
    bool end_fetch;   // the request's thread ends
    bool abort;       // AbortAllFetches is called
    long long limit;  // the fetch's time, in milliseconds
    bool ended;       // what the wait returns
};

// A time of an hour: only the request's end or the abort can end those waits within the test's
// time-out.
TEST(FetchWait, ReturnsWhetherTheRequestEnded) {
    for (const FetchWaitCase& c : {FetchWaitCase{"request ended", true, false, 3600000, true},
                                   FetchWaitCase{"aborted", false, true, 3600000, false},
                                   FetchWaitCase{"time passed", false, false, 50, false}}) {
        FetchEnd end;
        std::thread request([&] {
            if (c.end_fetch) {
                EndFetch(end);
            }
            if (c.abort) {
                AbortAllFetches();
            }
        });
        EXPECT_EQ(WaitForFetchEnd(end, c.limit), c.ended) << c.name;
        request.join();
        ResumeFetches();
    }
}

// Eight workers each wait for a thousand requests' threads in turn, as eight batch jobs do:
// every wait learns of its end (a wait that misses the wake-up hangs the test until its
// time-out).
TEST(FetchWait, EveryOneOfManyWaitsAtOnceLearnsOfItsEnd) {
    constexpr int kWorkers = 8;
    constexpr int kRequestsEach = 1000;
    std::vector<int> ended_counts(kWorkers, 0);
    std::vector<std::thread> workers;
    for (int worker = 0; worker < kWorkers; ++worker) {
        workers.emplace_back([&ended_counts, worker] {
            for (int round = 0; round < kRequestsEach; ++round) {
                FetchEnd end;
                std::thread request([&end] { EndFetch(end); });
                const bool ended = WaitForFetchEnd(end, 3600000);
                request.join();
                ended_counts[static_cast<std::size_t>(worker)] += ended ? 1 : 0;
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    EXPECT_EQ(ended_counts, std::vector<int>(kWorkers, kRequestsEach));
}

}  // namespace
