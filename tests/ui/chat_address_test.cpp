// The chat page's address on the instant-messaging host.
#include <gtest/gtest.h>

#include "build_settings.h"
#include "ui/window_texts.h"

namespace {

TEST(ChatPageAddress, NamesTheAccountAndTheProgramWithItsKeysInOrder) {
    const Text address = ChatPageAddress();
    const Text start = JoinTexts("http://", kImHost, "/msgrd?");
    ASSERT_EQ(TextLeft(address, TextLength(start)), start);
    const TextList keys =
        SplitText(TextRight(address, TextLength(address) - TextLength(start)), "&");
    const TextList expected = {"V=1", JoinTexts("Uin=", kImAccount), "Exe=QQ",
                               JoinTexts("Site=", kProgramName), "Menu=yes"};
    EXPECT_EQ(keys, expected);
}

}  // namespace
