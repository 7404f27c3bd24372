// Which catalogue letters a letter group admits.
#include <gtest/gtest.h>

#include "catalogue/courier_picker.h"

namespace {

TEST(GroupAdmits, TheGroupsLettersOnlyAndEverythingForAnyOtherText) {
    struct Case {
        std::string_view group;
        std::string_view letter;
        bool admitted;
    };
    const Case cases[] = {
        {"A-E", "A", true},  {"A-E", "E", true},  {"A-E", "F", false},  {"F-J", "J", true},
        {"K-O", "N", true},  {"K-O", "P", false}, {"P-T", "T", true},   {"U-Z", "Z", true},
        {"U-Z", "T", false}, {"A-E", "a", false}, {"A-E", "AB", false}, {"A-E", "", false},
        {"全部", "Q", true}, {"", "", true},      {"a-e", "Z", true},   {"A-E ", "Z", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GroupAdmits(c.group, c.letter), c.admitted) << c.group << " " << c.letter;
    }
}

}  // namespace
