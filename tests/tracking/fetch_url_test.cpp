#include <string>
#include <vector>

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

TEST_F(FetchUrlTest, GivesUpOnEndlessRedirects) {
    service.SetDefaultReply(RedirectReply("/again"));
    EXPECT_TRUE(FetchUrl(service.Address("/query")).empty());
    EXPECT_LT(service.RequestCount(), 20U);
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

TEST_F(FetchUrlTest, KeepsWhatArrivedBeforeAReadFailed) {
    const std::string body = PatternBody(1000);
    const auto cut = [&](ConnectionEnd end, BodyFraming framing) {
        FixtureReply reply = BodyReply(body);
        reply.framing = framing;
        reply.send_limit = HeadLength(reply) + 300;
        reply.end = end;
        return reply;
    };
    FixtureReply short_length = BodyReply(body.substr(0, 300));
    short_length.declared_length = 1000;
    FixtureReply bad_chunk = BodyReply("");
    bad_chunk.raw_response =
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: "
        "chunked\r\n\r\n5\r\nfirst\r\nzz\r\nsecond\r\n0\r\n\r\n";
    const std::vector<std::pair<FixtureReply, std::string>> cases = {
        {cut(ConnectionEnd::kClose, BodyFraming::kContentLength), body.substr(0, 300)},
        {cut(ConnectionEnd::kHold, BodyFraming::kContentLength), body.substr(0, 300)},
        {short_length, body.substr(0, 300)},
        {bad_chunk, "first"},
    };
    for (const auto& [reply, expected] : cases) {
        service.SetDefaultReply(reply);
        EXPECT_EQ(FetchUrl(service.Address("/query?postid=1")), Bytes(expected));
    }
}

TEST_F(FetchUrlTest, RefusesABodyOverTheCap) {
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
