// POSIX and X11 only: how long a program takes from its start to its window on the screen.
//
//   window_start_probe WINDOW_NAME RUNS PROGRAM [ARGUMENTS...]
//
// Starts PROGRAM RUNS times, one after the other, on the X display named by DISPLAY. Each run
// measures on the monotonic clock the time from just before the process is created to the
// moment the X server maps a top-level window named WINDOW_NAME. The probe then gives the window
// a moment to paint, asks it to close as its close box does, and waits for the program to end.
// Prints each run's time in milliseconds on standard output, one line per run. Exits with 1
// when a run shows no such window within a minute, or its program ends before showing one.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <thread>

#include "text/chrono_shim.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWindowLimit = std::chrono::seconds(60);
constexpr auto kPaintPause = std::chrono::milliseconds(300);
constexpr auto kEndLimit = std::chrono::seconds(10);
constexpr auto kEndPoll = std::chrono::milliseconds(10);

// A window may be gone by the time its name is asked for; such errors are not the probe's.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

bool HasName(Display* display, Window window, std::string_view name) {
    char* fetched = nullptr;
    if (XFetchName(display, window, &fetched) == 0 || fetched == nullptr) {
        return false;
    }
    const bool same = name == fetched;
    XFree(fetched);
    return same;
}

// The next top-level window mapped with that name, or None when the program has ended first
// (it is then reaped) or at the deadline.
Window WaitForWindow(Display* display, std::string_view name, pid_t program,
                     Clock::time_point deadline, bool& program_ended) {
    const int connection = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && HasName(display, event.xmap.window, name)) {
                return event.xmap.window;
            }
        }
        program_ended = waitpid(program, nullptr, WNOHANG) == program;
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (program_ended || left.count() <= 0) {
            return None;
        }
        const auto wait_span = std::min(left, std::chrono::microseconds(kEndPoll));
        timeval wait{0, static_cast<suseconds_t>(wait_span.count())};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        select(connection + 1, &readable, nullptr, nullptr, &wait);
    }
}

// The message a window manager sends when the user clicks the close box.
void AskToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits for the program to end, and ends it by force when it does not within the limit.
void AwaitEnd(pid_t program) {
    const Clock::time_point deadline = Clock::now() + kEndLimit;
    while (waitpid(program, nullptr, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "window_start_probe: the program did not end; killing it\n");
            kill(program, SIGKILL);
            waitpid(program, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(kEndPoll);
    }
}

// Milliseconds from the start of the program to its window, or a negative value.
double TimeOneStart(Display* display, std::string_view name, char** command) {
    XSync(display, True);  // forget the events of earlier runs
    const Clock::time_point start = Clock::now();
    pid_t program = 0;
    if (posix_spawn(&program, command[0], nullptr, nullptr, command, environ) != 0) {
        std::fprintf(stderr, "window_start_probe: cannot start %s\n", command[0]);
        return -1;
    }
    bool program_ended = false;
    const Window window =
        WaitForWindow(display, name, program, start + kWindowLimit, program_ended);
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (window == None) {
        if (!program_ended) {
            kill(program, SIGKILL);
            waitpid(program, nullptr, 0);
        }
        return -1;
    }
    std::this_thread::sleep_for(kPaintPause);
    AskToClose(display, window);
    AwaitEnd(program);
    return milliseconds;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 0;
    const std::string_view runs_text = argc > 2 ? argv[2] : "";
    const auto [end, error] =
        std::from_chars(runs_text.data(), runs_text.data() + runs_text.size(), runs);
    if (argc < 4 || error != std::errc() || end != runs_text.data() + runs_text.size() ||
        runs < 1) {
        std::fprintf(stderr, "usage: window_start_probe WINDOW_NAME RUNS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window_start_probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    for (int run = 1; run <= runs; ++run) {
        const double milliseconds = TimeOneStart(display, argv[1], argv + 3);
        if (milliseconds < 0) {
            std::fprintf(stderr, "window_start_probe: run %d showed no window \"%s\"\n", run,
                         argv[1]);
            XCloseDisplay(display);
            return 1;
        }
        std::printf("%.1f\n", milliseconds);
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return 0;
}
