// Test entry with wxWidgets base initialised: an application object and a main thread that
// can run an event loop, no display needed.
#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const wxInitializer wx_base;
    if (!wx_base.IsOk()) {
        return 1;
    }
    return RUN_ALL_TESTS();
}
