#include <map>
#include <string>
#include <vector>

#include "tests/support/header_lines.h"
#include "tests/support/service_test.h"

namespace {

constexpr char kQueryTail[] = "&id=1&valicode=&temp=0.5366536813547046";

using FetchUrlTest = FixtureServiceTest;

FixtureReply Framed(std::size_t size, BodyFraming framing) {
    return {.body = PatternBody(size), .framing = framing};
}

// Answers each target from the table, and every other request with a 404 page.
void RouteByTarget(FixtureService& service, std::map<std::string, FixtureReply> routes) {
    service.SetReplyMaker([routes = std::move(routes)](const RecordedRequest& request) {
        const auto route = routes.find(request.target);
        return route != routes.end() ? route->second : BodyReply("not found", 404);
    });
}

TEST_F(FetchUrlTest, SendsOnePlainOldGet) {
    service.SetDefaultReply(BodyReply("fine"));
    EXPECT_EQ(FetchUrl(BuildQueryAddress("1234", "ems")), Bytes("fine"));

    const std::vector<RecordedRequest> requests = service.Requests();
    ASSERT_EQ(requests.size(), 1U);
    const RecordedRequest& request = requests[0];
    EXPECT_EQ(request.request_line,
              std::string("GET /query?type=ems&postid=1234") + kQueryTail + " HTTP/1.0");
    EXPECT_EQ(HeaderValues(request, "User-Agent"),
              std::vector<std::string>{"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"});
    EXPECT_EQ(HeaderValues(request, "Accept"), std::vector<std::string>{"*/*"});
    EXPECT_EQ(HeaderValues(request, "Host"), std::vector<std::string>{service.HostAndPort()});
    for (const char* unwanted : {"If-Modified-Since", "If-None-Match", "Cookie", "Range"}) {
        EXPECT_TRUE(HeaderValues(request, unwanted).empty()) << unwanted;
    }
}

TEST_F(FetchUrlTest, ReadsWholeBodiesHoweverTheyAreFramed) {
    const std::vector<std::pair<std::string, FixtureReply>> cases = {
        {"no length", Framed(50000, BodyFraming::kCloseDelimited)},
        {"length 500", Framed(500, BodyFraming::kContentLength)},
        {"length 200000", Framed(200000, BodyFraming::kContentLength)},
        {"length 3000000", Framed(3000000, BodyFraming::kContentLength)},
        {"chunked", Framed(200000, BodyFraming::kChunked)},
        {"in pieces",
         {.body = PatternBody(3000),
          .framing = BodyFraming::kCloseDelimited,
          .drip_bytes = 700,
          .drip_interval_ms = 20}},
        {"empty", Framed(0, BodyFraming::kContentLength)},
        {"error page", BodyReply("<html><body>Not Found</body></html>", 404)},
        {"server error", BodyReply("{\"message\":\"busy\"}", 500)},
    };
    for (const auto& [what, reply] : cases) {
        service.SetDefaultReply(reply);
        EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), Bytes(reply.body)) << what;
    }
    // The service handed over every byte of each reply, as the tables of cut replies rely on.
    service.Stop();
    const std::vector<std::size_t> sent = service.SentByteCounts();
    ASSERT_EQ(sent.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(sent[i], ResponseBytes(cases[i].second).size()) << cases[i].first;
    }
}

TEST_F(FetchUrlTest, FollowsRedirectsABoundedNumberOfTimesAndOnlyToTheWeb) {
    const std::string away = "http://127.0.0.1:" + std::to_string(UnusedLoopbackPort()) + "/";
    RouteByTarget(service, {{"/start", RedirectReply("/moved")},
                            {"/moved", RedirectReply(service.Address("/final"), 301)},
                            {"/final", BodyReply("arrived")},
                            {"/local", RedirectReply("file:///etc/hostname")},
                            {"/self", RedirectReply("/self")},
                            {"/a", RedirectReply("/b", 301)},
                            {"/b", RedirectReply("/a", 301)},
                            {"/temporary", RedirectReply("/temporary", 307)},
                            {"/away", RedirectReply(away)}});
    EXPECT_EQ(FetchUrl(service.Address("/start")), Bytes("arrived"));
    const std::vector<RecordedRequest> requests = service.Requests();
    ASSERT_EQ(requests.size(), 3U);
    EXPECT_EQ(requests[1].target, "/moved");
    EXPECT_EQ(requests[2].target, "/final");
    for (const char* path : {"/local", "/self", "/a", "/temporary", "/away"}) {
        const std::size_t before = service.RequestCount();
        EXPECT_TRUE(FetchUrl(service.Address(path)).empty()) << path;
        // The first request and at most ten redirects.
        EXPECT_LE(service.RequestCount() - before, 11U) << path;
    }
}

TEST_F(FetchUrlTest, GivesNothingForAddressesItCannotFetch) {
    const std::vector<std::string> addresses = {
        "",
        "file:///etc/hostname",
        "ftp://" + service.HostAndPort() + "/",
        "127.0.0.1",
        "http://",
        "http://127.0.0.1:" + std::to_string(UnusedLoopbackPort()) + "/query",
    };
    for (const std::string& address : addresses) {
        EXPECT_TRUE(FetchUrl(address).empty()) << address;
    }
}

TEST_F(FetchUrlTest, NeverSendsTheFragment) {
    service.SetDefaultReply(BodyReply("fine"));
    EXPECT_EQ(FetchTrackingText("12#34", "ems"), "fine");
    ASSERT_EQ(service.RequestCount(), 1U);
    EXPECT_EQ(service.Requests()[0].target, "/query?type=ems&postid=12");
}

TEST_F(FetchUrlTest, EncodesTheNumberSoThatNoHeaderCanBeInjected) {
    const std::string number = "12 34\r\nX-Injected: yes\r\n\xB2\xE9";
    service.SetReplyForNumber(number, BodyReply("routed"));
    EXPECT_EQ(FetchTrackingText(number, "ems"), "routed");

    const std::vector<RecordedRequest> requests = service.Requests();
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0].target,
              std::string("/query?type=ems&postid=12%2034%0D%0AX-Injected:%20yes%0D%0A%B2%E9") +
                  kQueryTail);
    EXPECT_TRUE(HeaderValues(requests[0], "X-Injected").empty());
    for (const std::string& line : requests[0].header_lines) {
        EXPECT_EQ(line.find("yes"), std::string::npos) << line;
    }
}

TEST_F(FetchUrlTest, RefusesABodyOverTheCap) {
    EXPECT_EQ(FetchLimits().max_body_bytes, 32LL * 1024 * 1024);
    SetFetchLimits({.low_speed_seconds = 1, .max_body_bytes = 1000});
    const std::vector<std::pair<FixtureReply, bool>> cases = {
        {Framed(1000, BodyFraming::kCloseDelimited), true},
        {Framed(1000, BodyFraming::kContentLength), true},
        {Framed(1001, BodyFraming::kCloseDelimited), false},
        {Framed(1001, BodyFraming::kContentLength), false},
        {Framed(50000, BodyFraming::kChunked), false},
    };
    for (const auto& [reply, accepted] : cases) {
        service.SetDefaultReply(reply);
        const ByteArray expected = accepted ? Bytes(reply.body) : ByteArray();
        EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), expected) << reply.body.size();
        EXPECT_EQ(LastFetchReport().failure, accepted ? "" : "reply over the size cap");
    }
}

TEST_F(FetchUrlTest, RefusesAnObjectOverTwoThousandAndFortyEightCharacters) {
    service.SetDefaultReply(BodyReply("fetched"));
    // The object as sent: "/q?n=" (5 characters), then spaces sent as "%20" and letters.
    const auto object_of = [](std::size_t spaces, std::size_t letters) {
        return "/q?n=" + std::string(spaces, ' ') + std::string(letters, 'x');
    };
    const std::vector<std::pair<std::string, bool>> cases = {
        {object_of(0, 2043), true},
        {object_of(0, 2044), false},
        {object_of(681, 0), true},
        {object_of(681, 1), false},
        {object_of(0, 2043) + "#fragment that is never sent", true},
    };
    for (const auto& [object, fetched] : cases) {
        EXPECT_EQ(FetchUrl(service.Address(object)), fetched ? Bytes("fetched") : ByteArray())
            << object.size();
    }
    EXPECT_EQ(service.RequestCount(), 3U);
}

TEST_F(FetchUrlTest, GivesNothingForAFetchOverItsTotalTime) {
    // Only the total time can end the trickle: the speed check looks at a span far longer.
    SetFetchLimits({.low_speed_seconds = 60, .total_seconds = 2});
    // A byte every 200 ms: the whole body would take 20 s.
    FixtureReply trickle{.body = std::string(100, 'a'),
                         .framing = BodyFraming::kCloseDelimited,
                         .drip_bytes = 1,
                         .drip_interval_ms = 200};
    trickle.drip_after = HeadLength(trickle);
    const std::vector<std::pair<FixtureReply, ByteArray>> cases = {
        {trickle, {}},
        {BodyReply("quick"), Bytes("quick")},
    };
    for (const auto& [reply, expected] : cases) {
        service.SetDefaultReply(reply);
        EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), expected);
    }
    const std::vector<std::size_t> sent = service.SentByteCounts();
    ASSERT_EQ(sent.size(), 2U);
    // Cut before its end, and not by the speed limit: that cut would give the bytes received.
    EXPECT_LT(sent[0], HeadLength(trickle) + 100);
}

// Replies that break off or lie about their length: nothing before the body arrived gives the
// empty array; a transfer that fails after part of the body arrived gives that part; a declared
// length shorter than what is sent ends the body there.
const std::string kCutBody = PatternBody(1000);

// The first bytes of the response, then the connection's end.
FixtureReply CutReply(std::size_t sent, ConnectionEnd end,
                      BodyFraming framing = BodyFraming::kContentLength) {
    return {.body = kCutBody, .framing = framing, .send_limit = sent, .end = end};
}

// The same, counting the bytes sent from the body's start.
FixtureReply CutBody(std::size_t body_bytes_sent, ConnectionEnd end,
                     BodyFraming framing = BodyFraming::kContentLength) {
    FixtureReply reply = CutReply(0, end, framing);
    reply.send_limit = HeadLength(reply) + body_bytes_sent;
    return reply;
}

FixtureReply DeclaredLengthReply(std::string body, std::size_t declared, ConnectionEnd end) {
    return {.body = std::move(body), .declared_length = declared, .end = end};
}

// A chunked reply cut inside its second chunk of 100 bytes, 50 bytes into it.
FixtureReply ResetInsideChunk() {
    FixtureReply reply = CutReply(0, ConnectionEnd::kReset, BodyFraming::kChunked);
    reply.chunk_size = 100;
    const std::size_t chunk_bytes = std::string("64\r\n").size() + 100 + 2;
    reply.send_limit = HeadLength(reply) + chunk_bytes + std::string("64\r\n").size() + 50;
    return reply;
}

// The reply's first bytes at once, then a byte every two seconds: below the speed limit.
FixtureReply DrippedAfter(std::size_t at_once) {
    return {
        .body = PatternBody(100), .drip_bytes = 1, .drip_interval_ms = 2000, .drip_after = at_once};
}

FixtureReply Chunked(const std::string& chunked_body, ConnectionEnd end = ConnectionEnd::kClose) {
    return {.raw_response = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunked_body,
            .end = end};
}

TEST_F(FetchUrlTest, KeepsWhatArrivedBeforeTheTransferBroke) {
    const std::string first_300 = kCutBody.substr(0, 300);
    const std::vector<FetchCase> cases = {
        {"never answers", SilentReply(), ""},
        {"reset at once", CutReply(0, ConnectionEnd::kReset), ""},
        {"closed at once", CutReply(0, ConnectionEnd::kClose), ""},
        {"head only, then silence", CutBody(0, ConnectionEnd::kHold), ""},
        {"head dripped below the speed limit", DrippedAfter(0), ""},
        {"body alone, no status line", RawReply("{\"message\":\"ok\",\"data\":[]}"), ""},
        {"html alone, no status line", RawReply("<html><body>hello</body></html>\r\n"), ""},
        {"reset right after the head", CutBody(0, ConnectionEnd::kReset), ""},
        {"reset after 300 bytes of a sized body", CutBody(300, ConnectionEnd::kReset), first_300},
        {"reset after 300 bytes of an unsized body",
         CutBody(300, ConnectionEnd::kReset, BodyFraming::kCloseDelimited), first_300},
        {"reset inside a chunk", ResetInsideChunk(), kCutBody.substr(0, 150)},
        {"length longer than the body, then closed",
         DeclaredLengthReply(first_300, 1000, ConnectionEnd::kClose), first_300},
        {"length longer than the body, then silent",
         DeclaredLengthReply(first_300, 1000, ConnectionEnd::kHold), first_300},
        {"length shorter than the body", DeclaredLengthReply(kCutBody, 300, ConnectionEnd::kClose),
         first_300},
        {"length shorter than the body, kept open",
         DeclaredLengthReply(kCutBody, 300, ConnectionEnd::kHold), first_300},
        {"length zero", DeclaredLengthReply(kCutBody, 0, ConnectionEnd::kClose), ""},
        {"bad chunk size after a good chunk", Chunked("5\r\nfirst\r\nzz\r\nsecond\r\n0\r\n\r\n"),
         "first"},
    };
    ExpectFetchResults(cases);
}

// A stall in mid-body keeps the body's beginning; how many dripped bytes came before the cut-off
// depends on the clock, never all of them.
TEST_F(FetchUrlTest, BodyDrippedBelowTheSpeedLimitKeepsWhatArrived) {
    constexpr std::size_t kAtOnce = 10;
    FixtureReply reply = DrippedAfter(0);
    reply.drip_after = HeadLength(reply) + kAtOnce;
    const ByteArray fetched = FetchRouted("1", reply);
    const std::string text(fetched.begin(), fetched.end());
    EXPECT_GE(text.size(), kAtOnce);
    EXPECT_LT(text.size(), reply.body.size());
    EXPECT_EQ(text, reply.body.substr(0, text.size()));
}

// WinINet reads these replies otherwise; docs/windows.md lists what it gives for each.
#ifdef _WIN32
#define SKIP_WHERE_WININET_READS_OTHERWISE() \
    GTEST_SKIP() << "WinINet reads this reply otherwise (docs/windows.md)"
#else
#define SKIP_WHERE_WININET_READS_OTHERWISE() static_cast<void>(0)
#endif

TEST_F(FetchUrlTest, InvalidChunkedEncoding) {
    SKIP_WHERE_WININET_READS_OTHERWISE();
    const std::vector<FetchCase> cases = {
        {"size that is not hexadecimal", Chunked("zz\r\nfirst\r\n0\r\n\r\n"), ""},
        {"size beyond 64 bits", Chunked("fffffffffffffffffff\r\nfirst\r\n0\r\n\r\n"), ""},
        {"chunk longer than its size", Chunked("3\r\nfirst\r\n0\r\n\r\n"), "fir"},
        {"chunk cut short, then closed", Chunked("a\r\nfirst"), "first"},
        {"chunk cut short, then silent", Chunked("a\r\nfirst", ConnectionEnd::kHold), "first"},
        {"no last chunk", Chunked("5\r\nfirst\r\n"), "first"},
        {"negative size", Chunked("-5\r\nfirst\r\n0\r\n\r\n"), ""},
        {"extension and trailer", Chunked("5;note=x\r\nfirst\r\n0\r\nX-Trail: 1\r\n\r\n"), "first"},
    };
    ExpectFetchResults(cases);
}

// Status lines and heads that are malformed, missing or oversized: a reply that is not a
// well-formed HTTP/1.x response is a failure.
const std::string kHeadBody = "<html>body</html>";

FixtureReply WithHead(const std::string& status_line, const std::string& headers = "") {
    return RawReply(status_line + "\r\n" + headers +
                    "Content-Length: " + std::to_string(kHeadBody.size()) + "\r\n\r\n" + kHeadBody);
}

TEST_F(FetchUrlTest, MalformedOrHugeHeads) {
    SKIP_WHERE_WININET_READS_OTHERWISE();
    const std::vector<FetchCase> cases = {
        {"status that is not a number", WithHead("HTTP/1.1 abc OK"), ""},
        {"status of two digits", WithHead("HTTP/1.1 20 OK"), ""},
        {"unknown protocol name", WithHead("XTTP/1.1 200 OK"), ""},
        {"empty status line", WithHead(""), ""},
        {"binary garbage", RawReply(std::string("\x01\xFF\x00\x80garbage\r\n\r\n", 15)), ""},
        {"head never ends", RawReply("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n"), ""},
        {"no reason phrase", WithHead("HTTP/1.1 200"), kHeadBody},
        {"bare line feeds", RawReply("HTTP/1.1 200 OK\nContent-Length: 4\n\nbody"), "body"},
        {"10000 short header lines", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(10000, 4)),
         kHeadBody},
        {"10000 header lines of 40 bytes", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(10000, 40)),
         ""},
        {"one header line of 200 KiB", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(1, 200 * 1024)),
         ""},
    };
    ExpectFetchResults(cases);
}

// With a cap far below the body, what the service could hand over before the client hung up
// (the cap, plus what the two ends' socket buffers hold) stays far below the whole body, so a
// client that kept reading would show. A body sized by its head is refused before it is read.
// The service takes a moment to lay out 40 MiB, longer under a sanitizer; the HTTP library
// samples the speed once a second, so a longer cut-off keeps a slow start from looking like a
// stall in mid-body.
TEST_F(FetchUrlTest, BodyOverTheCapIsNotReadToItsEnd) {
    SKIP_WHERE_WININET_READS_OTHERWISE();
    constexpr std::size_t kMiB = 1024 * 1024;
    FetchLimits limits = ShortLimits(10);
    limits.max_body_bytes = static_cast<long long>(kMiB);
    SetFetchLimits(limits);
    std::vector<FixtureReply> replies;
    for (const BodyFraming framing :
         {BodyFraming::kContentLength, BodyFraming::kCloseDelimited, BodyFraming::kChunked}) {
        replies.push_back(Framed(40 * kMiB, framing));
        replies.back().chunk_size = 64 * 1024;
    }
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(FetchRouted(std::to_string(i), replies[i]).size(), 0U) << i;
    }

    service.Stop();
    const std::vector<std::size_t> sent = service.SentByteCounts();
    ASSERT_EQ(sent.size(), replies.size());
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_LT(sent[i], ResponseBytes(replies[i]).size() / 2) << i;
    }
}

}  // namespace
