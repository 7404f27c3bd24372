#include "runs/batch_row.h"

#include <gtest/gtest.h>

#include <vector>

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
        EXPECT_EQ(BatchRowCells(c.line, c.message, c.events), c.expected) << c.name;
    }
}

}  // namespace
