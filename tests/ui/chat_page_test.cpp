// A click on the presence picture opens the chat page in the default browser. Window tests run
// with a stand-in browser (record_address.sh) that notes each address it is given.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"
#include "toolkit/hypertext_markup.h"
#include "ui/window_texts.h"

namespace {

const char* OpenedAddressesFile() {
    const char* path = std::getenv("PARCELIO_OPENED_ADDRESSES");
    return path == nullptr ? "" : path;
}

std::string OpenedAddresses() {
    std::ifstream file(OpenedAddressesFile());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

using ChatPage = MainWindowTest;

TEST_F(ChatPage, ARealClickOnThePresencePictureOpensTheChatAddress) {
    ASSERT_STRNE(OpenedAddressesFile(), "");
    std::remove(OpenedAddressesFile());
    MouseClickAt(LinkCentre(kFooterLinkBox, JoinTexts(kEventLinkPrefix, "帮助")));
    ASSERT_TRUE(PumpUntil([] { return ShownPage(kResultPages) == kHelpPageNumber; }));
    MouseClickAt(ScreenCentre(Control<wxWindow>(kPresencePicture)));
    EXPECT_TRUE(PumpUntil([] { return !OpenedAddresses().empty(); }));
    EXPECT_EQ(OpenedAddresses(), ChatPageAddress() + "\n");
}

}  // namespace
