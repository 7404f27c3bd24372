#include "tracking/wire_address.h"

namespace {

constexpr std::string_view kUnsafeMarks = "\"<>\\^`{|}";
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool NeedsEncoding(unsigned char byte) {
    return byte <= 0x20 || byte >= 0x7F ||
           kUnsafeMarks.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

Text WireAddress(std::string_view address) {
    const std::string_view sent = address.substr(0, address.find('#'));
    Text wire;
    wire.reserve(sent.size());
    for (const char c : sent) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEncoding(byte)) {
            wire += '%';
            wire += kHexDigits[byte >> 4];
            wire += kHexDigits[byte & 0x0F];
        } else {
            wire += c;
        }
    }
    return wire;
}
