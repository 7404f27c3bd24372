// Test harness for the real main window, created in this process the way the program creates
// it (OpenMainWindow) and driven by real events. Tests derive their fixture from
// MainWindowTest: each test gets a freshly opened window, which is closed again afterwards.
#pragma once

#include <functional>
#include <string_view>

#include <gtest/gtest.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

class wxFrame;
class wxWindow;

// Lets the toolkit handle everything that is waiting: window-system input, posted events,
// idle work (such as deleting closed windows).
void PumpEvents();

// Pumps until condition holds; gives up after a generous number of rounds (the X server
// delivers simulated input asynchronously). Returns the final condition.
bool PumpUntil(const std::function<bool()>& condition);

// Events posted to a control, as the toolkit raises them for user input.
void ClickButton(std::string_view name);                            // wxEVT_BUTTON
void ClickOption(std::string_view name);                            // wxEVT_RADIOBUTTON
void ChooseItem(std::string_view combo, int index);                 // selects, then wxEVT_CHOICE
void ChooseMenuItem(std::string_view menu, std::string_view item);  // wxEVT_MENU
void ClickLink(std::string_view box, std::string_view address);     // wxEVT_HTML_LINK_CLICKED
void DoubleClick(std::string_view name);                            // wxEVT_LEFT_DCLICK
void RightClickOn(std::string_view name);                           // wxEVT_CONTEXT_MENU
void ReleaseLeftButton(std::string_view name);                      // wxEVT_LEFT_UP

// Real input through the X server (XTest): the pointer moves to the point and clicks there.
wxPoint ScreenCentre(const wxWindow& control);
void MoveMouseTo(const wxPoint& screen_point);
void MouseClickAt(const wxPoint& screen_point);
void PressKey(int key_code);

// Where test output such as screenshots goes (the test's build folder).
std::string OutputPath(std::string_view file_name);

// Writes what the screen shows inside the window's outer rectangle as a PNG file.
bool SaveWindowScreenshot(const wxFrame& window, const std::string& path);

// Lets drawing settle, writes a screenshot of the window to OutputPath(file_name) and reads it
// back (an empty image when the shot failed, which also fails the test).
wxImage SettledScreenshot(wxFrame& window, std::string_view file_name);

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
