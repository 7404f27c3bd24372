// Replies that break off, lie about their length, or carry broken chunking. The rule: nothing
// before the body arrived gives the empty array; a transfer that fails after part of the body
// arrived gives that part; a declared length shorter than what is sent ends the body there.
#include <string>
#include <vector>

#include "tests/support/service_test.h"

namespace {

using BrokenRepliesTest = FixtureServiceTest;

const std::string kBody = PatternBody(1000);

FixtureReply CutReply(BodyFraming framing, std::size_t body_bytes_sent, ConnectionEnd end) {
    FixtureReply reply = BodyReply(kBody);
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
    FixtureReply reply = BodyReply(kBody);
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

TEST_F(BrokenRepliesTest, ConnectionResetKeepsTheBodyReadSoFar) {
    const std::vector<FetchCase> cases = {
        {"reset after 300 bytes of a sized body",
         CutReply(BodyFraming::kContentLength, 300, ConnectionEnd::kReset), kBody.substr(0, 300)},
        {"reset after 300 bytes of an unsized body",
         CutReply(BodyFraming::kCloseDelimited, 300, ConnectionEnd::kReset), kBody.substr(0, 300)},
        {"reset inside a chunk", ResetInsideChunk(), kBody.substr(0, 150)},
        {"reset right after the head",
         CutReply(BodyFraming::kContentLength, 0, ConnectionEnd::kReset), ""},
    };
    ExpectFetchResults(cases);
}

TEST_F(BrokenRepliesTest, DeclaredLengthThatDiffersFromTheBody) {
    const std::vector<FetchCase> cases = {
        {"longer than the body, then closed",
         DeclaredLengthReply(kBody.substr(0, 300), 1000, ConnectionEnd::kClose),
         kBody.substr(0, 300)},
        {"longer than the body, then silent",
         DeclaredLengthReply(kBody.substr(0, 300), 1000, ConnectionEnd::kHold),
         kBody.substr(0, 300)},
        {"shorter than the body", DeclaredLengthReply(kBody, 300, ConnectionEnd::kClose),
         kBody.substr(0, 300)},
        {"shorter than the body, kept open", DeclaredLengthReply(kBody, 300, ConnectionEnd::kHold),
         kBody.substr(0, 300)},
        {"zero", DeclaredLengthReply(kBody, 0, ConnectionEnd::kClose), ""},
    };
    ExpectFetchResults(cases);
}

TEST_F(BrokenRepliesTest, InvalidChunkedEncoding) {
    const std::vector<FetchCase> cases = {
        {"size that is not hexadecimal", Chunked("zz\r\nfirst\r\n0\r\n\r\n"), ""},
        {"bad size after a good chunk", Chunked("5\r\nfirst\r\nzz\r\nsecond\r\n0\r\n\r\n"),
         "first"},
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

}  // namespace
