// Prints how this build's ConvertCharset turns UTF-8 into GBK: one line for every Unicode
// character of the Basic Multilingual Plane (surrogates left out), then one line for every file
// named on the command line. Comparing the output of the Linux build (iconv) with that of the
// Windows build (code page 936) lists every difference of the two converters
// (scripts/windows/charset-differences).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tracking/convert_charset.h"

namespace {

ByteArray Utf8Of(unsigned code_point) {
    if (code_point < 0x80) {
        return {static_cast<char>(code_point)};
    }
    if (code_point < 0x800) {
        return {static_cast<char>(0xC0 | code_point >> 6),
                static_cast<char>(0x80 | (code_point & 0x3F))};
    }
    return {static_cast<char>(0xE0 | code_point >> 12),
            static_cast<char>(0x80 | (code_point >> 6 & 0x3F)),
            static_cast<char>(0x80 | (code_point & 0x3F))};
}

std::string Hex(const ByteArray& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char byte : bytes) {
        hex += kDigits[static_cast<unsigned char>(byte) >> 4];
        hex += kDigits[static_cast<unsigned char>(byte) & 0x0F];
    }
    return hex.empty() ? "fails" : hex;
}

}  // namespace

int main(int argc, char** argv) {
    for (unsigned code_point = 1; code_point <= 0xFFFF; ++code_point) {
        if (code_point >= 0xD800 && code_point <= 0xDFFF) {
            continue;
        }
        std::printf("U+%04X %s\n", code_point,
                    Hex(ConvertCharset(Utf8Of(code_point), "UTF-8", "GBK")).c_str());
    }
    for (int arg = 1; arg < argc; ++arg) {
        std::ifstream file(argv[arg], std::ios::binary);
        const ByteArray data{std::istreambuf_iterator<char>(file), {}};
        const std::string name = argv[arg];
        std::printf("%s %s\n", name.substr(name.find_last_of("/\\") + 1).c_str(),
                    Hex(ConvertCharset(data, "UTF-8", "GBK")).c_str());
    }
    return 0;
}
