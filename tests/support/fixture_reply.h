// What the fixture service answers to one request, and how it delivers the answer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How the body's end is shown to the client.
enum class BodyFraming {
    kContentLength,   // a Content-Length header (the body's length unless declared_length is set)
    kCloseDelimited,  // no length: the body ends when the connection closes
    kChunked,         // Transfer-Encoding: chunked, in pieces of chunk_size bytes
};

// What happens to the connection once the answer (or the part of it allowed) is sent.
enum class ConnectionEnd {
    kClose,  // orderly close
    kReset,  // abortive close: the client sees a reset
    kHold,   // kept open until the client closes it or the service stops
};

// Every member has a default, so that a reply is written with designated initialisers.
struct FixtureReply {
    int status = 200;
    std::string body{};
    BodyFraming framing = BodyFraming::kContentLength;
    std::optional<std::size_t> declared_length{};  // a Content-Length that differs from the body
    std::size_t chunk_size = 4096;
    std::vector<std::string> extra_headers{};   // whole header lines without CR LF
    std::optional<std::string> raw_response{};  // sent as is instead of a response built from above
    int delay_ms = 0;                           // wait before the first byte
    std::size_t drip_bytes = 0;                 // when not 0: send in pieces of this many bytes
    int drip_interval_ms = 0;                   // and wait this long between pieces
    std::size_t drip_after = 0;                 // bytes sent at once before the first piece
    std::optional<std::size_t> send_limit{};    // send only the first bytes of the response
    ConnectionEnd end = ConnectionEnd::kClose;
};

// The complete response bytes of a reply, as they go on the wire when nothing cuts them.
std::string ResponseBytes(const FixtureReply& reply);

FixtureReply BodyReply(std::string body, int status = 200);
FixtureReply RedirectReply(std::string location, int status = 302);
// A reply that never sends a byte and keeps the connection open.
FixtureReply SilentReply();

// One step of a parcel's trace in the service's reply (UTF-8).
struct FixtureEvent {
    std::string time;
    std::string context;
};

// A reply body in the tracking service's format:
// {"message":"ok","nu":"...","data":[{"time":"...","context":"..."},{...}]}
// Values are inserted as they are, without escaping.
std::string TrackingReplyJson(std::string_view number, const std::vector<FixtureEvent>& events);
// A reply body that carries only a status message, as the service sends for a failed query.
std::string MessageReplyJson(std::string_view message);
