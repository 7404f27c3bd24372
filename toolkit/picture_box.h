// Pictures from image files held in memory: JPEG, PNG, BMP, GIF, ICO or CUR. Bytes in none of
// these formats give no picture, silently.
#pragma once

#include <cstddef>
#include <string_view>

#include <wx/bitmap.h>

#include "text/text_ops.h"

// An invalid bitmap (!IsOk()) when the bytes are no picture of the formats above.
wxBitmap DecodePicture(const void* bytes, std::size_t size);

// Makes the bytes the picture of the PicBox named picbox, or leaves it empty. The box keeps
// its place and size.
void SetPictureBytes(std::string_view picbox, const ByteArray& bytes);
