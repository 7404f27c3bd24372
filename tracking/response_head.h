// Whether the head of an HTTP reply, as the transport received it, is one to take a body from.
#pragma once

#include <string_view>

// The raw head: the status line and the header lines, each ended by CR LF. Sound when the
// status line is HTTP/1.0 or HTTP/1.1, a space and a three-digit status, and the head is
// within libcurl's sizes (each line at most 100 KiB, the whole at most 300 KiB), so that both
// transports refuse the same heads.
bool ResponseHeadIsSound(std::string_view raw_head);
