// Which letters a group admits and which courier an option stands for.
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

TEST(CommonCourierItem, ThreeCaptionsStandForLongerNames) {
    EXPECT_EQ(CommonCourierItem("DHL"), "DHL-国际件-英文结果");
    EXPECT_EQ(CommonCourierItem("顺丰"), "顺丰速递");
    EXPECT_EQ(CommonCourierItem("FedEx"), "Fedex-国际件-中文结果");
    EXPECT_EQ(CommonCourierItem("UPS"), "UPS");
    EXPECT_EQ(CommonCourierItem("dhl"), "dhl");
    EXPECT_EQ(CommonCourierItem("顺丰速递"), "顺丰速递");
}

}  // namespace
