#include "tracking/response_head.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/header_lines.h"

namespace {

struct HeadCase {
    std::string what;
    std::string head;
    bool sound;
};

TEST(ResponseHeadIsSound, TakesHttp1StatusLinesWithinTheSizes) {
    const std::vector<HeadCase> cases = {
        {"ok", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n", true},
        {"1.0 without headers", "HTTP/1.0 404 Not Found\r\n\r\n", true},
        {"no reason phrase", "HTTP/1.1 200\r\n\r\n", true},
        {"no line end at all", "HTTP/1.1 302 Found", true},
        {"empty", "", false},
        {"empty status line", "\r\nContent-Length: 4\r\n\r\n", false},
        {"other protocol", "XTTP/1.1 200 OK\r\n\r\n", false},
        {"HTTP/2 line", "HTTP/2 200\r\n\r\n", false},
        {"HTTP/0.9 line", "HTTP/0.9 200 OK\r\n\r\n", false},
        {"status not a number", "HTTP/1.1 abc OK\r\n\r\n", false},
        {"status of two digits", "HTTP/1.1 20 OK\r\n\r\n", false},
        {"status of four digits", "HTTP/1.1 2000 OK\r\n\r\n", false},
        {"binary garbage", std::string("\x01\xFF\x00\x80garbage\r\n\r\n", 15), false},
        {"many short lines", "HTTP/1.1 200 OK\r\n" + ManyHeaderLines(10000, 4) + "\r\n", true},
        {"a head over 300 KiB", "HTTP/1.1 200 OK\r\n" + ManyHeaderLines(10000, 40) + "\r\n", false},
        {"a line of 100 KiB", "HTTP/1.1 200 OK\r\nX: " + std::string(100 * 1024 - 3, 'v') + "\r\n",
         true},
        {"a line over 100 KiB",
         "HTTP/1.1 200 OK\r\nX: " + std::string(100 * 1024 - 2, 'v') + "\r\n", false},
    };
    for (const HeadCase& head_case : cases) {
        EXPECT_EQ(ResponseHeadIsSound(head_case.head), head_case.sound) << head_case.what;
    }
}

}  // namespace
