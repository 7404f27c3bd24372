// The query button on the batch page, the batch run it starts, and the steps of one batch row,
// on the real window against a tracking service on this machine.
#include <string>
#include <vector>

#include <wx/listctrl.h>

#include "runs/result_list.h"
#include "runs/worker_bridge.h"
#include "tests/support/batch_line_cases.h"
#include "tests/support/query_window.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/status_bar.h"

namespace {

using Strings = std::vector<std::string>;

constexpr char kDone[] = "批量查询执行完毕！";

class BatchQuery : public QueryWindowTest {
  protected:
    void SetUp() override {
        QueryWindowTest::SetUp();
        ClickControl(kModeButton);
        service_.SetReplyMaker([](const RecordedRequest& request) {
            const std::string number = QueryValue(request.target, "postid").value_or("");
            return StepsReply(number, {{"t2 " + number, "latest"}, {"t1 " + number, "first"}});
        });
    }

    static void QueryBox(std::string_view box_text) {
        SetControlText(kBatchNumberBox, box_text);
        QueryAndWait();
    }

    static void FillBatchList(const RowCellsList& rows) {
        for (const RowCells& row : rows) {
            AppendResultRow(kBatchResultList, row);
        }
    }
};

// "查看快件流程" chosen on a row of BatchResultList, through the layout's own menu table (the
// scenario table chooses it with the pointer).
void ViewStepsOfRow(long row) {
    wxListCtrl& list = Control<wxListCtrl>(kBatchResultList);
    for (long each = 0; each < list.GetItemCount(); ++each) {
        list.SetItemState(each, each == row ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    }
    RunMenuItem(kBatchResultMenu, "查看快件流程");
}

class BatchLines : public BatchQuery, public testing::WithParamInterface<BatchLinesCase> {};

TEST_P(BatchLines, OneRequestAndOneRowPerNonBlankLine) {
    QueryBox(GetParam().box);
    EXPECT_EQ(SentValues("postid"), GetParam().sent);
    Strings column0;
    for (const RowCells& row : ResultRows(kBatchResultList)) {
        column0.push_back(row[0]);
    }
    EXPECT_EQ(column0, GetParam().column0);
    EXPECT_EQ(StatusPartText(0), kDone);
}

INSTANTIATE_TEST_SUITE_P(Boxes, BatchLines, testing::ValuesIn(BatchLinesCases()),
                         [](const testing::TestParamInfo<BatchLinesCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BatchQuery, RowsShowEachNumbersLatestStep) {
    QueryBox("111\r\n222");
    EXPECT_EQ(ResultRows(kBatchResultList),
              (RowCellsList{{"111", "t2 111", "latest"}, {"222", "t2 222", "latest"}}));
}

TEST_F(BatchQuery, AnOkReplyWithoutStepsGetsARowSayingSo) {
    service_.SetReplyForNumber("111", StepsReply("111", {}));
    QueryBox("111");
    EXPECT_EQ(ResultRows(kBatchResultList), (RowCellsList{{"111", "--", "暂无跟踪记录"}}));
}

TEST_F(BatchQuery, ARunEmptiesTheListBeforeItsFirstRequest) {
    FillBatchList({{"old", "row", "one"}, {"old", "row", "two"}});
    ReplyGate gate;
    service_.SetReplyMaker(gate.HeldReply(StepsReply("111", {{"t", "c"}})));
    SetControlText(kBatchNumberBox, "111");
    PressQuery();
    PumpUntilHolds([this] { return service_.RequestCount() == 1; });
    EXPECT_TRUE(ResultRows(kBatchResultList).empty());
    gate.Open();
    WaitForRuns();
    EXPECT_EQ(ResultRows(kBatchResultList), (RowCellsList{{"111", "t", "c"}}));
}

TEST_F(BatchQuery, AFailedNumberShowsItsMessageUntilTheRunEnds) {
    service_.SetReplyForNumber("111", StepsReply("111", {{"t", "c"}}));
    service_.SetReplyForNumber("222", RefusalReply(u8"单号不存在"));
    service_.SetReplyForNumber("333", StepsReply("333", {{"t", "c"}}));
    ReplyGate gate;
    service_.SetReplyMaker(gate.HeldReply(StepsReply("444", {{"t", "c"}})));
    SetStatusPartTip(0, "tip before");
    SetControlText(kBatchNumberBox, "111\r\n222\r\n333\r\n444");
    PressQuery();
    PumpUntilHolds([this] { return service_.RequestCount() == 4; });
    PumpUntilHolds([] { return ResultRows(kBatchResultList).size() == 3; });
    EXPECT_EQ(StatusPartText(0), "单号不存在");
    EXPECT_EQ(StatusPartTip(0), "tip before");
    gate.Open();
    WaitForRuns();
    EXPECT_EQ(
        ResultRows(kBatchResultList),
        (RowCellsList{
            {"111", "t", "c"}, {"222", "--", "单号不存在"}, {"333", "t", "c"}, {"444", "t", "c"}}));
    EXPECT_EQ(StatusPartText(0), kDone);
    EXPECT_EQ(StatusPartTip(0), "tip before");
}

TEST_F(BatchQuery, AnUnreachableServiceGivesRowsWithAnEmptyMessage) {
    PointAtAClosedPort();
    QueryBox("111\r\n222");
    EXPECT_EQ(ResultRows(kBatchResultList), (RowCellsList{{"111", "--", ""}, {"222", "--", ""}}));
    EXPECT_EQ(StatusPartText(0), kDone);
}

TEST_F(BatchQuery, EachRequestTakesTheCourierResolvedAtThatMoment) {
    SelectCourier("TNT");
    ReplyGate gate;
    service_.SetReplyForNumber("111", RefusalReply(u8"稍后"));
    service_.SetReplyMaker(gate.HeldReply(StepsReply("222", {{"t", "c"}})));
    SetControlText(kBatchNumberBox, "222\r\n111");
    PressQuery();
    PumpUntilHolds([this] { return service_.RequestCount() == 1; });
    // A refused press in single mode resolves the courier all the same.
    ClickControl(kModeButton);
    SelectCourier("UPS");
    PressQuery();
    gate.Open();
    WaitForRuns();
    EXPECT_EQ(SentValues("type"), (Strings{"tnten", "upsen"}));
}

class BlankBatchBox : public BatchQuery, public testing::WithParamInterface<const char*> {};

TEST_P(BlankBatchBox, IsRefusedWithoutStartingARun) {
    FillBatchList({{"kept", "row", ""}});
    SetControlText(kBatchNumberBox, GetParam());
    PressQuery();
    EXPECT_EQ(LiveWorkerCount(), 0);
    EXPECT_EQ(StatusPartText(0), "请导入或粘贴单号到查询框！");
    WaitForRuns();
    EXPECT_EQ(ResultRows(kBatchResultList).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(OnlySpaces, BlankBatchBox, testing::Values("", "  ", "　"));

TEST_F(BatchQuery, HelpPageRunsABatch) {
    ShowPage(kResultPages, kHelpPageNumber);
    QueryBox("111");
    EXPECT_EQ(SentValues("postid"), Strings{"111"});
    EXPECT_EQ(StatusPartText(0), kDone);
}

TEST_F(BatchQuery, ViewingARowsStepsQueriesItsNumberIntoTheSingleList) {
    QueryBox("111\r\n222");
    AppendResultRow(kSingleResultList, {"earlier", "single", "row"});
    SetStatusPartText(0, "unchanged");
    ViewStepsOfRow(1);
    WaitForRuns();
    EXPECT_EQ(ShownPage(kResultPages), kSinglePageNumber);
    EXPECT_EQ(ControlText(kModeButton), "批量◢");
    EXPECT_EQ(SentValues("postid"), (Strings{"111", "222", "222"}));
    EXPECT_EQ(ResultRows(kSingleResultList),
              (RowCellsList{{"222", "t1 222", "first"}, {"222", "t2 222", "latest"}}));
    EXPECT_EQ(StatusPartText(0), "unchanged");
}

TEST_F(BatchQuery, ViewingARefusedNumberEmptiesTheSingleList) {
    service_.SetReplyForNumber("111", RefusalReply(u8"单号不存在"));
    QueryBox("111");
    AppendResultRow(kSingleResultList, {"earlier", "single", "row"});
    ViewStepsOfRow(0);
    WaitForRuns();
    EXPECT_EQ(SentValues("postid"), (Strings{"111", "111"}));
    EXPECT_TRUE(ResultRows(kSingleResultList).empty());
}

}  // namespace
