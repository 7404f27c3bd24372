#include "tracking/charset_names.h"

#include <algorithm>

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(), [](char a, char b) {
               return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
           });
}

}  // namespace

bool IsUtf8Name(std::string_view name) {
    return EqualsIgnoringCase(name, "UTF-8") || EqualsIgnoringCase(name, "UTF8");
}

bool CoversAllOfUnicode(std::string_view name) {
    const std::string_view prefix = name.substr(0, 3);
    return EqualsIgnoringCase(prefix, "UTF") || EqualsIgnoringCase(prefix, "UCS") ||
           EqualsIgnoringCase(name, "GB18030");
}

// U+E0000 to U+E007F are F3 A0 80 80 to F3 A0 81 BF in UTF-8. F3 A0 can start no other
// character, and a continuation byte never equals F3, so a byte search finds exactly these.
bool HoldsUtf8TagCharacter(const ByteArray& utf8) {
    for (std::size_t at = 0; at + 2 < utf8.size(); ++at) {
        if (static_cast<unsigned char>(utf8[at]) == 0xF3 &&
            static_cast<unsigned char>(utf8[at + 1]) == 0xA0) {
            const auto third = static_cast<unsigned char>(utf8[at + 2]);
            if (third == 0x80 || third == 0x81) {
                return true;
            }
        }
    }
    return false;
}
