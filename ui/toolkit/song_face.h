// The Song (Ming) face the layout's pixel sizes were made for: 12 pixels high at 9 point, Chinese
// characters 12 pixels wide and ASCII characters 6.
#pragma once

#include <wx/string.h>

// "SimSun" where it is installed (Windows), otherwise AR PL UMing, which has the same metrics.
wxString SongFaceName();
