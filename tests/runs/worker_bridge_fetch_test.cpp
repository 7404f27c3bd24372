// Closing the bridge ends a worker's fetch that the service never answers and refuses later
// fetches; opening it again lets them run.
#include <gtest/gtest.h>

#include <memory>

#include "runs/worker_bridge.h"
#include "tests/support/fixture_service.h"
#include "tracking/fetch_url.h"

namespace {

TEST(CloseWorkerBridge, EndsFetchesUntilTheBridgeReopens) {
    FixtureService service;
    service.SetDefaultReply(SilentReply());
    // Far longer than the close waits, so only the abort can end the fetch in time.
    SetFetchLimits(FetchLimits{600, 600, 1024});
    OpenWorkerBridge();

    // Shared with the worker, which may outlive this test when the abort fails.
    const auto body = std::make_shared<ByteArray>(TextToBytes("not fetched"));
    const Text address = service.Address("/query?type=ems&postid=SF1");
    StartWorker([body, address] { *body = FetchUrl(address); });
    service.WaitForRequests(1);

    ASSERT_TRUE(CloseWorkerBridge(60000));
    EXPECT_EQ(*body, ByteArray());
    SetFetchLimits(FetchLimits());

    service.SetDefaultReply(BodyReply("answer"));
    EXPECT_EQ(FetchUrl(service.Address("/closed")), ByteArray());
    OpenWorkerBridge();
    EXPECT_EQ(FetchUrl(service.Address("/reopened")), TextToBytes("answer"));
    EXPECT_EQ(service.RequestCount(), 2U);
    EXPECT_TRUE(CloseWorkerBridge());
}

}  // namespace
