#include "tracking/tracking_reply.h"

#include <charconv>
#include <string>
#include <utility>

#include "tracking/fetch_url.h"
#include "tracking/tracking_request.h"

namespace {

// Byte markers of the service's reply. The context marker has no quote before "context", so a
// key whose name ends in context matches it too.
constexpr std::string_view kMessageStart = "\"message\":\"";
constexpr std::string_view kValueEnd = "\"";
constexpr std::string_view kListStart = "[{ ";
constexpr std::string_view kListEnd = "}]";
constexpr std::string_view kRecordSeparator = "},{";
constexpr std::string_view kTimeStart = "\"time\":\"";
constexpr std::string_view kContextStart = "context\":\"";
constexpr std::string_view kStateKey = "state";

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xfe;
}

bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    return at;
}

// The position of the quote that ends the string whose opening quote is at start, stepping over
// escapes and two-byte characters; npos when the string does not end.
std::size_t StringEnd(std::string_view text, std::size_t start) {
    for (std::size_t at = start + 1; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == '"') {
            return at;
        }
        if (byte == '\\' || IsLeadByte(byte)) {
            ++at;
        }
    }
    return std::string_view::npos;
}

// The digits of a key's value that starts at at: "3" or 3, the latter ended by a comma, a brace
// or a blank.
std::optional<int> StateValue(std::string_view text, std::size_t at) {
    at = SkipBlanks(text, at);
    const bool quoted = at < text.size() && text[at] == '"';
    at += quoted ? 1 : 0;
    if (at == text.size() || text[at] < '0' || text[at] > '9') {
        return std::nullopt;
    }
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [past, error] = std::from_chars(text.data() + at, end, value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    const bool ended = quoted ? past != end && *past == '"'
                              : past == end || *past == ',' || *past == '}' || IsBlank(*past);
    return ended ? std::optional<int>(value) : std::nullopt;
}

constexpr long kHttpOk = 200;

thread_local Text last_query_failure;

// Why a reply gave no status message.
Text NoMessageFailure(const FetchReport& fetch, std::string_view reply_text) {
    if (!fetch.failure.empty()) {
        return fetch.failure;
    }
    const Text status = fetch.status == 0 || fetch.status == kHttpOk
                            ? Text()
                            : JoinTexts("HTTP ", std::to_string(fetch.status), ": ");
    if (fetch.body_bytes == 0) {
        return JoinTexts(status, "empty reply");
    }
    if (reply_text.empty()) {
        return JoinTexts(status, "reply is not UTF-8 text that GBK can hold");
    }
    return JoinTexts(status, "not a tracking reply");
}

}  // namespace

std::optional<int> ReadReplyState(std::string_view reply_text) {
    int depth = 0;
    for (std::size_t at = 0; at < reply_text.size(); ++at) {
        const char byte = reply_text[at];
        if (IsLeadByte(static_cast<unsigned char>(byte))) {
            ++at;
        } else if (byte == '{' || byte == '[') {
            ++depth;
        } else if (byte == '}' || byte == ']') {
            --depth;
        } else if (byte == '"') {
            const std::size_t end = StringEnd(reply_text, at);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
            const std::size_t after = SkipBlanks(reply_text, end + 1);
            if (depth == 1 && reply_text.substr(at + 1, end - at - 1) == kStateKey &&
                after < reply_text.size() && reply_text[after] == ':') {
                return StateValue(reply_text, after + 1);
            }
            at = end;
        }
    }
    return std::nullopt;
}

TrackingReply ParseTrackingReply(std::string_view reply_text, std::string_view number) {
    TrackingReply reply;
    reply.message = TextBetween(reply_text, kMessageStart, kValueEnd);
    if (!TextsEqual(reply.message, kOkMessage)) {
        return reply;
    }
    // The list start marker is normally absent; the record list then runs from the reply's
    // second byte, and its first piece carries the reply's head before the first record.
    const TextList pieces =
        SplitText(TextBetween(reply_text, kListStart, kListEnd), kRecordSeparator);
    reply.events.resize(pieces.size());
    auto event = reply.events.rbegin();
    for (const Text& piece : pieces) {
        event->number = Text(number);
        event->context = TextBetween(piece, kContextStart, kValueEnd);
        event->time = TextBetween(piece, kTimeStart, kValueEnd);
        ++event;
    }
    return reply;
}

namespace {

// Fetches and parses one query, and keeps why it got no message for LastQueryFailure. The state
// number is read only when asked for, so the window's queries stay as they were.
TrackingReply FetchReply(std::string_view number, std::string_view type_code, bool read_state) {
    const Text reply_text = FetchTrackingText(number, type_code);
    TrackingReply reply = ParseTrackingReply(reply_text, number);
    last_query_failure =
        reply.message.empty() ? NoMessageFailure(LastFetchReport(), reply_text) : Text();
    if (read_state && TextsEqual(reply.message, kOkMessage)) {
        reply.state = ReadReplyState(reply_text);
    }
    return reply;
}

}  // namespace

TrackingReply QueryTrackingReply(std::string_view number, std::string_view type_code) {
    return FetchReply(number, type_code, true);
}

Text QueryTracking(std::string_view number, std::string_view type_code, TrackingEventList& events) {
    TrackingReply reply = FetchReply(number, type_code, false);
    if (TextsEqual(reply.message, kOkMessage)) {
        events = std::move(reply.events);
    }
    return reply.message;
}

Text LastQueryFailure() {
    return last_query_failure;
}
