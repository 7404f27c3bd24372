// Programs run as child processes of a test (the built program, parcelio-batch, helper
// programs), and shell commands whose output a test reads. The one place of the tests' harness
// with POSIX process calls.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ChildProcess {
    int pid = -1;
};

// How a child starts: its arguments, "NAME=value" entries added to the test's environment, the
// files its standard streams read and write, and its working folder. An empty file or folder
// leaves the test's own.
struct ChildSetup {
    std::vector<std::string> arguments = {};
    std::vector<std::string> extra_environment = {};
    std::string input_file = {};
    std::string output_file = {};
    std::string error_file = {};
    std::string folder = {};
};

// Nothing when the program cannot be started.
std::optional<ChildProcess> StartProgram(const std::string& program, const ChildSetup& setup);

struct ChildEnd {
    std::optional<int> status;  // exit status; nothing when it ended by a signal or hung
    int signal = 0;             // the signal that ended it, 0 when none did
};

// Waits up to limit_seconds for the child to end; a child still running then is killed.
ChildEnd WaitForEnd(const ChildProcess& child, int limit_seconds);

// Whether the child has ended; it stays to be waited for.
bool HasEnded(const ChildProcess& child);

// Sends the child a signal (SIGKILL ends it at once, SIGINT is Ctrl+C in its terminal).
void SignalProgram(const ChildProcess& child, int signal);

// Runs command with the shell; its standard output, without a final line break.
std::string CommandOutput(const std::string& command);

// Waits tenths of a second (one between two looks at what another process does).
void PauseBriefly(int tenths = 1);

// Looks at condition ten times a second for up to limit_seconds; whether it held.
bool WaitFor(const std::function<bool()>& condition, int limit_seconds = 10);
