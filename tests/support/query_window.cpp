#include "tests/support/query_window.h"

#include <wx/app.h>
#include <wx/utils.h>

#include "runs/current_type_code.h"
#include "runs/result_list.h"
#include "runs/worker_bridge.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "tracking/tracking_request.h"

void QueryWindowTest::SetUp() {
    SetTrackingHost(service_.HostAndPort());
    SetCurrentTypeCode("");
    MainWindowTest::SetUp();
    // The presence picture's fetch at start-up is a run of its own.
    WaitForRuns();
}

void QueryWindowTest::TearDown() {
    WaitForRuns();
    MainWindowTest::TearDown();
}

void QueryWindowTest::SelectCourier(std::string_view name) {
    for (int item = 0; item < ItemCount(kCourierBox); ++item) {
        if (ItemText(kCourierBox, item) == name) {
            SelectItem(kCourierBox, item);
            return;
        }
    }
    ADD_FAILURE() << "no courier " << name;
}

void QueryWindowTest::PressQuery() {
    ClickControl(kQueryButton);
}

void QueryWindowTest::TypeInto(std::string_view box, std::string_view text) {
    ClickControl(box);
    PressKey('a', wxMOD_CONTROL);
    TypeText(text);
    EXPECT_TRUE(PumpUntil([box, text] { return ControlText(box) == text; })) << ControlText(box);
}

void QueryWindowTest::WaitForRuns() {
    while (LiveWorkerCount() > 0 || wxTheApp->HasPendingEvents()) {
        PumpEvents();
        wxMilliSleep(1);
    }
    PumpEvents();
}

void QueryWindowTest::PumpUntilHolds(const std::function<bool()>& condition) {
    while (!condition()) {
        PumpEvents();
        wxMilliSleep(1);
    }
}

void QueryWindowTest::QueryAndWait() {
    PressQuery();
    WaitForRuns();
}

void QueryWindowTest::PointAtAClosedPort() {
    std::string closed_host;
    {
        const FixtureService gone;
        closed_host = gone.HostAndPort();
    }
    SetTrackingHost(closed_host);
}

std::vector<std::string> QueryWindowTest::SentValues(std::string_view key) const {
    std::vector<std::string> values;
    for (const RecordedRequest& request : service_.Requests()) {
        values.push_back(QueryValue(request.target, key).value_or("(absent)"));
    }
    return values;
}

ReplyGate::~ReplyGate() {
    Open();
}

FixtureService::ReplyMaker ReplyGate::HeldReply(FixtureReply reply) const {
    return [state = state_, reply = std::move(reply)](const RecordedRequest&) {
        std::unique_lock<std::mutex> lock(state->lock);
        state->opened.wait(lock, [&state] { return state->open; });
        return reply;
    };
}

void ReplyGate::Open() {
    {
        const std::lock_guard<std::mutex> guard(state_->lock);
        state_->open = true;
    }
    state_->opened.notify_all();
}

FixtureReply StepsReply(std::string_view number, const std::vector<FixtureEvent>& steps) {
    return BodyReply(TrackingReplyJson(number, steps));
}

FixtureReply RefusalReply(std::u8string_view message) {
    return BodyReply(MessageReplyJson(Utf8(message)));
}
