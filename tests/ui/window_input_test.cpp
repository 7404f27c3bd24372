// Real pointer and key input on the main window.
#include <memory>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"

namespace {

using WindowInput = MainWindowTest;

TEST_F(WindowInput, EscInTheNumberBoxClosesTheWindow) {
    wxTextCtrl& number_box = Control<wxTextCtrl>(kNumberBox);
    MouseClickAt(ScreenCentre(number_box));
    ASSERT_TRUE(PumpUntil([&number_box] { return number_box.HasFocus(); }));
    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !WindowIsOpen(); }));
}

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

// Counts the clicks that reach a button, leaving the program's own handler to run as well.
std::shared_ptr<int> CountClicks(std::string_view name) {
    auto clicks = std::make_shared<int>(0);
    Control<wxButton>(name).Bind(wxEVT_BUTTON, [clicks](wxCommandEvent& event) {
        ++*clicks;
        event.Skip();
    });
    return clicks;
}

TEST_F(WindowInput, TheHelpPagePlacementLiesAboveTheQueryRow) {
    const auto clicks = CountClicks(kQueryButton);
    const wxPoint query_button = ScreenCentre(Control<wxButton>(kQueryButton));
    MouseClickAt(query_button);
    ASSERT_TRUE(PumpUntil([clicks] { return *clicks == 1; }));

    ShowPage(kResultPages, kHelpPageNumber);
    PlaceControl(kResultPages, {0, 101, 623, 495});
    PumpEvents();
    MouseClickAt(query_button);
    PumpEvents();
    EXPECT_EQ(*clicks, 1);
}

TEST_F(WindowInput, TheReturnButtonTakesRealClicksOnTheHelpPage) {
    const auto clicks = CountClicks(kReturnButton);
    ShowPage(kResultPages, kHelpPageNumber);
    PlaceControl(kResultPages, {0, 101, 623, 495});
    PumpEvents();
    MouseClickAt(ScreenCentre(Control<wxButton>(kReturnButton)));
    EXPECT_TRUE(PumpUntil([clicks] { return *clicks == 1; }));
}

}  // namespace
