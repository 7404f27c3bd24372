#include "tests/support/fixture_request.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    const int lower = std::tolower(static_cast<unsigned char>(digit));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string PercentDecoded(std::string_view encoded) {
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
            HexValue(encoded[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
            i += 2;
        } else {
            decoded += encoded[i];
        }
    }
    return decoded;
}

}  // namespace

RecordedRequest ParseRequestHead(std::string_view head) {
    RecordedRequest request;
    std::size_t line_start = 0;
    bool first = true;
    while (line_start <= head.size()) {
        std::size_t line_end = head.find(kLineEnd, line_start);
        if (line_end == std::string_view::npos) {
            line_end = head.size();
        }
        const std::string_view line = head.substr(line_start, line_end - line_start);
        if (first) {
            request.request_line = std::string(line);
            const std::size_t target_start = line.find(' ');
            if (target_start != std::string_view::npos) {
                const std::size_t target_end = line.find(' ', target_start + 1);
                request.target =
                    std::string(line.substr(target_start + 1, target_end == std::string_view::npos
                                                                  ? std::string_view::npos
                                                                  : target_end - target_start - 1));
            }
            first = false;
        } else if (!line.empty()) {
            request.header_lines.emplace_back(line);
        }
        line_start = line_end + kLineEnd.size();
    }
    return request;
}

std::vector<std::string> HeaderValues(const RecordedRequest& request, std::string_view name) {
    std::vector<std::string> values;
    for (const std::string& line : request.header_lines) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos ||
            !SameLetters(std::string_view(line).substr(0, colon), name)) {
            continue;
        }
        const std::size_t value_start = line.find_first_not_of(' ', colon + 1);
        values.push_back(value_start == std::string::npos ? std::string()
                                                          : line.substr(value_start));
    }
    return values;
}

std::optional<std::string> QueryValue(std::string_view target, std::string_view key) {
    const std::size_t query_start = target.find('?');
    if (query_start == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view query = target.substr(query_start + 1);
    while (!query.empty()) {
        const std::size_t pair_end = std::min(query.find('&'), query.size());
        const std::string_view pair = query.substr(0, pair_end);
        const std::size_t equals = pair.find('=');
        if (pair.substr(0, equals) == key) {
            return PercentDecoded(equals == std::string_view::npos ? std::string_view()
                                                                   : pair.substr(equals + 1));
        }
        query.remove_prefix(std::min(pair_end + 1, query.size()));
    }
    return std::nullopt;
}
