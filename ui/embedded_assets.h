// Pictures built into the program from ui/assets, as the bytes of their files; nothing is read
// from disk at run time.
#pragma once

#include <span>

// The banner: JPEG, 623 x 88.
extern const std::span<const unsigned char> kBannerJpeg;
// The banner at twice its size: JPEG, 1246 x 176.
extern const std::span<const unsigned char> kBannerJpeg2x;
// The window icon: PNG, 48 x 48, 32-bit, and the same in other sizes.
extern const std::span<const unsigned char> kWindowIconPng;
extern const std::span<const unsigned char> kWindowIconPng16;
extern const std::span<const unsigned char> kWindowIconPng24;
extern const std::span<const unsigned char> kWindowIconPng32;
extern const std::span<const unsigned char> kWindowIconPng64;
extern const std::span<const unsigned char> kWindowIconPng128;
extern const std::span<const unsigned char> kWindowIconPng256;
