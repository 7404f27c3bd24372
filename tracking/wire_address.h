// The form of an address that goes on the wire.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// The address without its fragment ("#" and what follows), with every byte that may not stand
// in a request target percent-encoded: space, control bytes, bytes of 0x80 and above, and
// " < > \ ^ ` { | }. All other bytes, "%" included, stay as they are.
Text WireAddress(std::string_view address);

// False when the address's host is over 256 characters or its object (path and query) is over
// 2048, the sizes the Windows URL functions split an address into. Both transports refuse such
// an address, so that they answer alike.
bool WithinAddressLimits(std::string_view wire_address);
