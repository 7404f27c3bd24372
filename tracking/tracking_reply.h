// The second half of a tracking query: the status message and tracking steps read out of the
// service's reply with fixed byte markers (no JSON decoding).
#pragma once

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
};

// Events come out in reverse record order: the reply's first record is the last event.
TrackingReply ParseTrackingReply(std::string_view reply_text, std::string_view number);

// Fetches and parses one query. When the message is "ok" the caller's events are replaced by
// the reply's; otherwise they stay as they were. Returns the message.
Text QueryTracking(std::string_view number, std::string_view type_code, TrackingEventList& events);

// Why the last QueryTracking of the calling thread got no status message, in a few words: the
// transport's failure, or what was wrong with the reply (with its HTTP status when that was not
// 200). Empty after a query that got a message.
Text LastQueryFailure();
