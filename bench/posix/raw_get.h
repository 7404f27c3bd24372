// The floor a fetch over the loopback interface can reach: one HTTP/1.0 GET written to a plain
// socket and the response read until the service closes the connection. No URL handling beyond
// splitting "http://host:port/target", no charset conversion, no parsing.
#pragma once

#include <string>
#include <string_view>

// The whole response, head and body; empty when the address is not of that form or the
// connection fails.
std::string RawGet(std::string_view address);
