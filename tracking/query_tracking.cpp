#include "tracking/tracking_reply.h"
#include "tracking/tracking_request.h"

Text QueryTracking(std::string_view number, std::string_view type_code, TrackingEventList& events) {
    TrackingReply reply = ParseTrackingReply(FetchTrackingText(number, type_code), number);
    if (TextsEqual(reply.message, kOkMessage)) {
        events = std::move(reply.events);
    }
    return reply.message;
}
