#include "tests/support/fixture_routes.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int kLowestStatus = 100;
constexpr int kHighestStatus = 599;

bool ReadRoute(std::string_view line, FixtureRoute& route) {
    const std::size_t first_tab = line.find('\t');
    if (first_tab == std::string_view::npos || first_tab == 0) {
        return false;
    }
    const std::size_t second_tab = line.find('\t', first_tab + 1);
    if (second_tab == std::string_view::npos) {
        return false;
    }
    const std::string_view status_text = line.substr(first_tab + 1, second_tab - first_tab - 1);
    int status = 0;
    const auto [end, error] =
        std::from_chars(status_text.data(), status_text.data() + status_text.size(), status);
    if (error != std::errc() || end != status_text.data() + status_text.size() ||
        status < kLowestStatus || status > kHighestStatus) {
        return false;
    }
    route.number = std::string(line.substr(0, first_tab));
    route.reply = BodyReply(std::string(line.substr(second_tab + 1)), status);
    return true;
}

}  // namespace

RoutesReading ReadRoutes(std::string_view text) {
    RoutesReading reading;
    int line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t line_end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, line_end);
        text.remove_prefix(std::min(line_end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        FixtureRoute route;
        if (!ReadRoute(line, route)) {
            reading.bad_line = line_number;
            return reading;
        }
        reading.routes.push_back(std::move(route));
    }
    return reading;
}
