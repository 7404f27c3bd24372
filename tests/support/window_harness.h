// Test harness for the real main window, created in this process the way the program creates
// it (OpenMainWindow) and driven by real input through the X server. Tests derive their fixture
// from MainWindowTest: each test gets a freshly opened window, which is closed again afterwards.
#pragma once

#include <functional>
#include <string_view>

#include <gtest/gtest.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/mousestate.h>

class wxFrame;
class wxWindow;

// Lets the toolkit handle everything that is waiting: window-system input, posted events,
// idle work (such as deleting closed windows).
void PumpEvents();

// Pumps until condition holds; gives up after a generous number of rounds (the X server
// delivers simulated input asynchronously). Returns the final condition.
bool PumpUntil(const std::function<bool()>& condition);

// Real input through the X server (XTest) with a person's timing: a mouse button is held about
// 0.1 s between press and release, a double-click is two such clicks about 0.1 s apart, and a
// key is held briefly. Events are handled all the while, as the program handles them for a
// person; a pop-up menu or modal dialog opened meanwhile is driven from AtNextIdle.
wxPoint ScreenCentre(const wxWindow& control);
void MoveMouseTo(const wxPoint& screen_point);
// Moves the pointer there, then clicks button (wxMOUSE_BTN_LEFT or wxMOUSE_BTN_RIGHT).
void MouseClickAt(const wxPoint& screen_point, int button = wxMOUSE_BTN_LEFT);
void MouseDoubleClickAt(const wxPoint& screen_point);
// A click in the middle of the named control.
void ClickControl(std::string_view name);
// Presses key_code with the modifier keys held around it (wxMOD_SHIFT and so on).
void PressKey(int key_code, int modifiers = 0);
// Types ASCII text key by key, Shift held for capital letters.
void TypeText(std::string_view text);
// Handles events for milliseconds, as time goes by while a person looks.
void PumpFor(int milliseconds);

// Where the text of the link to address (GBK) is laid out in box, on the screen, and its middle.
wxRect LinkArea(std::string_view box, std::string_view address);
wxPoint LinkCentre(std::string_view box, std::string_view address);

// Runs step once, as soon as condition holds, from whatever loop runs then: a pop-up menu or a
// modal dialog waits for its user in a loop of its own, and the step acts as that user. A step
// whose condition has not held by the end of the test is dropped.
void WhenItHolds(std::function<bool()> condition, std::function<void()> step);

// How a person chooses an item of an open pop-up menu.
enum class ChooseBy { kPointer, kKeyboard };

// Opens menu (a pop-up menu of the layout) by open; once it shows, checks that it is still shown a
// moment later and then chooses item (GBK) in it by pointer or keyboard. False, with a failure
// added, when the menu did not open or did not stay open.
bool ChooseInPopupMenu(const std::function<void()>& open, std::string_view menu,
                       std::string_view item, ChooseBy by);
// Runs the handler of item (GBK) of the named menu as the layout's own table binds it, without
// opening the menu (the event probe and the scenario table choose with the pointer and keys).
void RunMenuItem(std::string_view menu, std::string_view item);
// Drops the steps of WhenItHolds whose condition has not held; at the end of each test.
void DropWaitingSteps();

// Opens the drop-down list of the named box with a click in its middle, checks that the list is
// still open a moment after the click, then moves to the item at index with the arrow keys and
// chooses it with Enter; returns once the list has closed and the choice has been handled.
void ChooseInDropDown(std::string_view box, int index);

// Where test output such as screenshots goes (the test's build folder).
std::string OutputPath(std::string_view file_name);

// Writes what the screen shows inside the window's outer rectangle as a PNG file, in the
// screen's pixels.
bool SaveWindowScreenshot(const wxFrame& window, const std::string& path);

// Lets drawing settle, writes a screenshot of the window to OutputPath(file_name) and reads it
// back (an empty image when the shot failed, which also fails the test).
wxImage SettledScreenshot(wxFrame& window, std::string_view file_name);

// Readings of a shot of the main window: the colour at a point of the window and at the centre
// of the named control, the pixels where the named control lies, and whether two pictures are the
// same pixel for pixel.
wxColour ColourIn(const wxImage& shot, const wxPoint& at);
wxColour ColourAtCentreOf(const wxImage& shot, std::string_view name);
wxImage PixelsOver(const wxImage& shot, std::string_view name);
bool SamePixels(const wxImage& a, const wxImage& b);

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The open main window; fails the test when it is gone.
    static wxFrame& Window();
    // Closes the main window, as its close box does, and waits until it has been destroyed.
    static void CloseWindow();
    static bool WindowIsOpen();
};
