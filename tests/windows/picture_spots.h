// Colours of single pixels of a screenshot, read with ImageMagick.
#pragma once

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/program_session.h"

// The colour of the pixel at point of picture, as ImageMagick names it ("srgb(245,245,245)").
inline std::string ColourAt(const std::string& picture, WindowPoint point) {
    return CommandOutput("convert " + picture + " -format '%[pixel:p{" + std::to_string(point.x) +
                         "," + std::to_string(point.y) + "}]' info:");
}
