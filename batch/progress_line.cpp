#include "batch/progress_line.h"

#include <cstdio>

namespace {

std::string MinutesAndSeconds(long long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

}  // namespace

std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed,
                         long long elapsed_ms) {
    std::string line = std::to_string(done) + "/" + std::to_string(total) + " numbers, " +
                       std::to_string(failed) + " failed, ";
    if (done == 0 || elapsed_ms <= 0) {
        return line + "--/s, -- left";
    }
    const double per_second = static_cast<double>(done) * 1000.0 / static_cast<double>(elapsed_ms);
    const double left_seconds = static_cast<double>(total - done) / per_second;
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f/s, ", per_second);
    return line + rate + MinutesAndSeconds(static_cast<long long>(left_seconds + 0.5)) + " left";
}
