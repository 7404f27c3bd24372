#include "tracking/tracking_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Step = std::pair<std::string, std::string>;  // time, context

std::vector<Step> Steps(const TrackingReply& reply) {
    std::vector<Step> steps;
    for (const TrackingEvent& event : reply.events) {
        steps.push_back({event.time, event.context});
    }
    return steps;
}

struct ReplyCase {
    const char* what;
    std::string reply;
    std::string message;
    std::vector<Step> steps;
};

TEST(ParseTrackingReply, ReadsTheMarkersAsTheServiceSendsThem) {
    const std::vector<ReplyCase> cases = {
        {"records come out last first",
         R"({"message":"ok","nu":"1234","data":[{"time":"t1","context":"A"},)"
         R"({"time":"t2","context":"B"},{"time":"t3","context":"C"}]})",
         "ok",
         {{"t3", "C"}, {"t2", "B"}, {"t1", "A"}}},
        {"list opening with the spaced marker",
         R"({"message":"ok","data":[{ "time":"t1","context":"A"},{"time":"t2","context":"B"}]})",
         "ok",
         {{"t2", "B"}, {"t1", "A"}}},
        {"a spaced separator does not split",
         R"({"message":"ok","data":[{"time":"t1","context":"A"}, {"time":"t2","context":"B"}]})",
         "ok",
         {{"t1", "A"}}},
        {"a separator inside a context splits by the missing-marker rules",
         R"({"message":"ok","data":[{"time":"t1","context":"a},{1234567890"}]})",
         "ok",
         {{"7890", "90"}, {"t1", ""}}},
        {"an escaped quote ends the value",
         R"({"message":"ok","data":[{"time":"t1","context":"say \"hi\" now"}]})",
         "ok",
         {{"t1", "say \\"}}},
        {"escapes stay undecoded",
         R"({"message":"ok","data":[{"time":"t1","context":"\u5feb\/x"}]})",
         "ok",
         {{"t1", "\\u5feb\\/x"}}},
        {"time after context",
         R"({"message":"ok","data":[{"context":"A","ftime":"f","time":"t1"}]})",
         "ok",
         {{"t1", "A"}}},
        {"a time key in the head is taken for the first record",
         R"({"message":"ok","time":"head","data":[{"time":"t1","context":"A"}]})",
         "ok",
         {{"head", "A"}}},
        {"a list end inside a two-byte character is no list end",
         "{\"message\":\"ok\",\"data\":[{\"time\":\"t1\",\"context\":\"\x81}]\xB5\xBD\"}]}",
         "ok",
         {{"t1", "\x81}]\xB5\xBD"}}},
        {"ok with an empty list", R"({"message":"ok","nu":"1","data":[]})", "ok", {}},
        {"ok without a list end",
         R"({"message":"ok","data":[{"time":"t1","context":"A")",
         "ok",
         {}},
        {"capital OK is another message",
         R"({"message":"OK","data":[{"time":"t1","context":"A"}]})",
         "OK",
         {}},
        {"a service error text", "{\"message\":\"参数错误\",\"status\":\"400\"}", "参数错误", {}},
        {"empty reply", "", "", {}},
        {"page without a message marker", R"(<html lang="zh"><body>x</body></html>)", "g=", {}},
        {"page without any quote", "<html><body>Not Found</body></html>", "", {}},
    };
    for (const ReplyCase& c : cases) {
        const TrackingReply reply = ParseTrackingReply(c.reply, "EA 123\xB2\xE9");
        EXPECT_EQ(reply.message, c.message) << c.what;
        EXPECT_EQ(Steps(reply), c.steps) << c.what;
        // Every event carries the queried number, not the reply's.
        for (const TrackingEvent& event : reply.events) {
            EXPECT_EQ(event.number, "EA 123\xB2\xE9") << c.what;
        }
    }
}

}  // namespace
