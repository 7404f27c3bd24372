#include "toolkit/toolkit_style.h"

#include <wx/fontenum.h>

wxString SongFaceName() {
    static const wxString face = [] {
        for (const wchar_t* candidate : {L"SimSun", L"AR PL UMing CN"}) {
            if (wxFontEnumerator::IsValidFacename(candidate)) {
                return wxString(candidate);
            }
        }
        return wxString();
    }();
    return face;
}

wxColour RgbColour(int rgb) {
    return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
