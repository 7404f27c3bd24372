// CurrentTypeCode: the courier type code resolved at the last press of the query button.
// The user-interface thread replaces it; every worker reads it for each request it builds.
// Readers always get a whole copy taken under a lock, never a half-replaced text.
#pragma once

#include "text/text_ops.h"

Text CurrentTypeCode();
void SetCurrentTypeCode(Text code);

// Releases the text at shutdown. Workers still running may go on reading: they get the empty
// text, since the guarded holder itself lives until the process ends.
void ReleaseCurrentTypeCode();
