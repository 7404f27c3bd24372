// The first half of a tracking query: the service's host, the query address, and its text,
// fetched (fetch_url.h) and converted from the service's UTF-8 to GBK (convert_charset.h). Every
// failure ends in an empty result; nothing throws.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// The tracking service host ("host" or "host:port"). Set once at start-up, before any query.
void SetTrackingHost(std::string_view host);
Text TrackingHost();
// Takes the host from the environment variable PARCELIO_TRACKING_HOST when it is set and not
// empty, so that tests and demos can point the program at a service on this machine.
void TakeTrackingHostFromEnvironment();

// "http://" host "/query?type=" code "&postid=" number "&id=1&valicode=&temp=0.5366536813547046",
// built unchanged from its pieces.
Text BuildQueryAddress(std::string_view number, std::string_view type_code);

// Builds the address, fetches it and converts the body from UTF-8 to GBK, up to a zero byte.
Text FetchTrackingText(std::string_view number, std::string_view type_code);
