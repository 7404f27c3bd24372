#include "tests/support/x_input.h"

#include "tests/support/child_process.h"

namespace {

// text as one shell word.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

void RunXdotool(const std::string& arguments) {
    CommandOutput("xdotool " + arguments);
}

// The first visible window whose title matches title_pattern; empty when none does. GTK stores a
// title that the C locale cannot encode (a Chinese one) only in _NET_WM_NAME, which xdotool's
// name search does not read, so both title properties are read here.
std::string VisibleWindowTitled(const std::string& title_pattern) {
    return CommandOutput(
        "for w in $(xdotool search --onlyvisible --class . 2>/dev/null); do"
        " LC_ALL=C.UTF-8 xprop -id \"$w\" -notype _NET_WM_NAME WM_NAME 2>/dev/null"
        " | sed -n 's/^[A-Z_]* = \"\\(.*\\)\"$/\\1/p' | LC_ALL=C grep -qE " +
        Quoted(title_pattern) + " && { echo \"$w\"; break; }; done");
}

}  // namespace

std::string FindWindow(const std::string& title_pattern, int limit_seconds) {
    std::string window = VisibleWindowTitled(title_pattern);
    // A look takes a pause of a tenth of a second and some more for the commands.
    for (int look = 0; window.empty() && look < limit_seconds * 10; ++look) {
        PauseBriefly();
        window = VisibleWindowTitled(title_pattern);
    }
    return window;
}

bool WindowShows(const std::string& title_pattern) {
    return !VisibleWindowTitled(title_pattern).empty();
}

void ClickAt(const std::string& window, int x, int y, int button) {
    RunXdotool("mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
               " click " + std::to_string(button));
}

void TypeInto(const std::string& window, const std::string& text) {
    RunXdotool("windowfocus --sync " + window + " type --delay 20 " + Quoted(text));
}

void PressKeysIn(const std::string& window, const std::string& keys) {
    RunXdotool("windowfocus --sync " + window + " key --delay 50 " + keys);
}

void PressKeys(const std::string& keys) {
    RunXdotool("key --delay 50 " + keys);
}
