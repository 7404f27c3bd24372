// Bodies that are not valid UTF-8, or hold characters that GBK cannot represent, and replies cut
// off midway: the text is all of the converted body or nothing, and the query's message and the
// caller's events follow from that text alone.
#include <string>
#include <vector>

#include "tests/support/service_test.h"
#include "tracking/tracking_reply.h"

namespace {

using HostileTextTest = FixtureServiceTest;

const std::string kReply = TrackingReplyJson(
    "1", {{"2026-01-02 10:00", Utf8(u8"已签收")}, {"2026-01-01 09:00", Utf8(u8"已揽收")}});

// A reply with one of its contexts replaced by these bytes.
std::string ReplyHolding(const std::string& bytes) {
    return TrackingReplyJson("1", {{"2026-01-02 10:00", bytes}, {"2026-01-01 09:00", "x"}});
}

struct TextCase {
    std::string what;
    std::string body;
    std::string expected_text;
};

TEST_F(HostileTextTest, TextIsTheWholeBodyInGbkOrNothing) {
    const std::vector<TextCase> cases = {
        {"valid reply", kReply,
         R"({"message":"ok","nu":"1","data":[{"time":"2026-01-02 10:00","context":")"
         "\xD2\xD1\xC7\xA9\xCA\xD5"
         R"("},{"time":"2026-01-01 09:00","context":")"
         "\xD2\xD1\xC0\xBF\xCA\xD5\"}]}"},
        {"byte 0xFF", ReplyHolding("\xFF"), ""},
        {"lone continuation byte", ReplyHolding("\x80"), ""},
        {"overlong encoding of a slash", ReplyHolding("\xC0\xAF"), ""},
        {"character cut at the end", kReply + "\xE5\xB7", ""},
        {"lone surrogate", ReplyHolding("\xED\xA0\x80"), ""},
        {"surrogate pair encoded separately", ReplyHolding("\xED\xA0\xBD\xED\xB8\x80"), ""},
        {"four-byte character", ReplyHolding(Utf8(u8"\U0001F600")), ""},
        {"four-byte character in the head", Utf8(u8"\U00020000") + kReply, ""},
        {"tag character", ReplyHolding(Utf8(u8"\U000E0001")), ""},
        {"byte order mark", "\xEF\xBB\xBF" + kReply, ""},
        {"zero byte", std::string("{\"message\":\"ok\0\"}", 17), "{\"message\":\"ok"},
        {"empty body", "", ""},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string number = std::to_string(i);
        service.SetReplyForNumber(number, BodyReply(cases[i].body));
        EXPECT_EQ(FetchTrackingText(number, "ems"), cases[i].expected_text) << cases[i].what;
    }
}

struct QueryCase {
    std::string what;
    FixtureReply reply;
    std::string expected_message;
    std::vector<std::string> expected_contexts;  // of the caller's events after the query
};

// The reply sent up to and including the first occurrence of a marker, then reset.
FixtureReply ReplyResetAfter(const std::string& body, const std::string& marker) {
    FixtureReply reply = BodyReply(body);
    reply.send_limit = HeadLength(reply) + body.find(marker) + marker.size();
    reply.end = ConnectionEnd::kReset;
    return reply;
}

TEST_F(HostileTextTest, QueryOutcomeFollowsFromTheText) {
    const std::string kept = "kept";
    const std::vector<QueryCase> cases = {
        {"valid reply",
         BodyReply(kReply),
         "ok",
         {"\xD2\xD1\xC0\xBF\xCA\xD5", "\xD2\xD1\xC7\xA9\xCA\xD5"}},
        {"lone surrogate", BodyReply(ReplyHolding("\xED\xA0\x80")), "", {kept}},
        {"four-byte character", BodyReply(ReplyHolding(Utf8(u8"\U0001F4E6"))), "", {kept}},
        {"invalid byte", BodyReply(ReplyHolding("\xFE")), "", {kept}},
        {"cut after the first record", ReplyResetAfter(kReply, "},"), "ok", {}},
        {"cut inside a character", ReplyResetAfter(kReply, "\xE5\xB7"), "", {kept}},
        {"cut before the message ends", ReplyResetAfter(kReply, "\"o"), "", {kept}},
        {"error page without quotes", BodyReply("<html><body>busy</body></html>", 500), "", {kept}},
        {"error page with quotes",
         BodyReply(R"(<html lang="zh"><body>busy</body></html>)", 503),
         "g=",
         {kept}},
        {"message in capitals", BodyReply(MessageReplyJson("OK")), "OK", {kept}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string number = std::to_string(i);
        service.SetReplyForNumber(number, cases[i].reply);
        TrackingEventList events = {{"old", "old time", kept}};
        EXPECT_EQ(QueryTracking(number, "ems", events), cases[i].expected_message) << cases[i].what;
        std::vector<std::string> contexts;
        for (const TrackingEvent& event : events) {
            contexts.push_back(event.context);
        }
        EXPECT_EQ(contexts, cases[i].expected_contexts) << cases[i].what;
    }
}

}  // namespace
