// Closing the window while its runs wait on a service that never answers, through the window's
// own close: the runs end within the close, and a window opened afterwards queries again.
#include <wx/frame.h>

#include "runs/worker_bridge.h"
#include "tests/support/query_window.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "ui/main_window.h"

namespace {

class CloseWithRuns : public QueryWindowTest {};

TEST_F(CloseWithRuns, ClosingEndsWaitingRunsAndTheNextWindowQueriesAgain) {
    service_.SetDefaultReply(SilentReply());
    SetControlText(kNumberBox, "SF1");
    for (int press = 0; press < 3; ++press) {
        PressQuery();
    }
    ClickControl(kModeButton);
    SetControlText(kBatchNumberBox, "SF2\r\nSF3");
    PressQuery();
    // The runs read their boxes through the window, so the window goes on answering meanwhile.
    PumpUntilHolds([this] { return service_.RequestCount() >= 4; });
    EXPECT_EQ(LiveWorkerCount(), 4);

    CloseWindow();
    EXPECT_TRUE(PumpUntil([] { return LiveWorkerCount() == 0; }));
    EXPECT_EQ(service_.RequestCount(), 4U);

    service_.SetDefaultReply(StepsReply("SF9", {{"2026-01-02 10:00", Utf8(u8"已签收")}}));
    ASSERT_NE(OpenMainWindow(), nullptr);
    ASSERT_TRUE(PumpUntil([] { return Window().IsShownOnScreen(); }));
    SetControlText(kNumberBox, "SF9");
    QueryAndWait();
    EXPECT_EQ(Rows(kSingleResultList), (RowCellsList{{"SF9", "2026-01-02 10:00", "已签收"}}));
}

}  // namespace
