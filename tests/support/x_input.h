// Real keyboard and mouse input to the program's windows through the X server (xdotool). There
// is no window manager under the virtual X server, so every window is given the keyboard focus
// explicitly before it is typed into.
#pragma once

#include <functional>
#include <string>

// The X window id of the visible window whose title matches title_pattern (an extended regular
// expression), waiting up to limit_seconds for it to show, or until give_up holds; empty when
// none shows.
std::string FindWindow(const std::string& title_pattern, int limit_seconds,
                       const std::function<bool()>& give_up = {});

// Whether a visible window's title matches title_pattern now.
bool WindowShows(const std::string& title_pattern);

// Clicks button (1 left, 3 right) at x, y in the window's coordinates.
void ClickAt(const std::string& window, int x, int y, int button = 1);

// Gives window the keyboard focus, then types text into it.
void TypeInto(const std::string& window, const std::string& text);

// Presses keys (xdotool key names, separated by spaces) in window, after giving it the focus.
void PressKeysIn(const std::string& window, const std::string& keys);

// Waits up to limit_seconds for a pop-up window (a menu, an open drop-down list) to show, then
// presses keys wherever the keyboard goes then (the pop-up holds it); keys pressed before the menu
// shows would go to the window below.
void PressKeysInPopup(const std::string& keys, int limit_seconds);
