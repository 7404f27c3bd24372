#include "runs/courier_resolution.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ResolutionCase {
    Text selected;
    Text previous;
    Text expected;
};

TEST(ResolveTypeCode, LastMatchingCatalogueRowWins) {
    LoadCatalogue();
    const std::vector<ResolutionCase> cases = {
        {"UPS", "", "upsen"},
        {"TNT", "ems", "tnten"},
        {"联邦快递", "", "lianbangkuaidien"},
        {"加拿大邮政Canada Post", "", "canpostfr"},
        {"EMS", "", "ems"},
        {"澳大利亚邮政", "dhl", "auspost"},
        {"不存在的快递", "dhl", "dhl"},
        {"ups", "dhl", "dhl"},
        {"UPS ", "dhl", "dhl"},
        {"", "dhl", "dhl"},
        {"", "", ""},
    };
    for (const ResolutionCase& c : cases) {
        EXPECT_EQ(ResolveTypeCode(CourierCatalogue, c.selected, c.previous), c.expected)
            << c.selected;
    }
}

TEST(ResolveTypeCode, WalksOnlyTheFixedNumberOfRows) {
    CourierTable table(kCourierCount + 1, CourierEntry{"A", "filler", "Filler"});
    table[kCourierCount - 1] = CourierEntry{"Z", "last", "Sought"};
    table[kCourierCount] = CourierEntry{"Z", "beyond", "Sought"};
    EXPECT_EQ(ResolveTypeCode(table, "Sought", "old"), "last");
    EXPECT_EQ(ResolveTypeCode(table, "Filler", "old"), "filler");

    const CourierTable shorter = {{"A", "first", "Short"}, {"B", "second", "Short"}};
    EXPECT_EQ(ResolveTypeCode(shorter, "Short", "old"), "second");
    EXPECT_EQ(ResolveTypeCode(CourierTable(), "Short", "old"), "old");
}

}  // namespace
