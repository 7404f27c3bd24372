#include "toolkit/fonts.h"

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

wxFont MakeFont(FontChoice font) {
    // Character heights in pixels at 96 dots per inch, as points: 12 pixels are 9 points.
    constexpr double kPointsPerPixel = 72.0 / 96.0;
    switch (font) {
        case FontChoice::SimSunHeight12:
            return wxFont(wxFontInfo(12 * kPointsPerPixel)
                              .FaceName(SongFaceName())
                              .Encoding(wxFONTENCODING_CP936));
        case FontChoice::Gb2312Height21:
            return wxFont(wxFontInfo(21 * kPointsPerPixel).Encoding(wxFONTENCODING_CP936));
        case FontChoice::Default:
            break;
    }
    return wxNullFont;
}
