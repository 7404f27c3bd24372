#include "tests/support/fixture_reply.h"

#include <cstdio>
#include <map>

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string ReasonPhrase(int status) {
    static const std::map<int, std::string> kPhrases = {{200, "OK"},
                                                        {301, "Moved Permanently"},
                                                        {302, "Found"},
                                                        {404, "Not Found"},
                                                        {500, "Internal Server Error"}};
    const auto phrase = kPhrases.find(status);
    return phrase != kPhrases.end() ? phrase->second : "Status";
}

std::string ChunkedBody(const std::string& body, std::size_t chunk_size) {
    const std::size_t step = chunk_size == 0 ? body.size() : chunk_size;
    std::string chunked;
    for (std::size_t start = 0; start < body.size(); start += step) {
        const std::string piece = body.substr(start, step);
        char size_line[32];
        std::snprintf(size_line, sizeof size_line, "%zx\r\n", piece.size());
        chunked += size_line;
        chunked += piece;
        chunked += kCrLf;
    }
    chunked += "0\r\n\r\n";
    return chunked;
}

}  // namespace

std::string ResponseBytes(const FixtureReply& reply) {
    if (reply.raw_response) {
        return *reply.raw_response;
    }
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " +
                       ReasonPhrase(reply.status) + "\r\n" +
                       "Content-Type: text/html; charset=utf-8\r\n" + "Connection: close\r\n";
    for (const std::string& line : reply.extra_headers) {
        head += line;
        head += kCrLf;
    }
    switch (reply.framing) {
        case BodyFraming::kContentLength:
            head += "Content-Length: " +
                    std::to_string(reply.declared_length.value_or(reply.body.size())) + "\r\n\r\n";
            return head + reply.body;
        case BodyFraming::kCloseDelimited:
            return head + "\r\n" + reply.body;
        case BodyFraming::kChunked:
            return head + "Transfer-Encoding: chunked\r\n\r\n" +
                   ChunkedBody(reply.body, reply.chunk_size);
    }
    return head;
}

FixtureReply BodyReply(std::string body, int status) {
    return {.status = status, .body = std::move(body)};
}

FixtureReply RedirectReply(std::string location, int status) {
    return {.status = status, .body = "moved", .extra_headers = {"Location: " + location}};
}

FixtureReply SilentReply() {
    return {.send_limit = 0, .end = ConnectionEnd::kHold};
}

std::string TrackingReplyJson(std::string_view number, const std::vector<FixtureEvent>& events) {
    std::string json = R"({"message":"ok","nu":")" + std::string(number) + R"(","data":[)";
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (i > 0) {
            json += ",";
        }
        json += R"({"time":")" + events[i].time + R"(","context":")" + events[i].context + "\"}";
    }
    return json + "]}";
}

std::string MessageReplyJson(std::string_view message) {
    return R"({"message":")" + std::string(message) + R"(","nu":"","data":[]})";
}
