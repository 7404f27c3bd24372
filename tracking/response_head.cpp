#include "tracking/response_head.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxLineBytes = 100 * 1024;
constexpr std::size_t kMaxHeadBytes = 300 * 1024;
constexpr std::string_view kLineEnd = "\r\n";

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

bool StatusLineIsSound(std::string_view line) {
    if (!line.starts_with("HTTP/1.0 ") && !line.starts_with("HTTP/1.1 ")) {
        return false;
    }
    const std::string_view rest = line.substr(9);
    return rest.size() >= 3 && std::all_of(rest.begin(), rest.begin() + 3, IsDigit) &&
           (rest.size() == 3 || rest[3] == ' ');
}

}  // namespace

bool ResponseHeadIsSound(std::string_view raw_head) {
    if (raw_head.size() > kMaxHeadBytes) {
        return false;
    }
    bool first = true;
    while (!raw_head.empty()) {
        const std::size_t end = raw_head.find(kLineEnd);
        const std::string_view line = raw_head.substr(0, end);
        if (line.size() > kMaxLineBytes || (first && !StatusLineIsSound(line))) {
            return false;
        }
        first = false;
        raw_head.remove_prefix(end == std::string_view::npos ? raw_head.size()
                                                             : end + kLineEnd.size());
    }
    return !first;
}
