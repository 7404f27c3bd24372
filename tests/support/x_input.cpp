#include "tests/support/x_input.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <regex.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

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

// One connection to the X server for every look at its windows, kept for the test program's
// life: a command per look opened several connections ten times a second, and the server then
// refused now and then the program's own connection at its start.
Display* Connection() {
    static Display* const display = XOpenDisplay(nullptr);
    return display;
}

// A window may vanish between listing it and reading it; that is no fault of the test. X errors
// are ignored while one of these lives, and the last ones are waited for before it ends.
class IgnoredXErrors {
  public:
    explicit IgnoredXErrors(Display* display)
        : display_(display),
          previous_(XSetErrorHandler([](Display*, XErrorEvent*) { return 0; })) {}
    ~IgnoredXErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoredXErrors(const IgnoredXErrors&) = delete;
    IgnoredXErrors& operator=(const IgnoredXErrors&) = delete;

  private:
    Display* display_;
    XErrorHandler previous_;
};

// The window's title as set by its program: GTK and Wine store a title that the C locale cannot
// encode (a Chinese one) only in _NET_WM_NAME, in UTF-8; WM_NAME is read when that is missing.
std::string WindowTitle(Display* display, Window window) {
    const Atom utf8_name = XInternAtom(display, "_NET_WM_NAME", False);
    for (const Atom name : {utf8_name, static_cast<Atom>(XA_WM_NAME)}) {
        Atom type = None;
        int format = 0;
        unsigned long length = 0;
        unsigned long remaining = 0;
        unsigned char* value = nullptr;
        const int read = XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType,
                                            &type, &format, &length, &remaining, &value);
        const std::unique_ptr<unsigned char, int (*)(void*)> owned(value, XFree);
        if (read == Success && value != nullptr && format == 8) {
            return std::string(reinterpret_cast<const char*>(value), length);
        }
    }
    return {};
}

// The viewable children of parent, in stacking order from the bottom, with their attributes.
std::vector<std::pair<Window, XWindowAttributes>> ViewableChildren(Display* display,
                                                                   Window parent) {
    Window root = None;
    Window grandparent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<std::pair<Window, XWindowAttributes>> viewable;
    if (XQueryTree(display, parent, &root, &grandparent, &children, &count) == 0) {
        return viewable;
    }
    const std::unique_ptr<Window, int (*)(void*)> owned(children, XFree);
    for (unsigned int index = 0; index < count; ++index) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[index], &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            viewable.emplace_back(children[index], attributes);
        }
    }
    return viewable;
}

// The first viewable window under parent, in stacking order from the bottom and depth first,
// whose title the compiled pattern matches.
std::optional<Window> ViewableWindowMatching(Display* display, Window parent,
                                             const regex_t& pattern) {
    for (const auto& [child, attributes] : ViewableChildren(display, parent)) {
        if (regexec(&pattern, WindowTitle(display, child).c_str(), 0, nullptr, 0) == 0) {
            return child;
        }
        if (const std::optional<Window> found = ViewableWindowMatching(display, child, pattern)) {
            return found;
        }
    }
    return std::nullopt;
}

// Whether a pop-up shows: a viewable top-level window that no window manager would handle.
bool PopupShows() {
    Display* const display = Connection();
    if (display == nullptr) {
        return false;
    }
    const IgnoredXErrors ignored(display);
    const auto children = ViewableChildren(display, DefaultRootWindow(display));
    return std::any_of(children.begin(), children.end(),
                       [](const auto& child) { return child.second.override_redirect != 0; });
}

// The first viewable window whose title matches title_pattern (an extended regular expression,
// matched byte by byte); empty when none does.
std::string VisibleWindowTitled(const std::string& title_pattern) {
    Display* const display = Connection();
    regex_t pattern;
    if (display == nullptr ||
        regcomp(&pattern, title_pattern.c_str(), REG_EXTENDED | REG_NOSUB) != 0) {
        return {};
    }
    std::optional<Window> found;
    {
        const IgnoredXErrors ignored(display);
        found = ViewableWindowMatching(display, DefaultRootWindow(display), pattern);
    }
    regfree(&pattern);
    return found ? std::to_string(*found) : std::string();
}

}  // namespace

std::string FindWindow(const std::string& title_pattern, int limit_seconds,
                       const std::function<bool()>& give_up) {
    std::string window = VisibleWindowTitled(title_pattern);
    for (int look = 0; window.empty() && look < limit_seconds * 10; ++look) {
        if (give_up && give_up()) {
            break;
        }
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

void PressKeysInPopup(const std::string& keys, int limit_seconds) {
    for (int look = 0; !PopupShows() && look < limit_seconds * 10; ++look) {
        PauseBriefly();
    }
    RunXdotool("key --delay 50 " + keys);
}
