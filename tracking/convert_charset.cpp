// Character-set conversion with iconv: all of the input or nothing.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <memory>
#include <type_traits>

#include "tracking/tracking_request.h"

namespace {

constexpr int kMaxGrowths = 11;
constexpr std::size_t kGrowthExtra = 128;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

// Unicode tag characters (U+E0000 to U+E007F) are dropped without an error by the C library's
// converters when the target has no form for them. They are read back as UCS-4LE code units:
// that form is built into the C library, and a second converter module in use would make the
// library unload and reload its modules from one call to the next.
constexpr std::string_view kCodeUnits = "UCS-4LE";
constexpr std::uint32_t kTagBlock = 0xE0000 >> 7;
constexpr char kLanguageTag[] = {'\x01', '\x00', '\x0E', '\x00'};  // U+E0001
constexpr std::size_t kScanSliceBytes = 16 * 1024;

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

// True when converting a tag character to this character set succeeds with no output at all.
bool DropsTagsSilently(std::string_view to) {
    const ConverterHolder converter = OpenConverter(kCodeUnits, to);
    if (converter == nullptr) {
        return false;
    }
    char probe[sizeof kLanguageTag];
    std::copy(std::begin(kLanguageTag), std::end(kLanguageTag), probe);
    char* in = probe;
    std::size_t in_left = sizeof probe;
    char output[16];
    char* out = output;
    std::size_t out_left = sizeof output;
    return iconv(converter.get(), IconvInput{&in}, &in_left, &out, &out_left) != kIconvFailed &&
           out_left == sizeof output;
}

// True when data, read in the given character set, holds a tag character. Reads it a slice of
// code units at a time, so that memory stays small for any input.
bool HoldsTagCharacter(const ByteArray& data, std::string_view from) {
    const ConverterHolder converter = OpenConverter(from, kCodeUnits);
    if (converter == nullptr) {
        return false;
    }
    char* in = const_cast<char*>(data.data());
    std::size_t in_left = data.size();
    ByteArray slice(kScanSliceBytes);
    for (;;) {
        char* out = slice.data();
        std::size_t out_left = slice.size();
        const std::size_t result =
            iconv(converter.get(), IconvInput{&in}, &in_left, &out, &out_left);
        const bool out_of_room = result == kIconvFailed && errno == E2BIG;
        for (std::size_t at = 0; at + 4 <= slice.size() - out_left; at += 4) {
            std::uint32_t code_point = 0;
            for (int byte = 3; byte >= 0; --byte) {
                code_point = code_point << 8 | static_cast<unsigned char>(slice[at + byte]);
            }
            if (code_point >> 7 == kTagBlock) {
                return true;
            }
        }
        if (!out_of_room) {
            return false;
        }
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
    // A tag character the target cannot hold fails the conversion like any other character.
    if (DropsTagsSilently(to) && HoldsTagCharacter(data, from)) {
        return {};
    }
    output.resize(used);
    return output;
}
