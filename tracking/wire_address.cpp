#include "tracking/wire_address.h"

#include <algorithm>

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

bool WithinAddressLimits(std::string_view wire_address) {
    constexpr std::size_t kMaxHost = 256;
    constexpr std::size_t kMaxObject = 2048;
    const std::size_t scheme_end = wire_address.find("://");
    if (scheme_end == std::string_view::npos) {
        return true;
    }
    const std::string_view rest = wire_address.substr(scheme_end + 3);
    const std::size_t object_start = std::min(rest.find_first_of("/?"), rest.size());
    std::string_view host = rest.substr(0, object_start);
    if (const std::size_t at = host.rfind('@'); at != std::string_view::npos) {
        host.remove_prefix(at + 1);
    }
    if (const std::size_t colon = host.rfind(':');
        colon != std::string_view::npos && host.find(']', colon) == std::string_view::npos) {
        host = host.substr(0, colon);
    }
    return host.size() <= kMaxHost && rest.size() - object_start <= kMaxObject;
}
