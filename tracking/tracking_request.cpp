#include "tracking/tracking_request.h"
#include "tracking/convert_charset.h"
#include "tracking/fetch_url.h"

#include <cstdlib>
#include <mutex>

#include "build_settings.h"

namespace {

constexpr std::string_view kQueryPrefix = "/query?type=";
constexpr std::string_view kNumberKey = "&postid=";
constexpr std::string_view kFixedKeys = "&id=1&valicode=&temp=0.5366536813547046";

constexpr std::string_view kServiceCharset = "UTF-8";
constexpr std::string_view kTextCharset = "GBK";

std::mutex host_mutex;
Text tracking_host = kTrackingHost;

}  // namespace

void SetTrackingHost(std::string_view host) {
    const std::lock_guard lock(host_mutex);
    tracking_host = Text(host);
}

Text TrackingHost() {
    const std::lock_guard lock(host_mutex);
    return tracking_host;
}

void TakeTrackingHostFromEnvironment() {
    const char* host = std::getenv("PARCELIO_TRACKING_HOST");
    if (host != nullptr && *host != '\0') {
        SetTrackingHost(host);
    }
}

Text BuildQueryAddress(std::string_view number, std::string_view type_code) {
    const Text prefix = JoinTexts("http://", TrackingHost(), kQueryPrefix);
    return JoinTexts(prefix, type_code, kNumberKey, number, kFixedKeys);
}

Text FetchTrackingText(std::string_view number, std::string_view type_code) {
    const ByteArray body = FetchUrl(BuildQueryAddress(number, type_code));
    return BytesToText(ConvertCharset(body, kServiceCharset, kTextCharset));
}
