#include <string>
#include <vector>

#include "tests/support/header_lines.h"
#include "tests/support/service_test.h"

namespace {

constexpr char kQueryTail[] = "&id=1&valicode=&temp=0.5366536813547046";

// Bytes of every value, zeros included, in a pattern that does not repeat quickly.
std::string PatternBody(std::size_t size) {
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        body[i] = static_cast<char>((i * 31 + i / 251) % 256);
    }
    return body;
}

using FetchUrlTest = FixtureServiceTest;

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

struct BodyCase {
    const char* what;
    FixtureReply reply;
};

TEST_F(FetchUrlTest, ReadsWholeBodiesHoweverTheyAreFramed) {
    const auto framed = [](std::size_t size, BodyFraming framing) {
        FixtureReply reply = BodyReply(PatternBody(size));
        reply.framing = framing;
        return reply;
    };
    FixtureReply dripped = framed(3000, BodyFraming::kCloseDelimited);
    dripped.drip_bytes = 700;
    dripped.drip_interval_ms = 20;
    const std::vector<BodyCase> cases = {
        {"no length", framed(50000, BodyFraming::kCloseDelimited)},
        {"length 500", framed(500, BodyFraming::kContentLength)},
        {"length 200000", framed(200000, BodyFraming::kContentLength)},
        {"length 3000000", framed(3000000, BodyFraming::kContentLength)},
        {"chunked", framed(200000, BodyFraming::kChunked)},
        {"in pieces", dripped},
        {"empty", framed(0, BodyFraming::kContentLength)},
        {"error page", BodyReply("<html><body>Not Found</body></html>", 404)},
        {"server error", BodyReply("{\"message\":\"busy\"}", 500)},
    };
    for (const BodyCase& c : cases) {
        service.SetDefaultReply(c.reply);
        EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), Bytes(c.reply.body)) << c.what;
    }
    // The service handed over every byte of each reply, as the tables of cut replies rely on.
    service.Stop();
    const std::vector<std::size_t> sent = service.SentByteCounts();
    ASSERT_EQ(sent.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(sent[i], ResponseBytes(cases[i].reply).size()) << cases[i].what;
    }
}

TEST_F(FetchUrlTest, FollowsRedirects) {
    service.SetDefaultReply(RedirectReply("/moved"));
    service.SetReplyForPath("/moved", RedirectReply(service.Address("/final"), 301));
    service.SetReplyForPath("/final", BodyReply("arrived"));
    EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), Bytes("arrived"));
    const std::vector<RecordedRequest> requests = service.Requests();
    ASSERT_EQ(requests.size(), 3U);
    EXPECT_EQ(requests[1].target, "/moved");
    EXPECT_EQ(requests[2].target, "/final");
}

TEST_F(FetchUrlTest, RefusesAddressesThatAreNotWebAddresses) {
    service.SetReplyForPath("/local", RedirectReply("file:///etc/hostname"));
    const std::vector<std::string> addresses = {
        "",
        "file:///etc/hostname",
        "ftp://127.0.0.1:" + std::to_string(service.Port()) + "/",
        "127.0.0.1",
        "http://",
        service.Address("/local"),
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

TEST_F(FetchUrlTest, EndsEmptyWhenNothingArrives) {
    EXPECT_TRUE(
        FetchUrl("http://127.0.0.1:" + std::to_string(UnusedLoopbackPort()) + "/query").empty());

    FixtureReply reset = BodyReply("never seen");
    reset.send_limit = 0;
    reset.end = ConnectionEnd::kReset;
    const std::vector<BodyCase> cases = {
        {"never answers", SilentReply()},
        {"reset at once", reset},
        {"closed at once",
         [] {
             FixtureReply reply = BodyReply("never seen");
             reply.send_limit = 0;
             return reply;
         }()},
        {"head only, then silence",
         [] {
             FixtureReply reply = BodyReply("never seen");
             reply.send_limit = HeadLength(reply);
             reply.end = ConnectionEnd::kHold;
             return reply;
         }()},
    };
    for (const BodyCase& c : cases) {
        service.SetDefaultReply(c.reply);
        EXPECT_TRUE(FetchUrl(service.Address("/query?postid=1")).empty()) << c.what;
    }
}

TEST_F(FetchUrlTest, RefusesABodyOverTheCap) {
    EXPECT_EQ(FetchLimits().max_body_bytes, 32LL * 1024 * 1024);
    FetchLimits limits;
    limits.low_speed_seconds = 1;
    limits.max_body_bytes = 1000;
    SetFetchLimits(limits);
    const auto sized = [](std::size_t size, BodyFraming framing) {
        FixtureReply reply = BodyReply(PatternBody(size));
        reply.framing = framing;
        return reply;
    };
    const std::vector<std::pair<FixtureReply, bool>> cases = {
        {sized(1000, BodyFraming::kCloseDelimited), true},
        {sized(1000, BodyFraming::kContentLength), true},
        {sized(1001, BodyFraming::kCloseDelimited), false},
        {sized(1001, BodyFraming::kContentLength), false},
        {sized(50000, BodyFraming::kChunked), false},
    };
    for (const auto& [reply, accepted] : cases) {
        service.SetDefaultReply(reply);
        const ByteArray expected = accepted ? Bytes(reply.body) : ByteArray();
        EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), expected) << reply.body.size();
        EXPECT_EQ(LastFetchReport().failure, accepted ? "" : "reply over the size cap");
    }
}

}  // namespace

namespace {

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
    FetchLimits limits;
    limits.low_speed_seconds = 60;
    limits.total_seconds = 2;
    SetFetchLimits(limits);
    // A byte every 200 ms: the whole body would take 20 s.
    FixtureReply trickle = BodyReply(std::string(100, 'a'));
    trickle.framing = BodyFraming::kCloseDelimited;
    trickle.drip_bytes = 1;
    trickle.drip_interval_ms = 200;
    trickle.drip_after = HeadLength(trickle);
    FixtureReply quick = BodyReply("quick");
    const std::vector<std::pair<FixtureReply, ByteArray>> cases = {
        {trickle, {}},
        {quick, Bytes("quick")},
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

}  // namespace

// Replies that break off or lie about their length: nothing before the body arrived gives the
// empty array; a transfer that fails after part of the body arrived gives that part; a declared
// length shorter than what is sent ends the body there.
namespace {

const std::string kCutBody = PatternBody(1000);

FixtureReply CutReply(BodyFraming framing, std::size_t body_bytes_sent, ConnectionEnd end) {
    FixtureReply reply = BodyReply(kCutBody);
    reply.framing = framing;
    reply.send_limit = HeadLength(reply) + body_bytes_sent;
    reply.end = end;
    return reply;
}

FixtureReply DeclaredLengthReply(std::string body, std::size_t declared, ConnectionEnd end) {
    FixtureReply reply = BodyReply(std::move(body));
    reply.declared_length = declared;
    reply.end = end;
    return reply;
}

// A chunked reply cut inside its second chunk of 100 bytes, 50 bytes into it.
FixtureReply ResetInsideChunk() {
    FixtureReply reply = BodyReply(kCutBody);
    reply.framing = BodyFraming::kChunked;
    reply.chunk_size = 100;
    const std::size_t chunk_bytes = std::string("64\r\n").size() + 100 + 2;
    reply.send_limit = HeadLength(reply) + chunk_bytes + std::string("64\r\n").size() + 50;
    reply.end = ConnectionEnd::kReset;
    return reply;
}

FixtureReply Chunked(const std::string& chunked_body, ConnectionEnd end = ConnectionEnd::kClose) {
    FixtureReply reply =
        RawReply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunked_body);
    reply.end = end;
    return reply;
}

TEST_F(FetchUrlTest, KeepsWhatArrivedBeforeTheTransferBroke) {
    const std::string first_300 = kCutBody.substr(0, 300);
    const std::vector<FetchCase> cases = {
        {"reset after 300 bytes of a sized body",
         CutReply(BodyFraming::kContentLength, 300, ConnectionEnd::kReset), first_300},
        {"reset after 300 bytes of an unsized body",
         CutReply(BodyFraming::kCloseDelimited, 300, ConnectionEnd::kReset), first_300},
        {"reset inside a chunk", ResetInsideChunk(), kCutBody.substr(0, 150)},
        {"reset right after the head",
         CutReply(BodyFraming::kContentLength, 0, ConnectionEnd::kReset), ""},
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

// Replies whose status line or headers are malformed, missing or oversized: a reply that is not
// a well-formed HTTP/1.x response is a failure.
const std::string kHeadBody = "<html>body</html>";

FixtureReply WithHead(const std::string& status_line, const std::string& headers = "") {
    return RawReply(status_line + "\r\n" + headers +
                    "Content-Length: " + std::to_string(kHeadBody.size()) + "\r\n\r\n" + kHeadBody);
}

TEST_F(FetchUrlTest, MalformedStatusLines) {
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
    };
    ExpectFetchResults(cases);
}

TEST_F(FetchUrlTest, ReplyWithoutStatusLineOrHeaders) {
    const std::vector<FetchCase> cases = {
        {"body alone", RawReply("{\"message\":\"ok\",\"data\":[]}"), ""},
        {"html alone", RawReply("<html><body>hello</body></html>\r\n"), ""},
    };
    ExpectFetchResults(cases);
}

TEST_F(FetchUrlTest, ManyAndLongHeaderLines) {
    SKIP_WHERE_WININET_READS_OTHERWISE();
    const std::vector<FetchCase> cases = {
        {"10000 short header lines", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(10000, 4)),
         kHeadBody},
        {"10000 header lines of 40 bytes", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(10000, 40)),
         ""},
        {"one header line of 200 KiB", WithHead("HTTP/1.1 200 OK", ManyHeaderLines(1, 200 * 1024)),
         ""},
    };
    ExpectFetchResults(cases);
}

TEST_F(FetchUrlTest, EndlessRedirectsEndEmptyAfterABoundedNumberOfRequests) {
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

// Replies dripped below the speed limit end within the limits: a stall keeps the part of the
// body that arrived, nothing when the head never completed.
TEST_F(FetchUrlTest, BodyDrippedBelowTheSpeedLimitKeepsWhatArrived) {
    const std::string body = PatternBody(100);
    constexpr std::size_t kAtOnce = 10;
    FixtureReply reply = BodyReply(body);
    reply.drip_after = HeadLength(reply) + kAtOnce;
    reply.drip_bytes = 1;
    reply.drip_interval_ms = 2000;

    const ByteArray fetched = FetchRouted("1", reply);
    // How many dripped bytes came before the cut-off depends on the clock; the result is always
    // the body's beginning, never all of it.
    const std::string text(fetched.begin(), fetched.end());
    EXPECT_GE(text.size(), kAtOnce);
    EXPECT_LT(text.size(), body.size());
    EXPECT_EQ(text, body.substr(0, text.size()));
}

TEST_F(FetchUrlTest, HeadDrippedBelowTheSpeedLimitGivesNothing) {
    FixtureReply reply = BodyReply(PatternBody(100));
    reply.drip_bytes = 1;
    reply.drip_interval_ms = 2000;
    EXPECT_TRUE(FetchRouted("1", reply).empty());
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
    FetchLimits limits = ShortLimits();
    limits.low_speed_seconds = 10;
    limits.max_body_bytes = static_cast<long long>(kMiB);
    SetFetchLimits(limits);
    std::vector<FixtureReply> replies;
    for (const BodyFraming framing :
         {BodyFraming::kContentLength, BodyFraming::kCloseDelimited, BodyFraming::kChunked}) {
        FixtureReply reply = BodyReply(PatternBody(40 * kMiB));
        reply.framing = framing;
        reply.chunk_size = 64 * 1024;
        replies.push_back(reply);
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
