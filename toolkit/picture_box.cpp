#include "toolkit/picture_box.h"

#include <wx/generic/statbmpg.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "toolkit/control_registry.h"

wxBitmap DecodePicture(const void* bytes, std::size_t size) {
    if (size == 0) {
        return {};
    }
    // A handler that fails on bad bytes logs an error; it must not reach the user.
    const wxLogNull quiet;
    for (const wxBitmapType type : {wxBITMAP_TYPE_JPEG, wxBITMAP_TYPE_PNG, wxBITMAP_TYPE_BMP,
                                    wxBITMAP_TYPE_GIF, wxBITMAP_TYPE_ICO, wxBITMAP_TYPE_CUR}) {
        wxImageHandler* handler = wxImage::FindHandler(type);
        wxMemoryInputStream stream(bytes, size);
        if (handler == nullptr || !handler->CanRead(stream)) {
            continue;
        }
        wxImage image;
        if (image.LoadFile(stream, type) && image.IsOk()) {
            return wxBitmap(image);
        }
    }
    return {};
}

void SetPictureBytes(std::string_view picbox, const ByteArray& bytes) {
    wxGenericStaticBitmap& box = Control<wxGenericStaticBitmap>(picbox);
    const wxSize size = box.GetSize();
    box.SetBitmap(DecodePicture(bytes.data(), bytes.size()));
    box.SetSize(size);
    box.Refresh();
}
