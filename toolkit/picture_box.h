// Pictures from image files held in memory: JPEG, PNG, BMP, GIF, ICO or CUR. Bytes in none of
// these formats give no picture, silently.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>

#include "text/text_ops.h"

// An invalid bitmap (!IsOk()) when the bytes are no picture of the formats above.
wxBitmap DecodePicture(const void* bytes, std::size_t size);

// A picture for every scale of the screen: at the layout's size it is picture itself, at a
// size of one of the larger pictures that one, and at any other size the next larger picture
// (or the largest) scaled smoothly to it, once. An empty bundle when picture is no picture.
wxBitmapBundle PictureForEveryScale(std::span<const unsigned char> picture,
                                    std::span<const std::span<const unsigned char>> larger);

// Makes the bytes the picture of the PicBox named picbox, or leaves it empty. The box keeps
// its place and size.
void SetPictureBytes(std::string_view picbox, const ByteArray& bytes);
