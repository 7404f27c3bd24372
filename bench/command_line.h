// Reading the numbers the benchmark programs take on their command lines.
#pragma once

#include <charconv>
#include <string_view>

// True when text is a whole decimal number above 0; value then holds it.
inline bool ReadPositive(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}
