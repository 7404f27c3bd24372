// A request as the fixture service received it, and the readings tests make of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RecordedRequest {
    std::string request_line;
    std::string target;                     // the request line's second word, as sent
    std::vector<std::string> header_lines;  // "Name: value", in the order received
};

// Reads a request head (the bytes before the blank line that ends it).
RecordedRequest ParseRequestHead(std::string_view head);

// The values of the header lines with this name (case-insensitive), in order.
std::vector<std::string> HeaderValues(const RecordedRequest& request, std::string_view name);

// The percent-decoded value of a query key in a target; nothing when the key is absent.
std::optional<std::string> QueryValue(std::string_view target, std::string_view key);
