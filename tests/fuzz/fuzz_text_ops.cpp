// Fuzzes the text operations and checks their defining properties on every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tests/support/fuzz_checks.h"
#include "text/text_ops.h"

namespace {

bool HoldsSpace(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        if (byte == ' ' || (byte == 0xA1 && at + 1 < text.size() &&
                            static_cast<unsigned char>(text[at + 1]) == 0xA1)) {
            return true;
        }
        at += CharacterLength(text[at]);
    }
    return false;
}

}  // namespace

// Input: a one-byte length L, then L bytes of sought text/delimiter, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t sought_length = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::string_view sought(reinterpret_cast<const char*>(data) + 1, sought_length);
    const Text text = BytesToText(ByteArray(data + 1 + sought_length, data + size));
    const Text text_before = text;

    const TextPos found = FindText(text, sought);
    if (found > 0 && !sought.empty()) {
        const std::size_t at = static_cast<std::size_t>(found - 1);
        Require(text.compare(at, sought.size(), sought) == 0);
        Require(StartsCharacterAt(text, at));
    }

    if (!sought.empty()) {
        const TextList pieces = SplitText(text, sought);
        Text rejoined;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            rejoined += (i > 0 ? Text(sought) : Text()) + pieces[i];
        }
        // Only a delimiter matched at the very end is lost.
        Require(rejoined == text || rejoined + Text(sought) == text);
        (void)TextBetween(text, sought, sought);
    }

    const Text removed = RemoveAllSpaces(text);
    Require(!HoldsSpace(removed));
    Require(removed.size() <= text.size());
    const Text trimmed = TrimSpaces(text);
    Require(trimmed.size() <= text.size());
    Require(text == text_before);
    return 0;
}
