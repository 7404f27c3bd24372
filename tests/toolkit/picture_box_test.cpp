// Pictures from bytes in memory: the six accepted formats show, anything else leaves the box
// empty without a message.
#include <wx/generic/statbmpg.h>

#include "tests/support/encoded_picture.h"
#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/picture_box.h"

namespace {

wxBitmap Shown() {
    return Control<wxGenericStaticBitmap>(kPresencePicture).GetBitmap();
}

struct FormatCase {
    const char* label;
    wxBitmapType type;
};

class PictureFormats : public MainWindowTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(PictureFormats, ShowInThePictureBoxWhichKeepsItsPlace) {
    SetPictureBytes(kPresencePicture, EncodedPicture(GetParam().type, 16, 24));
    ASSERT_TRUE(Shown().IsOk());
    EXPECT_EQ(Shown().GetSize(), wxSize(16, 24));
    EXPECT_EQ(ControlPlacement(kPresencePicture), (Placement{494, 12, 82, 122}));
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, PictureFormats,
    ::testing::Values(FormatCase{"jpeg", wxBITMAP_TYPE_JPEG}, FormatCase{"png", wxBITMAP_TYPE_PNG},
                      FormatCase{"bmp", wxBITMAP_TYPE_BMP}, FormatCase{"gif", wxBITMAP_TYPE_GIF},
                      FormatCase{"ico", wxBITMAP_TYPE_ICO}, FormatCase{"cur", wxBITMAP_TYPE_CUR}),
    [](const auto& info) { return std::string(info.param.label); });

struct RefusedCase {
    const char* label;
    ByteArray (*bytes)();  // made when the test runs, once the image handlers exist
};

class RefusedPictures : public MainWindowTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedPictures, LeaveTheBoxEmptyAndOpenNothing) {
    SetPictureBytes(kPresencePicture, EncodedPicture(wxBITMAP_TYPE_PNG, 4, 4));
    ASSERT_TRUE(Shown().IsOk());
    SetPictureBytes(kPresencePicture, GetParam().bytes());
    EXPECT_FALSE(Shown().IsOk());
    EXPECT_EQ(ControlPlacement(kPresencePicture), (Placement{494, 12, 82, 122}));
    PumpEvents();
    EXPECT_EQ(wxTopLevelWindows.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    NoPicture, RefusedPictures,
    ::testing::Values(
        RefusedCase{"empty", [] { return ByteArray(); }},
        RefusedCase{"html_page",
                    [] { return TextToBytes("<html><body>404 Not Found</body></html>"); }},
        RefusedCase{"png_signature_only", [] { return TextToBytes("\x89PNG\r\n\x1A\n"); }},
        RefusedCase{"truncated_png",
                    [] {
                        ByteArray bytes = EncodedPicture(wxBITMAP_TYPE_PNG, 64, 64);
                        bytes.resize(bytes.size() / 2);
                        return bytes;
                    }},
        RefusedCase{"tiff", [] { return EncodedPicture(wxBITMAP_TYPE_TIFF, 8, 8); }}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
