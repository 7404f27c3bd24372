#include "tests/support/fixture_routes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ReadRoutes, ReadsOneReplyPerNumber) {
    const RoutesReading reading = ReadRoutes(
        "# number, status, body\n"
        "\n"
        "EA1\t200\t{\"message\":\"ok\",\"data\":[]}\r\n"
        "EA2\t404\tnot\there\n"
        "*\t500\t");
    ASSERT_EQ(reading.bad_line, 0);
    ASSERT_EQ(reading.routes.size(), 3U);
    EXPECT_EQ(reading.routes[0].number, "EA1");
    EXPECT_EQ(reading.routes[0].reply.status, 200);
    EXPECT_EQ(reading.routes[0].reply.body, "{\"message\":\"ok\",\"data\":[]}");
    EXPECT_EQ(reading.routes[1].reply.status, 404);
    EXPECT_EQ(reading.routes[1].reply.body, "not\there");
    EXPECT_EQ(reading.routes[2].number, kAnyNumber);
    EXPECT_EQ(reading.routes[2].reply.body, "");
}

struct BadCase {
    std::string text;
    int bad_line;
};

TEST(ReadRoutes, NamesTheFirstLineThatIsNoRoute) {
    const std::vector<BadCase> cases = {
        {"EA1 200 body\n", 1},
        {"EA1\t200\n", 1},
        {"ok\t200\tx\nEA1\tabc\tbody\n", 2},
        {"EA1\t99\tbody\n", 1},
        {"EA1\t600\tbody\n", 1},
        {"EA1\t20x\tbody\n", 1},
        {"\t200\tbody\n", 1},
        {"# only\n\nEA1\t\tbody", 3},
    };
    for (const BadCase& c : cases) {
        EXPECT_EQ(ReadRoutes(c.text).bad_line, c.bad_line) << c.text;
    }
}

}  // namespace
