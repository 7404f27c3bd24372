#include "tests/support/fixture_request.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/fixture_reply.h"

namespace {

TEST(ParseRequestHead, SplitsRequestLineAndHeaders) {
    const RecordedRequest request = ParseRequestHead(
        "GET /query?type=ems&postid=1 HTTP/1.0\r\nHost: 127.0.0.1:80\r\naccept: */*\r\n"
        "Accept:text/html");
    EXPECT_EQ(request.request_line, "GET /query?type=ems&postid=1 HTTP/1.0");
    EXPECT_EQ(request.target, "/query?type=ems&postid=1");
    EXPECT_EQ(request.header_lines.size(), 3U);
    EXPECT_EQ(HeaderValues(request, "ACCEPT"), (std::vector<std::string>{"*/*", "text/html"}));
    EXPECT_TRUE(HeaderValues(request, "Accept-Language").empty());
}

TEST(QueryValue, FindsAndDecodesKeys) {
    const std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> cases = {
        {"/query?type=ems&postid=1234&id=1", "postid", "1234"},
        {"/query?type=ems&postid=12%2034%0D%0A%b2%E9", "postid", "12 34\r\n\xB2\xE9"},
        {"/query?postid=%zz%4", "postid", "%zz%4"},
        {"/query?type=ems&postid=", "postid", ""},
        {"/query?type=ems&postid", "postid", ""},
        {"/query?xpostid=1", "postid", std::nullopt},
        {"/query", "postid", std::nullopt},
        {"/query?type=ems&", "id", std::nullopt},
    };
    for (const auto& [target, key, value] : cases) {
        EXPECT_EQ(QueryValue(target, key), value) << target;
    }
}

TEST(ResponseBytes, FramesTheBodyAsAsked) {
    FixtureReply reply = BodyReply("hello world", 404);
    EXPECT_EQ(ResponseBytes(reply),
              "HTTP/1.1 404 Not Found\r\nContent-Type: text/html; charset=utf-8\r\n"
              "Connection: close\r\nContent-Length: 11\r\n\r\nhello world");
    reply.declared_length = 99;
    EXPECT_NE(ResponseBytes(reply).find("Content-Length: 99\r\n\r\nhello world"),
              std::string::npos);
    reply.framing = BodyFraming::kChunked;
    reply.chunk_size = 5;
    EXPECT_NE(
        ResponseBytes(reply).find(
            "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n5\r\n worl\r\n1\r\nd\r\n0\r\n\r\n"),
        std::string::npos);
    reply.framing = BodyFraming::kCloseDelimited;
    const std::string closed = ResponseBytes(reply);
    EXPECT_EQ(closed.find("Content-Length"), std::string::npos);
    EXPECT_TRUE(closed.ends_with("Connection: close\r\n\r\nhello world")) << closed;
}

}  // namespace
