#include "tracking/tracking_reply.h"

#include <string>
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
    const Text reply_text = FetchTrackingText(number, type_code);
    TrackingReply reply = ParseTrackingReply(reply_text, number);
    last_query_failure =
        reply.message.empty() ? NoMessageFailure(LastFetchReport(), reply_text) : Text();
    if (TextsEqual(reply.message, kOkMessage)) {
        events = std::move(reply.events);
    }
    return reply.message;
}

Text LastQueryFailure() {
    return last_query_failure;
}
