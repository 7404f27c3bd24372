#include "tests/support/x_input.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <regex.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "tests/support/child_process.h"

namespace {

// A person's timing, in seconds as xdotool's sleep takes them.
constexpr char kButtonHold[] = "0.1";
constexpr char kDoubleClickGap[] = "0.1";
constexpr char kKeyHold[] = "0.05";
constexpr char kKeyGap[] = "0.04";
constexpr int kPopupSettleLooks = 4;

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

// The top-most pop-up: a viewable top-level window that no window manager would handle, on the
// screen (GTK keeps a window of its own for a drop's data transfer off the screen).
std::optional<ScreenBox> TopPopup() {
    Display* const display = Connection();
    if (display == nullptr) {
        return std::nullopt;
    }
    const IgnoredXErrors ignored(display);
    const auto children = ViewableChildren(display, DefaultRootWindow(display));
    const auto popup = std::find_if(children.rbegin(), children.rend(), [](const auto& child) {
        const XWindowAttributes& place = child.second;
        return place.override_redirect != 0 && place.x + place.width > 0 &&
               place.y + place.height > 0;
    });
    if (popup == children.rend()) {
        return std::nullopt;
    }
    const XWindowAttributes& attributes = popup->second;
    return ScreenBox{attributes.x, attributes.y, attributes.width, attributes.height};
}

// The xdotool key name of a printable ASCII character, with shift when the keyboard gives it
// only on its second level.
std::string KeyFor(char character) {
    Display* const display = Connection();
    const KeySym symbol = static_cast<unsigned char>(character);
    const KeyCode code = display == nullptr ? 0 : XKeysymToKeycode(display, symbol);
    const char* const name = XKeysymToString(symbol);
    if (code == 0 || name == nullptr) {
        throw std::invalid_argument("no key types " + std::string(1, character));
    }
    const bool shifted = XkbKeycodeToKeysym(display, code, 0, 0) != symbol;
    return shifted ? "shift+" + std::string(name) : std::string(name);
}

// The xdotool commands that hold each key briefly and pause before the next.
std::string HeldKeys(const std::vector<std::string>& keys) {
    std::string commands;
    for (const std::string& key : keys) {
        commands +=
            " keydown " + key + " sleep " + kKeyHold + " keyup " + key + " sleep " + kKeyGap;
    }
    return commands;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream stream(text);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// The xdotool commands of one held click of button where the pointer is.
std::string HeldClick(int button) {
    const std::string name = std::to_string(button);
    return " mousedown " + name + " sleep " + kButtonHold + " mouseup " + name;
}

std::string MoveInWindow(const std::string& window, int x, int y) {
    return "mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
           " sleep " + kKeyGap;
}

// The viewable windows under parent whose titles the compiled pattern matches, in stacking order
// from the bottom and depth first (a matching window's own children are not looked at).
void AddViewableWindowsMatching(Display* display, Window parent, const regex_t& pattern,
                                std::vector<Window>& found) {
    for (const auto& [child, attributes] : ViewableChildren(display, parent)) {
        if (regexec(&pattern, WindowTitle(display, child).c_str(), 0, nullptr, 0) == 0) {
            found.push_back(child);
        } else {
            AddViewableWindowsMatching(display, child, pattern, found);
        }
    }
}

}  // namespace

// Title patterns are extended regular expressions, matched byte by byte.
std::vector<std::string> WindowsTitled(const std::string& title_pattern) {
    Display* const display = Connection();
    regex_t pattern;
    if (display == nullptr ||
        regcomp(&pattern, title_pattern.c_str(), REG_EXTENDED | REG_NOSUB) != 0) {
        return {};
    }
    std::vector<Window> found;
    {
        const IgnoredXErrors ignored(display);
        AddViewableWindowsMatching(display, DefaultRootWindow(display), pattern, found);
    }
    regfree(&pattern);
    std::vector<std::string> ids;
    for (const Window window : found) {
        ids.push_back(std::to_string(window));
    }
    return ids;
}

namespace {

// The first viewable window whose title matches title_pattern; empty when none does.
std::string VisibleWindowTitled(const std::string& title_pattern) {
    const std::vector<std::string> windows = WindowsTitled(title_pattern);
    return windows.empty() ? std::string() : windows.front();
}

}  // namespace

std::string FindWindow(const std::string& title_pattern, int limit_seconds,
                       const std::function<bool()>& give_up) {
    std::string window;
    WaitFor(
        [&] {
            window = VisibleWindowTitled(title_pattern);
            return !window.empty() || (give_up && give_up());
        },
        limit_seconds);
    return window;
}

std::string WindowThatStays(const std::string& title_pattern, int limit_seconds) {
    const std::string window = FindWindow(title_pattern, limit_seconds);
    PauseBriefly(kPopupSettleLooks);
    return !window.empty() && VisibleWindowTitled(title_pattern) == window ? window : std::string();
}

bool WindowShows(const std::string& title_pattern) {
    return !VisibleWindowTitled(title_pattern).empty();
}

void ClickAt(const std::string& window, int x, int y, int button) {
    RunXdotool(MoveInWindow(window, x, y) + HeldClick(button));
}

void DoubleClickAt(const std::string& window, int x, int y) {
    RunXdotool(MoveInWindow(window, x, y) + HeldClick(1) + " sleep " + kDoubleClickGap +
               HeldClick(1));
}

void DragBetween(const std::string& from, int from_x, int from_y, const std::string& to, int to_x,
                 int to_y) {
    const std::string steps = " sleep " + std::string(kButtonHold) + " ";
    RunXdotool(MoveInWindow(from, from_x, from_y) + " mousedown 1" + steps +
               MoveInWindow(from, from_x + 12, from_y + 12) + steps +
               MoveInWindow(to, to_x - 30, to_y - 10) + steps + MoveInWindow(to, to_x, to_y) +
               steps + MoveInWindow(to, to_x + 2, to_y + 2) + steps + " mouseup 1");
}

void ClickOnScreen(int x, int y) {
    RunXdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep " + kKeyGap +
               HeldClick(1));
}

void TypeInto(const std::string& window, const std::string& text) {
    std::vector<std::string> keys;
    for (const char character : text) {
        keys.push_back(KeyFor(character));
    }
    RunXdotool("windowfocus --sync " + window + HeldKeys(keys));
}

void PressKeysIn(const std::string& window, const std::string& keys) {
    RunXdotool("windowfocus --sync " + window + HeldKeys(Words(keys)));
}

void PressKeys(const std::string& keys) {
    RunXdotool(HeldKeys(Words(keys)).substr(1));
}

bool PopupShows() {
    return TopPopup().has_value();
}

void MovePointerTo(int x, int y) {
    RunXdotool("mousemove " + std::to_string(x) + " " + std::to_string(y));
}

std::optional<ScreenBox> WindowPlace(const std::string& window) {
    Display* const display = Connection();
    if (display == nullptr || window.empty()) {
        return std::nullopt;
    }
    const IgnoredXErrors ignored(display);
    const Window id = std::stoul(window);
    XWindowAttributes attributes{};
    Window child = None;
    int x = 0;
    int y = 0;
    if (XGetWindowAttributes(display, id, &attributes) == 0 ||
        XTranslateCoordinates(display, id, DefaultRootWindow(display), 0, 0, &x, &y, &child) == 0) {
        return std::nullopt;
    }
    return ScreenBox{x, y, attributes.width, attributes.height};
}

std::optional<unsigned> ScreenPixel(int x, int y) {
    Display* const display = Connection();
    if (display == nullptr) {
        return std::nullopt;
    }
    const IgnoredXErrors ignored(display);
    XImage* const image =
        XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return std::nullopt;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    // The virtual X server's 24-bit screen keeps red, green and blue in this order.
    return static_cast<unsigned>(pixel & 0xFFFFFF);
}

std::optional<ScreenBox> PopupThatStays(int limit_seconds) {
    WaitFor(PopupShows, limit_seconds);
    PauseBriefly(kPopupSettleLooks);
    return TopPopup();
}

std::string ClipboardText() {
    return CommandOutput("xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null");
}

void SetClipboardText(const std::string& text) {
    char path[] = "/tmp/parcelio-clipboard-XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0) {
        return;
    }
    close(descriptor);
    std::ofstream(path, std::ios::binary) << text;
    // xclip stays in the background to serve the text; its output goes nowhere, so that this
    // command does not wait for it.
    CommandOutput("xclip -selection clipboard -t UTF8_STRING -i " + std::string(path) +
                  " >/dev/null 2>&1");
    unlink(path);
}
