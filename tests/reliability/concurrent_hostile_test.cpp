// Several queries at once, as query workers make them, each against its own hostile reply: every
// one ends in its own outcome, and a stalled or broken transfer does not disturb the others.
#include <string>
#include <thread>
#include <vector>

#include "tests/support/service_test.h"
#include "tracking/tracking_reply.h"

namespace {

using ConcurrentHostileTest = FixtureServiceTest;

struct WorkerCase {
    std::string what;
    FixtureReply reply;
    std::string expected_message;
    std::size_t expected_events;
};

FixtureReply Cut(FixtureReply reply, std::size_t body_bytes, ConnectionEnd end) {
    reply.send_limit = HeadLength(reply) + body_bytes;
    reply.end = end;
    return reply;
}

TEST_F(ConcurrentHostileTest, EachWorkerGetsItsOwnOutcome) {
    // Nine transfers at once may start slowly on a busy machine; a longer cut-off keeps a slow
    // start from ending a good transfer.
    FetchLimits limits = ShortLimits();
    limits.low_speed_seconds = 3;
    SetFetchLimits(limits);
    const std::string reply = TrackingReplyJson("n", {{"t1", "a"}, {"t2", "b"}, {"t3", "c"}});
    const std::size_t second_record = reply.find("},{") + 3;
    FixtureReply dripped = BodyReply(reply);
    dripped.drip_after = HeadLength(dripped) + second_record;
    dripped.drip_bytes = 1;
    dripped.drip_interval_ms = 2000;
    FixtureReply chunked = BodyReply(reply);
    chunked.framing = BodyFraming::kChunked;
    chunked.chunk_size = 7;

    const std::vector<WorkerCase> cases = {
        {"whole reply", BodyReply(reply), "ok", 3},
        {"chunked in small pieces", chunked, "ok", 3},
        {"reset after the first record",
         Cut(BodyReply(reply), second_record, ConnectionEnd::kReset), "ok", 0},
        {"silent after the first record",
         Cut(BodyReply(reply), second_record, ConnectionEnd::kHold), "ok", 0},
        {"dripped after the first record", dripped, "ok", 0},
        {"no status line", RawReply(reply), "", 1},
        {"lone surrogate", BodyReply(MessageReplyJson("\xED\xA0\x80")), "", 1},
        {"service message", BodyReply(MessageReplyJson("busy")), "busy", 1},
        {"never answers", SilentReply(), "", 1},
    };
    std::vector<std::string> messages(cases.size());
    std::vector<TrackingEventList> events(cases.size(), TrackingEventList(1));
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        service.SetReplyForNumber(std::to_string(i), cases[i].reply);
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        workers.emplace_back(
            [&, i] { messages[i] = QueryTracking(std::to_string(i), "ems", events[i]); });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(messages[i], cases[i].expected_message) << cases[i].what;
        EXPECT_EQ(events[i].size(), cases[i].expected_events) << cases[i].what;
    }
}

}  // namespace
