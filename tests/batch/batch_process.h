// parcelio-batch run as a child process of a test, with its standard input, output and error
// in files of a temporary folder. The one place of these tests with POSIX-only calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct BatchOutcome {
    std::optional<int> status;  // exit status; nothing when it ended by a signal or hung
    int signal = 0;             // the signal that ended it, 0 when none did
    std::string output;         // standard output's bytes
    std::string errors;         // standard error's bytes
};

struct BatchChild {
    int pid = -1;
    std::string output_file;
    std::string error_file;
};

// Starts parcelio-batch with arguments, standard input, and the test's environment plus extra
// "NAME=value" entries, in folder (which holds its files). Nothing when it cannot be started.
std::optional<BatchChild> StartBatch(const std::vector<std::string>& arguments,
                                     const std::string& standard_input,
                                     const std::vector<std::string>& extra_environment,
                                     const std::string& folder);

// Waits up to limit_seconds for the child to end (then kills it) and reads what it wrote.
BatchOutcome FinishBatch(const BatchChild& child, int limit_seconds);

// Starts, waits and reads in one go.
BatchOutcome RunBatch(const std::vector<std::string>& arguments, const std::string& standard_input,
                      const std::vector<std::string>& extra_environment, const std::string& folder);

// Sends the child an interrupt, as Ctrl+C in its terminal does.
void InterruptBatch(const BatchChild& child);

// Runs parcelio-batch with arguments (no shell quoting needed in them) on a terminal of its
// own (a pseudo-terminal) and gives what the terminal shows at the end, line by line.
std::string TerminalTranscript(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& extra_environment);
