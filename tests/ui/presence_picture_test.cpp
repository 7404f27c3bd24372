// The presence picture as start-up fetches it, on a worker, from the instant-messaging host:
// here through a proxy on this machine (the fixture service), which the transport uses as the
// environment names it, as a proxy of the user's network would be.
#include <cstdlib>
#include <string>

#include <wx/generic/statbmpg.h>

#include "runs/worker_bridge.h"
#include "tests/support/encoded_picture.h"
#include "tests/support/fixture_service.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "ui/main_window.h"
#include "ui/window_texts.h"

namespace {

wxBitmap Shown() {
    return Control<wxGenericStaticBitmap>(kPresencePicture).GetBitmap();
}

// The window opens with the fixture service as the proxy of every address but this machine's.
class PresencePicture : public MainWindowTest {
  protected:
    void SetUp() override {
        setenv("http_proxy", ("http://" + proxy_.HostAndPort()).c_str(), 1);
        proxy_.SetDefaultReply(Reply());
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        unsetenv("http_proxy");
    }
    virtual FixtureReply Reply() const = 0;

    FixtureService proxy_;
};

class SilentPictureHost : public PresencePicture {
    FixtureReply Reply() const override { return SilentReply(); }
};

TEST_F(SilentPictureHost, TheWindowAnswersAHeldClickWhileTheFetchWaitsAndClosesAtOnce) {
    ASSERT_TRUE(PumpUntil([this] { return proxy_.RequestCount() == 1; }));
    EXPECT_EQ(proxy_.Requests().front().target, PresencePictureAddress());
    ClickControl(kModeButton);
    EXPECT_TRUE(PumpUntil([] { return ShownPage(kResultPages) == kBatchPageNumber; }));
    EXPECT_EQ(LiveWorkerCount(), 1) << "the fetch no longer waits";
    EXPECT_FALSE(Shown().IsOk());
    // Closing aborts the waiting fetch: its worker ends within the bridge's wait.
    CloseWindow();
    EXPECT_TRUE(WorkersEndedAtLastClose());
}

struct PictureCase {
    const char* name;
    FixtureReply (*reply)();
    wxSize shown;  // wxDefaultSize: the box stays empty
};

class PictureReplies : public PresencePicture, public ::testing::WithParamInterface<PictureCase> {
    FixtureReply Reply() const override { return GetParam().reply(); }
};

TEST_P(PictureReplies, ShowThePictureOrLeaveTheBoxEmptyOnceTheFetchEnds) {
    ASSERT_TRUE(PumpUntil([] { return LiveWorkerCount() == 0; }));
    PumpEvents();
    ASSERT_EQ(Shown().IsOk(), GetParam().shown != wxDefaultSize);
    if (Shown().IsOk()) {
        EXPECT_EQ(Shown().GetSize(), GetParam().shown);
    }
}

FixtureReply PictureReply() {
    const ByteArray png = EncodedPicture(wxBITMAP_TYPE_PNG, 82, 122);
    return BodyReply(std::string(png.begin(), png.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, PictureReplies,
    ::testing::Values(PictureCase{"Picture", PictureReply, wxSize(82, 122)},
                      PictureCase{"ErrorPage",
                                  [] { return BodyReply("<html>service unavailable</html>", 503); },
                                  wxDefaultSize},
                      PictureCase{"GarbageBytes",
                                  [] { return BodyReply("\x89PNG\r\n\x1a\nno picture"); },
                                  wxDefaultSize}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
