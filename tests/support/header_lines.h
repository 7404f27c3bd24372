// Header lines for oversized heads: count lines "X-Line-<i>: " followed by value_length bytes.
#pragma once

#include <string>

inline std::string ManyHeaderLines(int count, std::size_t value_length) {
    std::string lines;
    for (int i = 0; i < count; ++i) {
        lines += "X-Line-" + std::to_string(i) + ": " + std::string(value_length, 'v') + "\r\n";
    }
    return lines;
}
