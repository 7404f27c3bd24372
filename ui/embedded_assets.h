// Pictures built into the program from ui/assets, as the bytes of their files; nothing is read
// from disk at run time.
#pragma once

#include <span>

// The banner: JPEG, 623 x 88.
extern const std::span<const unsigned char> kBannerJpeg;
// The window icon: PNG, 48 x 48, 32-bit.
extern const std::span<const unsigned char> kWindowIconPng;
