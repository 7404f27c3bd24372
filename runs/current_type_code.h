// The courier type code that queries are made with: the resolution of the chosen courier to
// the service's type code, and CurrentTypeCode, the code resolved at the last press of the
// query button.
#pragma once

#include <string_view>

#include "catalogue/courier_catalogue.h"
#include "text/text_ops.h"

// Walks catalogue rows 1 to kCourierCount (a fixed count; a shorter table ends the walk early).
// Every row whose name equals selected_name byte for byte replaces the code, so the last
// matching row wins; with no match the result is previous_code.
Text ResolveTypeCode(const CourierTable& catalogue, std::string_view selected_name,
                     std::string_view previous_code);

// The user-interface thread replaces CurrentTypeCode; every worker reads it for each request it
// builds. Readers always get a whole copy taken under a lock, never a half-replaced text.

Text CurrentTypeCode();
void SetCurrentTypeCode(Text code);

// Releases the text at shutdown. Workers still running may go on reading: they get the empty
// text, since the guarded holder itself lives until the process ends.
void ReleaseCurrentTypeCode();
