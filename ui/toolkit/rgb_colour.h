// Colours as the layout writes them, 0xRRGGBB, turned into the toolkit's colours.
#pragma once

#include <wx/colour.h>

inline wxColour RgbColour(int rgb) {
    return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
