// The first fetches of this process start together: the HTTP library must be started exactly
// once under them. This program holds no other test so that they really are the first.
#include <gtest/gtest.h>

#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/fixture_service.h"
#include "tracking/fetch_url.h"

namespace {

TEST(FirstFetch, EightThreadsStartingTogetherAllSucceed) {
    constexpr int kThreads = 8;
    FixtureService service;
    for (int i = 0; i < kThreads; ++i) {
        service.SetReplyForNumber(std::to_string(i), BodyReply("reply " + std::to_string(i)));
    }
    std::vector<ByteArray> bodies(kThreads);
    std::latch start(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            bodies[i] = FetchUrl(service.Address("/query?postid=" + std::to_string(i)));
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(bodies[i], TextToBytes("reply " + std::to_string(i)));
    }
    EXPECT_EQ(service.RequestCount(), static_cast<std::size_t>(kThreads));
}

}  // namespace
