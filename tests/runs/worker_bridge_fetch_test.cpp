// Closing the bridge ends the workers' fetches, whether the service never answers or trickles its
// answer out, and refuses later fetches; opening it again lets them run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runs/worker_bridge.h"
#include "tests/support/fixture_service.h"
#include "tracking/fetch_url.h"

namespace {

TEST(CloseWorkerBridge, EndsFetchesUntilTheBridgeReopens) {
    FixtureService service;
    service.SetReplyForNumber("silent", SilentReply());
    service.SetReplyForNumber(
        "trickle", {.body = std::string(100000, 'x'), .drip_bytes = 10, .drip_interval_ms = 50});
    service.SetDefaultReply(BodyReply("answer"));
    // Far longer than the close waits, so only the abort can end the fetches in time.
    SetFetchLimits({.connect_timeout_seconds = 600, .low_speed_seconds = 600});
    OpenWorkerBridge();

    // Shared with the workers, which may outlive this test when the abort fails.
    std::vector<std::shared_ptr<ByteArray>> bodies;
    for (const std::string number : {"silent", "trickle"}) {
        const auto body = std::make_shared<ByteArray>(TextToBytes("not fetched"));
        const Text address = service.Address("/query?type=ems&postid=" + number);
        StartWorker([body, address] { *body = FetchUrl(address); });
        bodies.push_back(body);
    }
    ASSERT_TRUE(service.WaitForRequests(2, 60));
    ASSERT_TRUE(CloseWorkerBridge(60000));
    for (const auto& body : bodies) {
        EXPECT_EQ(*body, ByteArray());
    }
    SetFetchLimits(FetchLimits());

    EXPECT_EQ(FetchUrl(service.Address("/closed")), ByteArray());
    OpenWorkerBridge();
    EXPECT_EQ(FetchUrl(service.Address("/reopened")), TextToBytes("answer"));
    EXPECT_EQ(service.RequestCount(), 3U);
    EXPECT_TRUE(CloseWorkerBridge());
}

}  // namespace
