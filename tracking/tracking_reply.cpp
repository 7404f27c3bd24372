#include "tracking/tracking_reply.h"

#include <utility>

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

}  // namespace

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

Text QueryTracking(std::string_view number, std::string_view type_code, TrackingEventList& events) {
    TrackingReply reply = ParseTrackingReply(FetchTrackingText(number, type_code), number);
    if (TextsEqual(reply.message, kOkMessage)) {
        events = std::move(reply.events);
    }
    return reply.message;
}
