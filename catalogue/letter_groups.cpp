#include "catalogue/letter_groups.h"

namespace {

struct LetterGroup {
    std::string_view text;
    std::string_view letters;  // one byte per letter
};

constexpr LetterGroup kLetterGroups[] = {
    {"A-E", "ABCDE"}, {"F-J", "FGHIJ"}, {"K-O", "KLMNO"}, {"P-T", "PQRST"}, {"U-Z", "UVWXYZ"},
};

const LetterGroup* FindLetterGroup(std::string_view group) {
    for (const LetterGroup& known : kLetterGroups) {
        if (TextsEqual(group, known.text)) {
            return &known;
        }
    }
    return nullptr;
}

}  // namespace

bool IsLetterGroup(std::string_view group) {
    return FindLetterGroup(group) != nullptr;
}

bool GroupAdmits(std::string_view group, std::string_view letter) {
    const LetterGroup* known = FindLetterGroup(group);
    if (known == nullptr) {
        return true;
    }
    return letter.size() == 1 && known->letters.find(letter.front()) != std::string_view::npos;
}
