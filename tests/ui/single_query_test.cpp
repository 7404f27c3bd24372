// The query button in single mode and the single run it starts, on the real window against a
// tracking service on this machine.
#include <string>
#include <vector>

#include "runs/current_type_code.h"
#include "runs/result_list.h"
#include "runs/worker_bridge.h"
#include "tests/support/query_window.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/status_bar.h"

namespace {

using Strings = std::vector<std::string>;

class SingleQuery : public QueryWindowTest {};

TEST_F(SingleQuery, WithoutAChosenCourierThePreviousCodeIsKept) {
    SetControlText(kNumberBox, "SF1");
    SelectCourier("UPS");
    QueryAndWait();
    SelectItem(kCourierBox, -1);
    QueryAndWait();
    EXPECT_EQ(SentValues("type"), (Strings{"upsen", "upsen"}));
}

TEST_F(SingleQuery, ARefusedPressStillResolvesTheCourier) {
    SelectCourier("TNT");
    PressQuery();
    EXPECT_EQ(StatusPartText(0), "请输入单号！");
    SelectItem(kCourierBox, -1);
    SetControlText(kNumberBox, "SF1");
    QueryAndWait();
    EXPECT_EQ(SentValues("type"), Strings{"tnten"});
}

TEST_F(SingleQuery, TheNumberIsSentWithTheSpacesAroundIt) {
    service_.SetReplyForNumber(" 123 ", StepsReply(" 123 ", {{"2026-01-02 10:00", "a"}}));
    TypeInto(kNumberBox, " 123 ");
    QueryAndWait();
    ASSERT_EQ(service_.RequestCount(), 1u);
    EXPECT_NE(service_.Requests()[0].target.find("&postid=%20123%20&"), std::string::npos)
        << service_.Requests()[0].target;
    EXPECT_EQ(ResultRows(kSingleResultList), (RowCellsList{{" 123 ", "2026-01-02 10:00", "a"}}));
}

// As a Chinese input method in full-width mode commits it.
TEST_F(SingleQuery, AFullWidthNumberIsSentInAscii) {
    service_.SetReplyForNumber("SF123", StepsReply("SF123", {{"2026-01-02 10:00", "a"}}));
    SetControlText(kNumberBox, "ＳＦ１２３");
    QueryAndWait();
    EXPECT_EQ(SentValues("postid"), Strings{"SF123"});
    EXPECT_EQ(ResultRows(kSingleResultList), (RowCellsList{{"SF123", "2026-01-02 10:00", "a"}}));
}

class BlankNumber : public QueryWindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(BlankNumber, IsRefusedWithoutStartingARun) {
    SetControlText(kNumberBox, GetParam());
    const Text tip_before = StatusPartTip(0);
    PressQuery();
    EXPECT_EQ(LiveWorkerCount(), 0);
    EXPECT_EQ(StatusPartText(0), "请输入单号！");
    EXPECT_EQ(StatusPartTip(0), tip_before);
    WaitForRuns();
    EXPECT_EQ(service_.RequestCount(), 0u);
    EXPECT_TRUE(ResultRows(kSingleResultList).empty());
}

INSTANTIATE_TEST_SUITE_P(OnlySpaces, BlankNumber,
                         testing::Values("", " ", "   ", "　", "　 　", " 　"));

TEST_F(SingleQuery, StepsComeAsRowsNewestLastThenTheDoneMessage) {
    service_.SetReplyForNumber("SF1", StepsReply("SF1", {{"2026-12-03 15:20", Utf8(u8"已签收")},
                                                         {"2026-12-02 08:40", Utf8(u8"到达上海")},
                                                         {"2026-12-01 10:00", Utf8(u8"已收件")}}));
    SetControlText(kNumberBox, "SF1");
    QueryAndWait();
    EXPECT_EQ(ResultRows(kSingleResultList), (RowCellsList{{"SF1", "2026-12-01 10:00", "已收件"},
                                                           {"SF1", "2026-12-02 08:40", "到达上海"},
                                                           {"SF1", "2026-12-03 15:20", "已签收"}}));
    EXPECT_EQ(StatusPartText(0), "查询执行完成!");
    EXPECT_EQ(StatusPartTip(0), "查询执行完成");
}

TEST_F(SingleQuery, AnOkReplyWithoutStepsAddsNoRow) {
    service_.SetReplyForNumber("SF1", StepsReply("SF1", {}));
    SetControlText(kNumberBox, "SF1");
    QueryAndWait();
    EXPECT_TRUE(ResultRows(kSingleResultList).empty());
    EXPECT_EQ(StatusPartText(0), "查询执行完成!");
}

TEST_F(SingleQuery, ARefusalShowsTheServiceMessageWithoutRows) {
    service_.SetReplyForNumber("SF1", RefusalReply(u8"参数错误"));
    SetControlText(kNumberBox, "SF1");
    QueryAndWait();
    EXPECT_TRUE(ResultRows(kSingleResultList).empty());
    EXPECT_EQ(StatusPartText(0), "参数错误!");
    EXPECT_EQ(StatusPartTip(0), "参数错误");
}

TEST_F(SingleQuery, AnUnreachableServiceLeavesALoneMark) {
    PointAtAClosedPort();
    SetStatusPartTip(0, "earlier");
    SetControlText(kNumberBox, "SF1");
    QueryAndWait();
    EXPECT_TRUE(ResultRows(kSingleResultList).empty());
    EXPECT_EQ(StatusPartText(0), "!");
    EXPECT_EQ(StatusPartTip(0), "");
}

TEST_F(SingleQuery, ASecondRunAppendsBelowTheFirst) {
    service_.SetReplyForNumber("SF1", StepsReply("SF1", {{"t1", "one"}}));
    service_.SetReplyForNumber("SF2", StepsReply("SF2", {{"t2", "two"}, {"t3", "three"}}));
    SetControlText(kNumberBox, "SF1");
    QueryAndWait();
    SetControlText(kNumberBox, "SF2");
    QueryAndWait();
    EXPECT_EQ(ResultRows(kSingleResultList),
              (RowCellsList{{"SF1", "t1", "one"}, {"SF2", "t3", "three"}, {"SF2", "t2", "two"}}));
}

TEST_F(SingleQuery, EveryPressStartsARunWithoutWaitingForTheLast) {
    ReplyGate gate;
    service_.SetReplyMaker(
        gate.HeldReply(StepsReply("SF1", {{"t3", "c"}, {"t2", "b"}, {"t1", "a"}})));
    SetControlText(kNumberBox, "SF1");
    PressQuery();
    PressQuery();
    PressQuery();
    PumpUntilHolds([this] { return service_.RequestCount() == 3; });
    EXPECT_EQ(LiveWorkerCount(), 3);
    EXPECT_TRUE(ResultRows(kSingleResultList).empty());
    gate.Open();
    WaitForRuns();
    EXPECT_EQ(service_.RequestCount(), 3u);
    EXPECT_EQ(ResultRows(kSingleResultList).size(), 9u);
}

}  // namespace
