// Replies dripped too slowly and bodies over the size cap: all end within the limits. A stall
// keeps the part of the body that arrived (nothing when the head never completed); a body over
// the cap gives nothing, and is not read to its end.
#include <string>
#include <vector>

#include "tests/support/service_test.h"

namespace {

using SlowAndHugeRepliesTest = FixtureServiceTest;

constexpr std::size_t kMiB = 1024 * 1024;

TEST_F(SlowAndHugeRepliesTest, BodyDrippedBelowTheSpeedLimitKeepsWhatArrived) {
    const std::string body = PatternBody(100);
    constexpr std::size_t kAtOnce = 10;
    FixtureReply reply = BodyReply(body);
    reply.drip_after = HeadLength(reply) + kAtOnce;
    reply.drip_bytes = 1;
    reply.drip_interval_ms = 2000;

    const ByteArray fetched = FetchRouted("1", reply);
    // How many dripped bytes came before the cut-off depends on the clock; the result is always
    // the body's beginning, never all of it.
    const std::string text(fetched.begin(), fetched.end());
    EXPECT_GE(text.size(), kAtOnce);
    EXPECT_LT(text.size(), body.size());
    EXPECT_EQ(text, body.substr(0, text.size()));
}

TEST_F(SlowAndHugeRepliesTest, HeadDrippedBelowTheSpeedLimitGivesNothing) {
    FixtureReply reply = BodyReply(PatternBody(100));
    reply.drip_bytes = 1;
    reply.drip_interval_ms = 2000;
    EXPECT_TRUE(FetchRouted("1", reply).empty());
}

std::vector<FixtureReply> FramedReplies(const std::string& body) {
    std::vector<FixtureReply> replies;
    for (const BodyFraming framing :
         {BodyFraming::kContentLength, BodyFraming::kCloseDelimited, BodyFraming::kChunked}) {
        FixtureReply reply = BodyReply(body);
        reply.framing = framing;
        reply.chunk_size = 64 * 1024;
        replies.push_back(reply);
    }
    return replies;
}

// The service takes a moment to lay out 40 MiB, longer under a sanitizer. The HTTP library
// samples the speed once a second, so a start that slow can look like a stall in mid-body;
// a longer cut-off keeps it from ending the fetch before the cap does.
void AllowASlowStart(long long max_body_bytes) {
    FetchLimits limits = FixtureServiceTest::ShortLimits();
    limits.low_speed_seconds = 10;
    limits.max_body_bytes = max_body_bytes;
    SetFetchLimits(limits);
}

TEST_F(SlowAndHugeRepliesTest, BodyOverTheCapGivesNothing) {
    ASSERT_EQ(FetchLimits().max_body_bytes, static_cast<long long>(32 * kMiB));
    AllowASlowStart(FetchLimits().max_body_bytes);
    const std::vector<FixtureReply> replies = FramedReplies(PatternBody(40 * kMiB));
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(FetchRouted(std::to_string(i), replies[i]).size(), 0U) << i;
    }
}

// With a cap far below the body, what the service could hand over before the client hung up
// (the cap, plus what the two ends' socket buffers hold) stays far below the whole body, so a
// client that kept reading would show. A body sized by its head is refused before it is read.
TEST_F(SlowAndHugeRepliesTest, BodyOverTheCapIsNotReadToItsEnd) {
    AllowASlowStart(static_cast<long long>(kMiB));
    const std::vector<FixtureReply> replies = FramedReplies(PatternBody(40 * kMiB));
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(FetchRouted(std::to_string(i), replies[i]).size(), 0U) << i;
    }

    service.Stop();
    const std::vector<std::size_t> sent = service.SentByteCounts();
    ASSERT_EQ(sent.size(), replies.size());
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_LT(sent[i], ResponseBytes(replies[i]).size() / 2) << i;
    }
}

}  // namespace
