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

}  // namespace

std::string FindWindow(const std::string& title_pattern, int limit_seconds) {
    return CommandOutput("timeout " + std::to_string(limit_seconds) +
                         " xdotool search --sync --onlyvisible --name " + Quoted(title_pattern) +
                         " 2>/dev/null | head -n 1");
}

bool WindowShows(const std::string& title_pattern) {
    return !CommandOutput("xdotool search --onlyvisible --name " + Quoted(title_pattern) +
                          " 2>/dev/null")
                .empty();
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
