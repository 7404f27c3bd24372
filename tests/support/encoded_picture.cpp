#include "tests/support/encoded_picture.h"

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/quantize.h>

ByteArray EncodedPicture(wxBitmapType type, int width, int height) {
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), 30, 90, 200);
    if (type == wxBITMAP_TYPE_GIF) {
        wxImage with_palette;
        wxQuantize::Quantize(image, with_palette);  // the GIF writer needs a palette
        image = with_palette;
    }
    wxMemoryOutputStream stream;
    EXPECT_TRUE(image.SaveFile(stream, type)) << type;
    ByteArray bytes(stream.GetSize());
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}
