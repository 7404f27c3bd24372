// Character-set conversion with iconv, the Linux build's converter: all of the input or nothing.
#include <iconv.h>

#include <cerrno>
#include <memory>
#include <type_traits>

#include "tracking/charset_names.h"
#include "tracking/convert_charset.h"

namespace {

constexpr int kMaxGrowths = 11;
constexpr std::size_t kGrowthExtra = 128;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

// iconv takes its input as char** with the C library's iconv and as const char** with some
// stand-alone builds; this argument converts to either.
struct IconvInput {
    char** bytes;
    operator char**() const { return bytes; }
    operator const char**() const { return const_cast<const char**>(bytes); }
};

struct ConverterCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using ConverterHolder = std::unique_ptr<std::remove_pointer_t<iconv_t>, ConverterCloser>;

// A converter, or none when iconv does not support the pair.
ConverterHolder OpenConverter(std::string_view from, std::string_view to) {
    const iconv_t converter = iconv_open(Text(to).c_str(), Text(from).c_str());
    return ConverterHolder(converter == kNoConverter ? nullptr : converter);
}

// Runs one iconv step (input, or the final shift back to the initial state when input is null),
// enlarging output while it runs out of room. False on any other error or on too many growths.
bool ConvertStep(iconv_t converter, char** input, std::size_t* input_left, ByteArray& output,
                 std::size_t& used, std::size_t growth, int& growths) {
    for (;;) {
        char* out = output.data() + used;
        std::size_t out_left = output.size() - used;
        const std::size_t result = iconv(converter, IconvInput{input}, input_left, &out, &out_left);
        used = output.size() - out_left;
        if (result != kIconvFailed) {
            return true;
        }
        if (errno != E2BIG || growths == kMaxGrowths) {
            return false;
        }
        ++growths;
        output.resize(output.size() + growth);
    }
}

}  // namespace

ByteArray ConvertCharset(const ByteArray& data, std::string_view from, std::string_view to) {
    const ConverterHolder holder = OpenConverter(from, to);
    if (holder == nullptr) {
        return {};
    }
    const iconv_t converter = holder.get();
    if (data.empty()) {
        return {};
    }
    // iconv only reads its input, through a pointer that is not const.
    char* in = const_cast<char*>(data.data());
    std::size_t in_left = data.size();
    ByteArray output(data.size());
    std::size_t used = 0;
    int growths = 0;
    const std::size_t growth = data.size() / 2 + kGrowthExtra;
    if (!ConvertStep(converter, &in, &in_left, output, used, growth, growths) ||
        !ConvertStep(converter, nullptr, nullptr, output, used, growth, growths)) {
        return {};
    }
    // The C library's converters drop the Unicode tag characters without an error when the
    // target has no form for them; such a character fails the conversion like any other.
    if (IsUtf8Name(from) && !CoversAllOfUnicode(to) && HoldsUtf8TagCharacter(data)) {
        return {};
    }
    output.resize(used);
    return output;
}
