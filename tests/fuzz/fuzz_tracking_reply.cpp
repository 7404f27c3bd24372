// Fuzzes the reply parser and compares it with a naive reading of the same markers: the message,
// the number of records, and each record's time and context, in reverse record order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fuzz_checks.h"
#include "tracking/tracking_reply.h"

namespace {

// The offset of the first occurrence of marker that starts a character, or npos. A byte of
// 0x80 or more starts a two-byte character.
std::size_t FindAtCharacter(std::string_view text, std::string_view marker) {
    std::size_t character = 0;
    for (std::size_t at = text.find(marker); at != std::string_view::npos;
         at = text.find(marker, at + 1)) {
        while (character < at) {
            character += CharacterLength(text[character]);
        }
        if (character == at) {
            return at;
        }
    }
    return std::string_view::npos;
}

// The bytes after the first start marker up to the next end marker. Without the start marker
// the search begins after the text's first (marker length - 2) bytes.
std::string_view Between(std::string_view text, std::string_view start, std::string_view end) {
    const std::size_t found = FindAtCharacter(text, start);
    std::string_view rest;
    if (found != std::string_view::npos) {
        rest = text.substr(found + start.size());
    } else if (start.size() < 2) {
        rest = text;
    } else if (start.size() - 2 < text.size()) {
        rest = text.substr(start.size() - 2);
    }
    const std::size_t stop = FindAtCharacter(rest, end);
    return stop == std::string_view::npos ? std::string_view() : rest.substr(0, stop);
}

std::vector<std::string_view> Pieces(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    while (!text.empty()) {
        const std::size_t found = FindAtCharacter(text, separator);
        if (found == std::string_view::npos) {
            pieces.push_back(text);
            break;
        }
        pieces.push_back(text.substr(0, found));
        text.remove_prefix(found + separator.size());
    }
    return pieces;
}

// A value ends at the first double quote that starts a character. A quote byte can still stand
// in it as the second byte of a two-byte character, which valid GBK never has.
bool HoldsQuoteCharacterOrZero(std::string_view value) {
    return FindAtCharacter(value, "\"") != std::string_view::npos ||
           value.find('\0') != std::string_view::npos;
}

}  // namespace

// Input: a one-byte number length L (taken modulo 16), L bytes of number, then the reply text.
// Both end at their first zero byte, as texts do.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t number_length = std::min<std::size_t>(data[0] % 16, size - 1);
    const char* bytes = reinterpret_cast<const char*>(data);
    const Text number = BytesToText(ByteArray(bytes + 1, bytes + 1 + number_length));
    const Text reply_text = BytesToText(ByteArray(bytes + 1 + number_length, bytes + size));

    const TrackingReply reply = ParseTrackingReply(reply_text, number);
    // The state number is read from any text, and only digits give one.
    const std::optional<int> state = ReadReplyState(reply_text);
    Require(!state || *state >= 0);

    const std::string_view message = Between(reply_text, "\"message\":\"", "\"");
    Require(reply.message == message);
    Require(!HoldsQuoteCharacterOrZero(reply.message));
    if (reply.message != kOkMessage) {
        Require(reply.events.empty());
        return 0;
    }
    const std::vector<std::string_view> records = Pieces(Between(reply_text, "[{ ", "}]"), "},{");
    Require(reply.events.size() == records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TrackingEvent& event = reply.events[records.size() - 1 - i];
        Require(event.number == number);
        Require(!HoldsQuoteCharacterOrZero(event.time) &&
                !HoldsQuoteCharacterOrZero(event.context));
        Require(event.time == Between(records[i], "\"time\":\"", "\""));
        Require(event.context == Between(records[i], "context\":\"", "\""));
    }
    return 0;
}
