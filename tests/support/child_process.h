// The built program as a child process of a test, and shell commands whose output a test
// reads (the X input tool). The one place of the end-to-end tests with POSIX-only calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ChildProcess {
    int pid = -1;
};

// Starts program with arguments and the test's environment plus extra "NAME=value" entries; its
// standard error goes to error_file. Nothing when it cannot be started.
std::optional<ChildProcess> StartProgram(const std::string& program,
                                         const std::vector<std::string>& extra_environment,
                                         const std::string& error_file,
                                         const std::vector<std::string>& arguments = {});

// Waits up to limit_seconds for the child to end and gives its exit status; nothing when it
// did not end normally or in time, and then it is killed.
std::optional<int> WaitForExit(const ChildProcess& child, int limit_seconds);

// Whether the child has ended; it stays to be waited for.
bool HasEnded(const ChildProcess& child);

// Ends the child at once if it still runs.
void KillProgram(const ChildProcess& child);

// Runs command with the shell; its standard output, without a final line break.
std::string CommandOutput(const std::string& command);

// Waits a tenth of a second between two looks at what another process does.
void PauseBriefly();
