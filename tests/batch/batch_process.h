// parcelio-batch run as a child process of a test, with its standard input, output and error in
// files of a folder, and its output read back by readers that are not ours.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

struct BatchOutcome : ChildEnd {
    std::string output;  // standard output's bytes
    std::string errors;  // standard error's bytes
};

struct BatchChild {
    ChildProcess process;
    std::string folder;  // holds its standard streams' files
};

// Starts parcelio-batch with arguments, standard input, and the test's environment plus extra
// "NAME=value" entries, in folder. Nothing when it cannot be started.
std::optional<BatchChild> StartBatch(const std::vector<std::string>& arguments,
                                     const std::string& standard_input,
                                     const std::vector<std::string>& extra_environment,
                                     const std::string& folder);

// Waits up to limit_seconds for the child to end (then kills it) and reads what it wrote.
BatchOutcome FinishBatch(const BatchChild& child, int limit_seconds);

// Starts, waits and reads.
BatchOutcome RunBatch(const std::vector<std::string>& arguments, const std::string& standard_input,
                      const std::vector<std::string>& extra_environment, const std::string& folder);

// Runs parcelio-batch with arguments (no shell quoting needed in them) on a terminal of its
// own (a pseudo-terminal) and gives what the terminal shows at the end, line by line.
std::string TerminalTranscript(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& extra_environment);

// Each csv row's cells, joined by '|', read from GBK by Python's csv module (strict quoting).
// Nothing when the bytes are no GBK csv.
std::optional<std::vector<std::string>> CsvRowsReadBack(const std::string& bytes);

// Each jsonl object's values number|ok|message|time|context|state|state_text, then |error when
// error is not null, strings as GBK texts, null as "(null)", read by Python's json module
// (strict UTF-8). Nothing when a line is no object with exactly those keys in that order, the
// bytes are no UTF-8, or the last line has no LF.
std::optional<std::vector<std::string>> JsonlObjectsReadBack(const std::string& bytes);
