// Real pointer and key input on the main window.
#include <memory>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "tests/ui/window_harness.h"
#include "ui/control_ops.h"
#include "ui/controls.h"

namespace {

using WindowInput = MainWindowTest;

TEST_F(WindowInput, EscInTheNumberBoxClosesTheWindow) {
    wxTextCtrl& number_box = Control<wxTextCtrl>("NumberBox");
    MouseClickAt(ScreenCentre(number_box));
    ASSERT_TRUE(PumpUntil([&number_box] { return number_box.HasFocus(); }));
    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !WindowIsOpen(); }));
}

TEST_F(WindowInput, TypedTextGoesIntoTheFocusedNumberBox) {
    wxTextCtrl& number_box = Control<wxTextCtrl>("NumberBox");
    MouseClickAt(ScreenCentre(number_box));
    ASSERT_TRUE(PumpUntil([&number_box] { return number_box.HasFocus(); }));
    PressKey('7');
    PressKey(WXK_RETURN);  // a single-line box keeps Enter to itself; nothing else happens
    EXPECT_TRUE(PumpUntil([] { return ControlText("NumberBox") == "7"; }));
    EXPECT_TRUE(WindowIsOpen());
    EXPECT_TRUE(number_box.HasFocus());
}

TEST_F(WindowInput, EnterInTheBatchBoxEndsTheLineWithCrLf) {
    ShowPage("ResultPages", 1);
    wxTextCtrl& batch_box = Control<wxTextCtrl>("BatchNumberBox");
    MouseClickAt(ScreenCentre(batch_box));
    ASSERT_TRUE(PumpUntil([&batch_box] { return batch_box.HasFocus(); }));
    PressKey('1');
    PressKey(WXK_RETURN);
    PressKey('2');
    EXPECT_TRUE(PumpUntil([] { return ControlText("BatchNumberBox") == "1\r\n2"; }))
        << ControlText("BatchNumberBox");
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
    const auto clicks = CountClicks("QueryButton");
    const wxPoint query_button = ScreenCentre(Control<wxButton>("QueryButton"));
    MouseClickAt(query_button);
    ASSERT_TRUE(PumpUntil([clicks] { return *clicks == 1; }));

    ShowPage("ResultPages", 2);
    PlaceControl("ResultPages", {0, 101, 623, 495});
    PumpEvents();
    MouseClickAt(query_button);
    PumpEvents();
    EXPECT_EQ(*clicks, 1);
}

TEST_F(WindowInput, TheReturnButtonTakesRealClicksOnTheHelpPage) {
    const auto clicks = CountClicks("ReturnButton");
    ShowPage("ResultPages", 2);
    PlaceControl("ResultPages", {0, 101, 623, 495});
    PumpEvents();
    MouseClickAt(ScreenCentre(Control<wxButton>("ReturnButton")));
    EXPECT_TRUE(PumpUntil([clicks] { return *clicks == 1; }));
}

}  // namespace
