# Writes the C++ source OUTPUT that holds the bytes of the file INPUT as the byte span SYMBOL
# declared in ui/embedded_assets.h. Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P this
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 row)
string(REGEX REPLACE "(${row})" "\\1\n" bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}" "// The bytes of ${name}, written by embed_asset.cmake at build time.
#include \"ui/embedded_assets.h\"

namespace {
const unsigned char kBytes[] = {
${bytes}
};
}  // namespace

const std::span<const unsigned char> ${SYMBOL}(kBytes);
")
