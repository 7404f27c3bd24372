// The second half of a tracking query: the status message, tracking steps and state number
// read out of the service's reply with fixed byte markers (no JSON decoding).
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/text_ops.h"

// The status message of a reply that carries the parcel's steps.
inline constexpr std::string_view kOkMessage = "ok";

struct TrackingEvent {
    Text number;
    Text time;
    Text context;
};

using TrackingEventList = std::vector<TrackingEvent>;

struct TrackingReply {
    Text message;
    TrackingEventList events;
    // The number of the reply's own "state" key, when an "ok" reply has one that holds digits
    // (read by QueryTrackingReply only; ParseTrackingReply leaves it empty).
    std::optional<int> state;
};

// Events come out in reverse record order: the reply's first record is the last event.
TrackingReply ParseTrackingReply(std::string_view reply_text, std::string_view number);

// The digits of the "state" key of the reply's outermost object, quoted or not: "state":"3" and
// "state":3 both give 3. A "state" key inside a record, a "state" inside a string value and a
// value that is not only digits give nothing. Steps over two-byte GBK characters, so that a
// trail byte is never taken for a quote, a backslash or a brace.
std::optional<int> ReadReplyState(std::string_view reply_text);

// Fetches and parses one query. When the message is "ok" the caller's events are replaced by
// the reply's; otherwise they stay as they were. Returns the message.
Text QueryTracking(std::string_view number, std::string_view type_code, TrackingEventList& events);

// Fetches and parses one query and gives the whole reply, with the state number of an "ok"
// reply. Sets LastQueryFailure as QueryTracking does.
TrackingReply QueryTrackingReply(std::string_view number, std::string_view type_code);

// Why the last QueryTracking (or QueryTrackingReply) of the calling thread got no status
// message, in a few words: the transport's failure, or what was wrong with the reply (with its
// HTTP status when that was not 200). Empty after a query that got a message.
Text LastQueryFailure();
