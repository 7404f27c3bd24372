#include "toolkit/picture_box.h"

#include <algorithm>
#include <utility>
#include <vector>

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

namespace {

// The pictures of one image at several sizes, one of them at the layout's size.
class SmoothlyScaledPictures : public wxBitmapBundleImpl {
  public:
    SmoothlyScaledPictures(wxSize layout_size, std::vector<wxBitmap> pictures)
        : layout_size_(layout_size), pictures_(std::move(pictures)) {
        std::sort(pictures_.begin(), pictures_.end(),
                  [](const wxBitmap& a, const wxBitmap& b) { return a.GetWidth() < b.GetWidth(); });
    }

    wxSize GetDefaultSize() const override { return layout_size_; }

    wxSize GetPreferredBitmapSizeAtScale(double scale) const override {
        const wxSize size = GetDefaultSize();
        return {wxRound(size.x * scale), wxRound(size.y * scale)};
    }

    wxBitmap GetBitmap(const wxSize& size) override {
        for (const wxBitmap& picture : pictures_) {
            if (picture.GetSize() == size) {
                return picture;
            }
        }
        if (!scaled_.IsOk() || scaled_.GetSize() != size) {
            const auto source =
                std::find_if(pictures_.begin(), pictures_.end(), [&size](const wxBitmap& picture) {
                    return picture.GetWidth() >= size.x && picture.GetHeight() >= size.y;
                });
            wxImage image =
                (source == pictures_.end() ? pictures_.back() : *source).ConvertToImage();
            image.Rescale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
            scaled_ = wxBitmap(image);
        }
        return scaled_;
    }

  private:
    wxSize layout_size_;
    std::vector<wxBitmap> pictures_;
    wxBitmap scaled_;
};

}  // namespace

wxBitmapBundle PictureForEveryScale(std::span<const unsigned char> picture,
                                    std::span<const std::span<const unsigned char>> larger) {
    std::vector<wxBitmap> pictures;
    for (const std::span<const unsigned char> bytes : larger) {
        const wxBitmap decoded = DecodePicture(bytes.data(), bytes.size());
        if (decoded.IsOk()) {
            pictures.push_back(decoded);
        }
    }
    const wxBitmap base = DecodePicture(picture.data(), picture.size());
    if (!base.IsOk()) {
        return {};
    }
    pictures.push_back(base);
    return wxBitmapBundle::FromImpl(
        new SmoothlyScaledPictures(base.GetSize(), std::move(pictures)));
}

void SetPictureBytes(std::string_view picbox, const ByteArray& bytes) {
    wxGenericStaticBitmap& box = Control<wxGenericStaticBitmap>(picbox);
    const wxSize size = box.GetSize();
    box.SetBitmap(DecodePicture(bytes.data(), bytes.size()));
    box.SetSize(size);
    box.Refresh();
}
