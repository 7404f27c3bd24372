// Real key input into the main window's number boxes.
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"

namespace {

using WindowInput = MainWindowTest;

TEST_F(WindowInput, TypedTextGoesIntoTheFocusedNumberBox) {
    wxTextCtrl& number_box = Control<wxTextCtrl>(kNumberBox);
    MouseClickAt(ScreenCentre(number_box));
    ASSERT_TRUE(PumpUntil([&number_box] { return number_box.HasFocus(); }));
    PressKey('7');
    PressKey(WXK_RETURN);  // a single-line box keeps Enter to itself; nothing else happens
    EXPECT_TRUE(PumpUntil([] { return ControlText(kNumberBox) == "7"; }));
    EXPECT_TRUE(WindowIsOpen());
    EXPECT_TRUE(number_box.HasFocus());
}

TEST_F(WindowInput, EnterInTheBatchBoxEndsTheLineWithCrLf) {
    ShowPage(kResultPages, kBatchPageNumber);
    wxTextCtrl& batch_box = Control<wxTextCtrl>(kBatchNumberBox);
    MouseClickAt(ScreenCentre(batch_box));
    ASSERT_TRUE(PumpUntil([&batch_box] { return batch_box.HasFocus(); }));
    PressKey('1');
    PressKey(WXK_RETURN);
    PressKey('2');
    EXPECT_TRUE(PumpUntil([] { return ControlText(kBatchNumberBox) == "1\r\n2"; }))
        << ControlText(kBatchNumberBox);
}

}  // namespace
