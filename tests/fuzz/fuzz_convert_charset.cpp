// Fuzzes the character-set conversion: UTF-8 to GBK is all or nothing and round-trips, and both
// directions give exactly what one whole-buffer iconv call gives, save that a tag character the
// C library drops fails the conversion.
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tests/support/fuzz_checks.h"
#include "tracking/convert_charset.h"

namespace {

// One iconv call over the whole input into a buffer that is always large enough, then the shift
// back to the initial state. Empty on any failure.
ByteArray ReferenceConversion(const ByteArray& input, const char* from, const char* to) {
    const iconv_t converter = iconv_open(to, from);
    Require(converter != reinterpret_cast<iconv_t>(-1));
    ByteArray output(input.size() * 4 + 16);
    ByteArray copy = input;
    char* in = copy.data();
    std::size_t in_left = copy.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    const bool converted =
        iconv(converter, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1) &&
        iconv(converter, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!converted) {
        return {};
    }
    output.resize(output.size() - out_left);
    return output;
}

// Valid UTF-8 holding a Unicode tag character (U+E0000 to U+E007F, F3 A0 80 80 to F3 A0 81 BF).
// The C library drops these without an error when converting to GBK; the conversion must fail.
bool HoldsTagCharacter(const ByteArray& utf8) {
    const std::string_view text(utf8.data(), utf8.size());
    return text.find("\xF3\xA0\x80") != std::string_view::npos ||
           text.find("\xF3\xA0\x81") != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteArray input(data, data + size);

    const ByteArray gbk = ConvertCharset(input, "UTF-8", "GBK");
    const ByteArray reference = ReferenceConversion(input, "UTF-8", "GBK");
    Require(gbk == (HoldsTagCharacter(input) ? ByteArray() : reference));
    if (!gbk.empty()) {
        Require(ConvertCharset(gbk, "GBK", "UTF-8") == input);
    }

    // GBK to UTF-8 grows the output, so this direction goes through the buffer enlargement.
    Require(ConvertCharset(input, "GBK", "UTF-8") == ReferenceConversion(input, "GBK", "UTF-8"));
    return 0;
}
