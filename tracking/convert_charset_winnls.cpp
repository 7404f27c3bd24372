// Character-set conversion with the Windows code-page functions, the Windows build's converter:
// the input is read into UTF-16 and written out in the target code page, all of it or nothing.
// A byte sequence that is not valid in the source, or a character the target cannot hold (no
// best-fit replacement), fails the conversion, as iconv does.
#include <windows.h>

#include <climits>

#include "tracking/charset_names.h"
#include "tracking/convert_charset.h"

namespace {

constexpr UINT kNoCodePage = 0;
constexpr UINT kGbkCodePage = 936;

// The code page of a character-set name; kNoCodePage for names the program does not use.
UINT CodePageOf(std::string_view name) {
    if (IsUtf8Name(name)) {
        return CP_UTF8;
    }
    for (const std::string_view gbk : {"GBK", "gbk", "CP936", "cp936"}) {
        if (name == gbk) {
            return kGbkCodePage;
        }
    }
    return kNoCodePage;
}

std::wstring ToUtf16(const ByteArray& data, UINT code_page) {
    const int length = static_cast<int>(data.size());
    const int wide_length =
        MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, data.data(), length, nullptr, 0);
    if (wide_length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, data.data(), length, wide.data(),
                            wide_length) != wide_length) {
        return {};
    }
    return wide;
}

ByteArray FromUtf16(const std::wstring& wide, UINT code_page) {
    // UTF-8 takes neither the best-fit flag nor a default character; it refuses lone surrogates.
    const bool to_utf8 = code_page == CP_UTF8;
    const DWORD flags = to_utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL used_default = FALSE;
    BOOL* const used_default_out = to_utf8 ? nullptr : &used_default;
    const int wide_length = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(code_page, flags, wide.data(), wide_length, nullptr, 0,
                                           nullptr, used_default_out);
    if (length <= 0 || used_default) {
        return {};
    }
    ByteArray bytes(static_cast<std::size_t>(length));
    if (WideCharToMultiByte(code_page, flags, wide.data(), wide_length, bytes.data(), length,
                            nullptr, used_default_out) != length ||
        used_default) {
        return {};
    }
    return bytes;
}

}  // namespace

ByteArray ConvertCharset(const ByteArray& data, std::string_view from, std::string_view to) {
    const UINT from_page = CodePageOf(from);
    const UINT to_page = CodePageOf(to);
    if (from_page == kNoCodePage || to_page == kNoCodePage || data.empty() ||
        data.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    return FromUtf16(ToUtf16(data, from_page), to_page);
}
