// Picture files made in memory for the tests.
#pragma once

#include <wx/bitmap.h>

#include "text/text_ops.h"

// A width x height picture of one colour, encoded as a file of the given type.
ByteArray EncodedPicture(wxBitmapType type, int width, int height);
