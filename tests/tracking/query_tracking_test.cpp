#include <array>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "tests/support/service_test.h"
#include "tracking/tracking_reply.h"

namespace {

using TrackingServiceTest = FixtureServiceTest;

const std::string kReply = TrackingReplyJson(
    "1", {{"2026-01-02 10:00", Utf8(u8"已签收")}, {"2026-01-01 09:00", Utf8(u8"已揽收")}});

struct TextCase {
    const char* what;
    FixtureReply reply;
    std::string expected;
};

TEST_F(TrackingServiceTest, FetchesTheReplyAsGbkText) {
    const std::vector<TextCase> cases = {
        {"chinese", BodyReply(Utf8(u8"{\"message\":\"快件已签收\"}")),
         "{\"message\":\"快件已签收\"}"},
        {"outside GBK", BodyReply(Utf8(u8"{\"message\":\"ok\",\"x\":\"😀\"}")), ""},
        {"zero byte", BodyReply(std::string("before\0after", 12)), "before"},
    };
    for (const TextCase& c : cases) {
        service.SetDefaultReply(c.reply);
        EXPECT_EQ(FetchTrackingText("1234", "ems"), c.expected) << c.what;
    }
}

TrackingEventList PreparedList() {
    return {{"old", "2026-01-01 00:00:00", "kept"}};
}

// An event's number, time and context, for comparing lists.
using EventFields = std::vector<std::array<Text, 3>>;
const EventFields kKept = {{"old", "2026-01-01 00:00:00", "kept"}};

EventFields Fields(const TrackingEventList& events) {
    EventFields fields;
    for (const TrackingEvent& event : events) {
        fields.push_back({event.number, event.time, event.context});
    }
    return fields;
}

struct QueryCase {
    const char* what;
    FixtureReply reply;
    std::string message;
    EventFields events;   // the caller's list afterwards
    std::string failure;  // LastQueryFailure afterwards
};

TEST_F(TrackingServiceTest, ReplacesTheCallersListOnlyForOk) {
    const std::vector<FixtureEvent> steps = {{"2026-12-02 08:40:00", Utf8(u8"到达上海")},
                                             {"2026-12-01 10:00:00", Utf8(u8"已收寄")}};
    const std::vector<QueryCase> cases = {
        {"ok: the steps latest first, with the number",
         BodyReply(TrackingReplyJson("other", steps)),
         "ok",
         {{"EA1", "2026-12-01 10:00:00", "已收寄"}, {"EA1", "2026-12-02 08:40:00", "到达上海"}},
         ""},
        {"ok without steps", BodyReply(TrackingReplyJson("EA1", {})), "ok", {}, ""},
        {"capital OK", BodyReply(R"({"message":"OK","data":[{"time":"t","context":"c"}]})"), "OK",
         kKept, ""},
        {"service error", BodyReply(MessageReplyJson(Utf8(u8"参数错误"))), "参数错误", kKept, ""},
        {"empty reply", BodyReply(""), "", kKept, "empty reply"},
        {"no answer", SilentReply(), "", kKept, "timed out"},
        {"error page", BodyReply("<html>busy</html>", 503), "", kKept,
         "HTTP 503: not a tracking reply"},
        {"not UTF-8", BodyReply("{\"message\":\"\xB2\xE9\"}"), "", kKept,
         "reply is not UTF-8 text that GBK can hold"},
    };
    for (const QueryCase& c : cases) {
        service.SetDefaultReply(c.reply);
        TrackingEventList events = PreparedList();
        EXPECT_EQ(QueryTracking("EA1", "ems", events), c.message) << c.what;
        EXPECT_EQ(LastQueryFailure(), c.failure) << c.what;
        EXPECT_EQ(Fields(events), c.events) << c.what;
    }
}

TEST_F(TrackingServiceTest, NamesWhyAHostGaveNoAnswer) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"127.0.0.1:" + std::to_string(UnusedLoopbackPort()), "connection refused"},
        {"no-such-host.invalid", "no such host"},
    };
    for (const auto& [host, failure] : cases) {
        SetTrackingHost(host);
        TrackingEventList events;
        EXPECT_EQ(QueryTracking("1234", "ems", events), "") << host;
        EXPECT_EQ(LastQueryFailure(), failure) << host;
    }
}

// The reply sent up to and including the first occurrence of a marker, then reset.
FixtureReply ReplyResetAfter(const std::string& body, const std::string& marker) {
    FixtureReply reply{.body = body, .end = ConnectionEnd::kReset};
    reply.send_limit = HeadLength(reply) + body.find(marker) + marker.size();
    return reply;
}

// Several queries at once, as query workers make them, each against its own reply, hostile ones
// included: the message and the caller's list follow from the text that arrived, and a stalled
// or broken transfer disturbs no other.
TEST_F(TrackingServiceTest, ConcurrentQueriesEachGetTheirOwnOutcome) {
    // A dozen transfers at once may start slowly on a busy machine; a longer cut-off keeps a slow
    // start from ending a good transfer.
    SetFetchLimits(ShortLimits(3));
    const std::string reply = TrackingReplyJson("n", {{"t1", "a"}, {"t2", "b"}, {"t3", "c"}});
    const std::size_t second_record = reply.find("},{") + 3;
    const std::size_t head = HeadLength(BodyReply(reply));
    const auto cut = [&](ConnectionEnd end) {
        return FixtureReply{.body = reply, .send_limit = head + second_record, .end = end};
    };
    const FixtureReply dripped{.body = reply,
                               .drip_bytes = 1,
                               .drip_interval_ms = 2000,
                               .drip_after = head + second_record};

    const std::vector<std::tuple<std::string, FixtureReply, std::string, std::size_t>> cases = {
        {"whole reply", BodyReply(reply), "ok", 3},
        {"chunked in small pieces",
         {.body = reply, .framing = BodyFraming::kChunked, .chunk_size = 7},
         "ok",
         3},
        {"reset after the first record", cut(ConnectionEnd::kReset), "ok", 0},
        {"silent after the first record", cut(ConnectionEnd::kHold), "ok", 0},
        {"dripped after the first record", dripped, "ok", 0},
        {"no status line", RawReply(reply), "", 1},
        {"lone surrogate", BodyReply(MessageReplyJson("\xED\xA0\x80")), "", 1},
        {"service message", BodyReply(MessageReplyJson("busy")), "busy", 1},
        {"never answers", SilentReply(), "", 1},
        {"cut inside a character", ReplyResetAfter(kReply, "\xE5\xB7"), "", 1},
        {"cut before the message ends", ReplyResetAfter(kReply, "\"o"), "", 1},
        {"error page with quotes", BodyReply(R"(<html lang="zh"><body>busy</body></html>)", 503),
         "g=", 1},
    };
    std::vector<std::string> messages(cases.size());
    std::vector<TrackingEventList> events(cases.size(), PreparedList());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        service.SetReplyForNumber(std::to_string(i), std::get<1>(cases[i]));
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        workers.emplace_back(
            [&, i] { messages[i] = QueryTracking(std::to_string(i), "ems", events[i]); });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& [what, reply_sent, message, event_count] = cases[i];
        EXPECT_EQ(messages[i], message) << what;
        ASSERT_EQ(events[i].size(), event_count) << what;
        // Each worker's steps carry its own number, not another's.
        for (const TrackingEvent& event : events[i]) {
            EXPECT_EQ(event.number, event_count == 1 ? "old" : std::to_string(i)) << what;
        }
    }
}

}  // namespace
