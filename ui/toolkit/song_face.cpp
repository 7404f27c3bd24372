#include "ui/toolkit/song_face.h"

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
