// What the fuzz targets share: the check that stops the run on a broken property, and the
// reading of a GBK text as characters that their naive reference readings step through.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <string_view>
#include <vector>

// Ends the run with a crash report when a property does not hold.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A byte of 0x80 or more starts a two-byte character; any other byte is one character.
inline std::size_t CharacterLength(char first_byte) {
    return static_cast<unsigned char>(first_byte) >= 0x80 ? 2 : 1;
}

// The characters of a text; a lead byte at the very end stands alone.
inline std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text[at]);
        characters.push_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

// Whether a character starts at offset when the text is read from its first byte.
inline bool StartsCharacterAt(std::string_view text, std::size_t offset) {
    std::size_t at = 0;
    while (at < offset) {
        at += CharacterLength(text[at]);
    }
    return at == offset;
}
