// The fixture's delivery as the hostile cases rely on it: a burst before a drip arrives whole,
// and the count of bytes handed over covers a whole delivery.
#include <string>
#include <vector>

#include "tests/support/service_test.h"

namespace {

using FixtureDeliveryTest = FixtureServiceTest;

TEST_F(FixtureDeliveryTest, CountsEveryByteOfAWholeDelivery) {
    const std::string body = PatternBody(300000);
    FixtureReply dripped = BodyReply("dripped after the head");
    dripped.drip_after = HeadLength(dripped);
    dripped.drip_bytes = 5;
    dripped.drip_interval_ms = 10;
    const std::vector<FixtureReply> replies = {BodyReply(body), dripped};
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(FetchRouted(std::to_string(i), replies[i]), Bytes(replies[i].body));
    }
    service.Stop();
    const std::vector<std::size_t> sent = service.SentByteCounts();
    ASSERT_EQ(sent.size(), replies.size());
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(sent[i], ResponseBytes(replies[i]).size());
    }
}

}  // namespace
