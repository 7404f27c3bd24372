// Resolution of the courier chosen in the courier list to the service's type code.
#pragma once

#include <string_view>

#include "catalogue/courier_catalogue.h"
#include "text/text_ops.h"

// Walks catalogue rows 1 to kCourierCount (a fixed count; a shorter table ends the walk early).
// Every row whose name equals selected_name byte for byte replaces the code, so the last
// matching row wins; with no match the result is previous_code.
Text ResolveTypeCode(const CourierTable& catalogue, std::string_view selected_name,
                     std::string_view previous_code);
