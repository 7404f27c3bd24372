#include "runs/current_type_code.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// The last code set holds until it is released. Readers on other threads see one of the texts
// written, whole, while the writer keeps replacing it, and the empty text once it is released.
TEST(CurrentTypeCode, ReadersAlwaysGetAWholeCopyOfTheLastCodeSet) {
    const Text first(200, 'a');
    const Text second(300, 'b');
    SetCurrentTypeCode(first);
    EXPECT_EQ(CurrentTypeCode(), first);
    std::atomic<bool> writing{true};
    std::atomic<int> torn_reads{0};
    std::vector<std::thread> readers;
    for (int reader = 0; reader < 4; ++reader) {
        readers.emplace_back([&] {
            while (writing) {
                const Text code = CurrentTypeCode();
                if (code != first && code != second && !code.empty()) {
                    ++torn_reads;
                }
            }
        });
    }
    for (int round = 0; round < 20000; ++round) {
        SetCurrentTypeCode(round % 2 == 0 ? first : second);
    }
    EXPECT_EQ(CurrentTypeCode(), second);
    ReleaseCurrentTypeCode();
    writing = false;
    for (std::thread& reader : readers) {
        reader.join();
    }
    EXPECT_EQ(torn_reads, 0);
    EXPECT_EQ(CurrentTypeCode(), "");
}

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
