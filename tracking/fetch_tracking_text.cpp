#include "tracking/tracking_request.h"

namespace {

constexpr std::string_view kServiceCharset = "UTF-8";
constexpr std::string_view kTextCharset = "GBK";

}  // namespace

Text FetchTrackingText(std::string_view number, std::string_view type_code) {
    const ByteArray body = FetchUrl(BuildQueryAddress(number, type_code));
    return BytesToText(ConvertCharset(body, kServiceCharset, kTextCharset));
}
