// Real keyboard and mouse input to the program's windows through the X server (xdotool). There
// is no window manager under the virtual X server, so every window is given the keyboard focus
// explicitly before it is typed into.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The X window id of the visible window whose title matches title_pattern (an extended regular
// expression), waiting up to limit_seconds for it to show, or until give_up holds; empty when
// none shows.
std::string FindWindow(const std::string& title_pattern, int limit_seconds,
                       const std::function<bool()>& give_up = {});

// The same, when the window still shows a moment (0.4 s) after it first showed, as a person sees
// a dialog before typing into it; empty otherwise.
std::string WindowThatStays(const std::string& title_pattern, int limit_seconds);

// The visible windows whose titles match title_pattern now, in stacking order from the bottom.
std::vector<std::string> WindowsTitled(const std::string& title_pattern);

// Whether a visible window's title matches title_pattern now.
bool WindowShows(const std::string& title_pattern);

// Input with a person's timing: a button is held about 0.1 s between press and release, a
// double-click is two such clicks about 0.1 s apart, and every key, typed text key by key, is
// held briefly before the next one.

// Clicks button (1 left, 3 right) at x, y in the window's coordinates.
void ClickAt(const std::string& window, int x, int y, int button = 1);

// Double-clicks the left button at x, y in the window's coordinates.
void DoubleClickAt(const std::string& window, int x, int y);

// Drags with the left button held from x, y of window from to x, y of window to, as a person
// drags a file from one program onto another: pressed, moved a little, carried over in steps,
// held a moment over the target and released.
void DragBetween(const std::string& from, int from_x, int from_y, const std::string& to, int to_x,
                 int to_y);

// Clicks the left button at x, y of the screen (an item of a pop-up).
void ClickOnScreen(int x, int y);

// Gives window the keyboard focus, then types text (printable ASCII) into it.
void TypeInto(const std::string& window, const std::string& text);

// Presses keys (xdotool key names or combinations such as ctrl+a, separated by spaces) in window,
// after giving it the focus.
void PressKeysIn(const std::string& window, const std::string& keys);

// Presses keys wherever the keyboard goes now (a pop-up that holds it).
void PressKeys(const std::string& keys);

// A window's place on the screen.
struct ScreenBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Whether a pop-up shows now: a viewable top-level window on the screen that no window manager
// would handle (a menu, an open drop-down list).
bool PopupShows();

// Moves the pointer to x, y of the screen.
void MovePointerTo(int x, int y);

// Where window (an X window id) is on the screen now; nothing when it is gone.
std::optional<ScreenBox> WindowPlace(const std::string& window);

// The colour of the screen at x, y as 0xRRGGBB; nothing when it cannot be read.
std::optional<unsigned> ScreenPixel(int x, int y);

// Waits up to limit_seconds for a pop-up to show and gives its place when it still shows a
// moment (0.4 s) later, as a person sees it before choosing; nothing when none showed or it went
// away again.
std::optional<ScreenBox> PopupThatStays(int limit_seconds);

// The clipboard's text as another program reads it (UTF-8); empty when it holds none.
std::string ClipboardText();

// Puts text (UTF-8) on the clipboard as another program copies it; that program keeps serving
// it until something else is copied.
void SetClipboardText(const std::string& text);
