#include "runs/current_type_code.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(CurrentTypeCode, HoldsTheLastCodeSetUntilReleased) {
    SetCurrentTypeCode("upsen");
    EXPECT_EQ(CurrentTypeCode(), "upsen");
    SetCurrentTypeCode("tnten");
    EXPECT_EQ(CurrentTypeCode(), "tnten");
    ReleaseCurrentTypeCode();
    EXPECT_EQ(CurrentTypeCode(), "");
}

// Readers on other threads see one of the texts written, whole, while the writer keeps
// replacing it, and the empty text once it is released.
TEST(CurrentTypeCode, ReadersAlwaysGetAWholeCopy) {
    const Text first(200, 'a');
    const Text second(300, 'b');
    SetCurrentTypeCode(first);
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
        SetCurrentTypeCode(round % 2 == 0 ? second : first);
    }
    ReleaseCurrentTypeCode();
    writing = false;
    for (std::thread& reader : readers) {
        reader.join();
    }
    EXPECT_EQ(torn_reads, 0);
    EXPECT_EQ(CurrentTypeCode(), "");
}

}  // namespace
