// The batch loop: the row cells of an answer, and the loop itself against the fixture service,
// one job and several, with its hooks ending it.
#include "runs/batch_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"
#include "tracking/tracking_request.h"

namespace {

struct BatchRowCase {
    const char* name;
    Text line;
    Text message;
    TrackingEventList events;
    RowCells expected;
};

TEST(BatchRowCells, ShowsLatestStepOrTheStatusMessage) {
    const TrackingEventList steps = {
        {"SF1", "2024-01-01 08:00", "已揽收"},
        {"SF1", "2024-01-02 10:00", "已签收"},
    };
    const std::vector<BatchRowCase> cases = {
        {"ok takes the last event", "SF1", "ok", steps, {"SF1", "2024-01-02 10:00", "已签收"}},
        {"refused number", " SF2", "参数错误", {}, {" SF2", "--", "参数错误"}},
        {"refusal ignores old events", "SF3", "参数错误", steps, {"SF3", "--", "参数错误"}},
        {"service out of reach", "SF4", "", {}, {"SF4", "--", ""}},
        {"status compared by case", "SF5", "OK", steps, {"SF5", "--", "OK"}},
        {"ok without any record", "SF6", "ok", {}, {"SF6", "--", "暂无跟踪记录"}},
    };
    for (const BatchRowCase& c : cases) {
        const BatchAnswer answer = MakeBatchAnswer(c.line, c.message, c.events);
        EXPECT_EQ(answer.latest.has_value(), c.message == "ok" && !c.events.empty()) << c.name;
        EXPECT_EQ(BatchRowCells(answer), c.expected) << c.name;
    }
}

constexpr std::size_t kNever = 1000;

struct LoopCase {
    const char* name;
    int jobs;
    TextList lines;
    std::vector<std::string> taken;  // the lines of the answers taken, in order
    bool completed = true;
    std::size_t stop_after = kNever;    // should_stop turns true once this many answers were taken
    std::size_t refuse_after = kNever;  // take_answer returns false for the answer of this number
};

class BatchLoop : public testing::TestWithParam<LoopCase> {
  protected:
    void SetUp() override {
        // Every number is answered after a delay of its own, later lines often sooner.
        service_.SetReplyMaker([](const RecordedRequest& request) {
            const std::string number = QueryValue(request.target, "postid").value_or("");
            FixtureReply reply =
                BodyReply(TrackingReplyJson(number, {{"t " + number, "step " + number}}));
            reply.delay_ms = static_cast<int>((std::hash<std::string>()(number) % 7) * 15);
            return reply;
        });
        service_.SetReplyForNumber("refused", BodyReply(MessageReplyJson("no")));
        SetTrackingHost(service_.HostAndPort());
    }

    FixtureService service_;
};

TEST_P(BatchLoop, HandsTheAnswersOnInLineOrderUntilAHookEndsIt) {
    const LoopCase& c = GetParam();
    std::vector<std::string> taken;
    std::atomic<std::size_t> taken_count = 0;
    std::atomic<int> codes_read = 0;
    const BatchHooks hooks{
        .type_code = [&] { return "code" + std::to_string(codes_read++); },
        .should_stop = [&] { return taken_count >= c.stop_after; },
        .take_answer =
            [&](const BatchAnswer& answer) {
                taken.push_back(answer.line);
                EXPECT_EQ(BatchRowCells(answer)[2],
                          answer.line == "refused" ? "no" : "step " + answer.line);
                return ++taken_count != c.refuse_after;
            },
    };
    EXPECT_EQ(RunBatchLoop(c.lines, hooks, c.jobs), c.completed);
    EXPECT_EQ(taken, c.taken);
    // Each request read the type code once; with one job they went out in line order.
    const std::vector<RecordedRequest> requests = service_.Requests();
    EXPECT_EQ(codes_read.load(), static_cast<int>(requests.size()));
    EXPECT_GE(requests.size(), taken.size());
    if (c.jobs == 1) {
        ASSERT_EQ(requests.size(), taken.size());
        for (std::size_t index = 0; index < requests.size(); ++index) {
            EXPECT_EQ(QueryValue(requests[index].target, "postid"), taken[index]);
            EXPECT_EQ(QueryValue(requests[index].target, "type"), "code" + std::to_string(index));
        }
    } else if (c.completed) {
        EXPECT_EQ(requests.size(), taken.size());  // no line was queried twice
    }
}

TextList Numbers(int count) {
    TextList lines;
    for (int number = 0; number < count; ++number) {
        lines.push_back(std::to_string(1000 + number));
        if (number % 5 == 0) {
            lines.push_back(" 　 ");
        }
    }
    return lines;
}

std::vector<std::string> NumberTexts(int first, int count) {
    std::vector<std::string> texts;
    for (int number = first; number < first + count; ++number) {
        texts.push_back(std::to_string(1000 + number));
    }
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, BatchLoop,
    testing::Values(
        LoopCase{"OneJobAll", 1, {"1", "", " 2", "refused", "1"}, {"1", " 2", "refused", "1"}},
        LoopCase{"EightJobsAll", 8, Numbers(40), NumberTexts(0, 40)},
        LoopCase{"MoreJobsThanNumbers", 8, {"7", "refused", "8"}, {"7", "refused", "8"}},
        LoopCase{"NoNumbers", 8, {"", " "}, {}},
        LoopCase{"OneJobStopped", 1, Numbers(10), NumberTexts(0, 3), false, 3},
        LoopCase{"OneJobRefused", 1, Numbers(10), NumberTexts(0, 2), false, kNever, 2},
        LoopCase{"EightJobsRefused", 8, Numbers(40), NumberTexts(0, 5), false, kNever, 5},
        LoopCase{"EightJobsStoppedAtOnce", 8, Numbers(40), {}, false, 0}),
    [](const testing::TestParamInfo<LoopCase>& info) { return std::string(info.param.name); });

}  // namespace
