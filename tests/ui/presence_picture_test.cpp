// The presence picture as start-up fetches it: bytes over HTTP from a service on this machine.
#include <wx/generic/statbmpg.h>

#include "tests/support/encoded_picture.h"
#include "tests/support/fixture_service.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/picture_box.h"
#include "tracking/tracking_request.h"

namespace {

wxBitmap Shown() {
    return Control<wxGenericStaticBitmap>(kPresencePicture).GetBitmap();
}

using PresenceOverHttp = MainWindowTest;

TEST_F(PresenceOverHttp, PictureServedOverLoopbackShows) {
    FixtureService service;
    const ByteArray png = EncodedPicture(wxBITMAP_TYPE_PNG, 82, 122);
    service.SetReplyForPath("/pa", BodyReply(std::string(png.begin(), png.end())));
    SetPictureBytes(kPresencePicture, FetchUrl(service.Address("/pa?p=2:10086000:53")));
    ASSERT_TRUE(Shown().IsOk());
    EXPECT_EQ(Shown().GetSize(), wxSize(82, 122));
}

TEST_F(PresenceOverHttp, ErrorPageLeavesThePictureEmpty) {
    FixtureService service;
    service.SetReplyForPath("/pa", BodyReply("<html>service unavailable</html>", 503));
    SetPictureBytes(kPresencePicture, FetchUrl(service.Address("/pa?p=2:10086000:53")));
    EXPECT_FALSE(Shown().IsOk());
}

}  // namespace
