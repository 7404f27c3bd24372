#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/support/fixture_service.h"
#include "tracking/fetch_url.h"

namespace {

TEST(AbortAllFetches, EndsFetchesInFlightAndRefusesLaterOnesUntilResumed) {
    // Limits far beyond the test's time-out: only the abort can end these fetches.
    FetchLimits patient;
    patient.connect_timeout_seconds = 3600;
    patient.low_speed_seconds = 3600;
    SetFetchLimits(patient);

    FixtureService service;
    service.SetReplyForNumber("silent", SilentReply());
    FixtureReply trickle = BodyReply(std::string(100000, 'x'));
    trickle.drip_bytes = 10;
    trickle.drip_interval_ms = 50;
    service.SetReplyForNumber("trickle", trickle);
    service.SetDefaultReply(BodyReply("fine"));

    ByteArray silent_body{'-'};
    ByteArray trickle_body{'-'};
    std::thread silent([&] { silent_body = FetchUrl(service.Address("/query?postid=silent")); });
    std::thread trickling(
        [&] { trickle_body = FetchUrl(service.Address("/query?postid=trickle")); });
    service.WaitForRequests(2);
    AbortAllFetches();
    silent.join();
    trickling.join();
    EXPECT_TRUE(silent_body.empty());
    EXPECT_TRUE(trickle_body.empty());

    EXPECT_TRUE(FetchUrl(service.Address("/query?postid=later")).empty());
    EXPECT_EQ(service.RequestCount(), 2U);

    ResumeFetches();
    SetFetchLimits(FetchLimits());
    EXPECT_EQ(FetchUrl(service.Address("/query?postid=resumed")), TextToBytes("fine"));
    EXPECT_EQ(service.RequestCount(), 3U);
}

}  // namespace
