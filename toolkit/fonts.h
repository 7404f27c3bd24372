// The fonts the layout names.
#pragma once

#include <wx/font.h>
#include <wx/string.h>

#include "toolkit/layout_table.h"

wxFont MakeFont(FontChoice font);

// The Song (Ming) face the layout's pixel sizes were made for: 12 pixels high at 9 point,
// Chinese characters 12 pixels wide and ASCII characters 6. "SimSun" where it is installed
// (Windows), otherwise AR PL UMing, which has the same metrics.
wxString SongFaceName();
