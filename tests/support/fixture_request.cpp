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

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

std::string PercentDecoded(std::string_view encoded) {
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size() && IsHexDigit(encoded[i + 1]) &&
            IsHexDigit(encoded[i + 2])) {
            decoded +=
                static_cast<char>(std::stoi(std::string(encoded.substr(i + 1, 2)), nullptr, 16));
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
    for (std::size_t start = 0; start <= head.size();) {
        const std::size_t end = std::min(head.find(kLineEnd, start), head.size());
        const std::string_view line = head.substr(start, end - start);
        if (start == 0) {
            request.request_line = std::string(line);
        } else if (!line.empty()) {
            request.header_lines.emplace_back(line);
        }
        start = end + kLineEnd.size();
    }
    // The request line's second word (up to the line's end when no third one follows).
    const std::size_t target_start = request.request_line.find(' ');
    if (target_start != std::string::npos) {
        const std::size_t target_end = request.request_line.find(' ', target_start + 1);
        request.target =
            request.request_line.substr(target_start + 1, target_end - target_start - 1);
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
