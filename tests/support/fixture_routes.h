// The routes file of the stand-alone fixture service: one reply per tracking number.
//
// One route per line: number, a tab, the HTTP status, a tab, and the body (UTF-8, the rest of
// the line, tabs included). The number "*" names the reply for every other number. Empty lines
// and lines starting with "#" are skipped; lines may end in LF or CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fixture_reply.h"

inline constexpr std::string_view kAnyNumber = "*";

struct FixtureRoute {
    std::string number;
    FixtureReply reply;
};

struct RoutesReading {
    std::vector<FixtureRoute> routes;
    int bad_line = 0;  // the first line that is not a route (1-based), 0 when all are fine
};

RoutesReading ReadRoutes(std::string_view text);
