// Replies whose status line or headers are malformed, missing or oversized, and redirects that
// never end. A reply that is not a well-formed HTTP/1.x response is a failure: empty array.
#include <string>
#include <vector>

#include "tests/support/header_lines.h"
#include "tests/support/service_test.h"

namespace {

using MalformedHeadsTest = FixtureServiceTest;

const std::string kBody = "<html>body</html>";

FixtureReply WithHead(const std::string& status_line, const std::string& headers = "") {
    return RawReply(status_line + "\r\n" + headers +
                    "Content-Length: " + std::to_string(kBody.size()) + "\r\n\r\n" + kBody);
}

TEST_F(MalformedHeadsTest, MalformedStatusLines) {
    const std::vector<FetchCase> cases = {
        {"status that is not a number", WithHead("HTTP/1.1 abc OK"), ""},
        {"status of two digits", WithHead("HTTP/1.1 20 OK"), ""},
        {"unknown protocol name", WithHead("XTTP/1.1 200 OK"), ""},
        {"empty status line", WithHead(""), ""},
        {"binary garbage", RawReply(std::string("\x01\xFF\x00\x80garbage\r\n\r\n", 15)), ""},
        {"head never ends", RawReply("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n"), ""},
        {"no reason phrase", WithHead("HTTP/1.1 200"), kBody},
        {"bare line feeds", RawReply("HTTP/1.1 200 OK\nContent-Length: 4\n\nbody"), "body"},
    };
    ExpectFetchResults(cases);
}

TEST_F(MalformedHeadsTest, ReplyWithoutStatusLineOrHeaders) {
    const std::vector<FetchCase> cases = {
        {"body alone", RawReply("{\"message\":\"ok\",\"data\":[]}"), ""},
        {"html alone", RawReply("<html><body>hello</body></html>\r\n"), ""},
    };
    ExpectFetchResults(cases);
}

TEST_F(MalformedHeadsTest, ManyAndLongHeaderLines) {
    const std::vector<FetchCase> cases = {
        {"10000 short header lines", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(10000, 4)), kBody},
        {"10000 header lines of 40 bytes", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(10000, 40)),
         ""},
        {"one header line of 200 KiB", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(1, 200 * 1024)),
         ""},
    };
    ExpectFetchResults(cases);
}

TEST_F(MalformedHeadsTest, EndlessRedirectsEndEmptyAfterABoundedNumberOfRequests) {
    const int unused_port = UnusedLoopbackPort();
    const std::vector<std::pair<std::string, FixtureReply>> loops = {
        {"/self", RedirectReply("/self")},
        {"/a", RedirectReply("/b", 301)},
        {"/temporary", RedirectReply("/temporary", 307)},
        {"/away", RedirectReply("http://127.0.0.1:" + std::to_string(unused_port) + "/")},
    };
    service.SetReplyForPath("/b", RedirectReply("/a", 301));
    for (const auto& [path, reply] : loops) {
        service.SetReplyForPath(path, reply);
        const std::size_t before = service.RequestCount();
        EXPECT_TRUE(FetchUrl(service.Address(path)).empty()) << path;
        // The first request and at most ten redirects.
        EXPECT_LE(service.RequestCount() - before, 11U) << path;
    }
}

}  // namespace
