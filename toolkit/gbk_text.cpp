#include "toolkit/gbk_text.h"

#include <wx/strconv.h>

namespace {

const wxMBConv& GbkConversion() {
    static const wxCSConv conversion(wxFONTENCODING_CP936);
    return conversion;
}

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Slow path for texts the whole-text conversion refuses: one character at a time.
wxString GbkToWxPiecewise(std::string_view gbk) {
    wxString result;
    std::size_t at = 0;
    while (at < gbk.size()) {
        const std::size_t length =
            IsLeadByte(static_cast<unsigned char>(gbk[at])) && at + 1 < gbk.size() ? 2 : 1;
        const wxString piece(gbk.data() + at, GbkConversion(), length);
        if (piece.empty()) {
            result += wxUniChar(0xFFFD);
            at += 1;
        } else {
            result += piece;
            at += length;
        }
    }
    return result;
}

Text WxToGbkPiecewise(const wxString& text) {
    Text result;
    for (const wxUniChar character : text) {
        const wxCharBuffer bytes = wxString(character).mb_str(GbkConversion());
        if (bytes.length() == 0) {
            result += '?';
        } else {
            result.append(bytes.data(), bytes.length());
        }
    }
    return result;
}

}  // namespace

wxString GbkToWx(std::string_view gbk) {
    if (gbk.empty()) {
        return {};
    }
    const wxString whole(gbk.data(), GbkConversion(), gbk.size());
    return whole.empty() ? GbkToWxPiecewise(gbk) : whole;
}

Text WxToGbk(const wxString& text) {
    if (text.empty()) {
        return {};
    }
    const wxCharBuffer bytes = text.mb_str(GbkConversion());
    const Text converted =
        bytes.length() == 0 ? WxToGbkPiecewise(text) : Text(bytes.data(), bytes.length());
    // A text ends at its first zero byte.
    return converted.substr(0, converted.find('\0'));
}

std::filesystem::path ToFileSystemPath(const wxString& path) {
    const wxScopedCharBuffer utf8 = path.utf8_str();
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.length()));
}

wxString ToToolkitPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return wxString::FromUTF8(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}
