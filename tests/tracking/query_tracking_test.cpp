#include <string>
#include <thread>
#include <vector>

#include "tests/support/service_test.h"
#include "tracking/tracking_reply.h"

namespace {

using TrackingServiceTest = FixtureServiceTest;

struct TextCase {
    const char* what;
    FixtureReply reply;
    std::string expected;
};

TEST_F(TrackingServiceTest, FetchesTheReplyAsGbkText) {
    const std::vector<TextCase> cases = {
        {"chinese", BodyReply(Utf8(u8"{\"message\":\"快件已签收\"}")),
         "{\"message\":\"快件已签收\"}"},
        {"error page", BodyReply("<html><body>Not Found</body></html>", 404),
         "<html><body>Not Found</body></html>"},
        {"outside GBK", BodyReply(Utf8(u8"{\"message\":\"ok\",\"x\":\"😀\"}")), ""},
        {"not UTF-8", BodyReply("{\"message\":\"\xB2\xE9\"}"), ""},
        {"empty body", BodyReply(""), ""},
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

struct QueryCase {
    const char* what;
    FixtureReply reply;
    std::string message;
    bool replaced;
    std::string failure;  // LastQueryFailure afterwards
};

TEST_F(TrackingServiceTest, ReplacesTheCallersListOnlyForOk) {
    const std::vector<FixtureEvent> steps = {{"2026-12-02 08:40:00", Utf8(u8"到达上海")},
                                             {"2026-12-01 10:00:00", Utf8(u8"已收寄")}};
    FixtureReply silent = SilentReply();
    const std::vector<QueryCase> cases = {
        {"ok", BodyReply(TrackingReplyJson("1234", steps)), "ok", true, ""},
        {"ok without steps", BodyReply(TrackingReplyJson("1234", {})), "ok", true, ""},
        {"capital OK", BodyReply(R"({"message":"OK","data":[{"time":"t","context":"c"}]})"), "OK",
         false, ""},
        {"service error", BodyReply(MessageReplyJson(Utf8(u8"参数错误"))), "参数错误", false, ""},
        {"empty reply", BodyReply(""), "", false, "empty reply"},
        {"no answer", silent, "", false, "timed out"},
        {"error page", BodyReply("<html>busy</html>", 503), "", false,
         "HTTP 503: not a tracking reply"},
        {"not UTF-8", BodyReply("{\"message\":\"\xB2\xE9\"}"), "", false,
         "reply is not UTF-8 text that GBK can hold"},
    };
    for (const QueryCase& c : cases) {
        service.SetDefaultReply(c.reply);
        TrackingEventList events = PreparedList();
        EXPECT_EQ(QueryTracking("1234", "ems", events), c.message) << c.what;
        EXPECT_EQ(LastQueryFailure(), c.failure) << c.what;
        if (c.replaced) {
            EXPECT_EQ(events.size(), ParseTrackingReply(c.reply.body, "1234").events.size())
                << c.what;
        } else {
            ASSERT_EQ(events.size(), 1U) << c.what;
            EXPECT_EQ(events[0].context, "kept") << c.what;
        }
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

TEST_F(TrackingServiceTest, GivesTheStepsLatestFirstWithTheNumber) {
    service.SetDefaultReply(
        BodyReply(TrackingReplyJson("EA1", {{"2026-12-02 08:40:00", Utf8(u8"到达上海")},
                                            {"2026-12-01 10:00:00", Utf8(u8"已收寄")}})));
    TrackingEventList events = PreparedList();
    ASSERT_EQ(QueryTracking("EA1", "ems", events), "ok");
    ASSERT_EQ(events.size(), 2U);
    EXPECT_EQ(events[0].number, "EA1");
    EXPECT_EQ(events[0].time, "2026-12-01 10:00:00");
    EXPECT_EQ(events[0].context, "已收寄");
    EXPECT_EQ(events[1].number, "EA1");
    EXPECT_EQ(events[1].time, "2026-12-02 08:40:00");
    EXPECT_EQ(events[1].context, "到达上海");
}

// "N0", "N1", ...: appended to a string that already holds the prefix. (Prepending the prefix to
// a temporary, as "N" + std::to_string(i) does, makes GCC 12's optimiser see a false overlap in
// the copy and warn under -Wrestrict.)
std::vector<std::string> NumberedQueries(int count) {
    std::vector<std::string> numbers;
    for (int i = 0; i < count; ++i) {
        std::string number = "N";
        number += std::to_string(i);
        numbers.push_back(std::move(number));
    }
    return numbers;
}

TEST_F(TrackingServiceTest, ConcurrentQueriesEachGetTheirOwnReply) {
    const std::vector<std::string> numbers = NumberedQueries(8);
    for (const std::string& number : numbers) {
        std::string step = "step of ";
        step += number;
        service.SetReplyForNumber(number, BodyReply(TrackingReplyJson(number, {{"t", step}})));
    }
    std::vector<TrackingEventList> results(numbers.size());
    std::vector<std::string> messages(numbers.size());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        workers.emplace_back(
            [&, i] { messages[i] = QueryTracking(numbers[i], "ems", results[i]); });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string& number = numbers[i];
        EXPECT_EQ(messages[i], kOkMessage) << number;
        ASSERT_EQ(results[i].size(), 1U) << number;
        EXPECT_EQ(results[i][0].number, number);
        EXPECT_EQ(results[i][0].context, "step of " + number);
    }
}

}  // namespace
