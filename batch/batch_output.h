// Where parcelio-batch writes: standard output as the rows come, or one output file put in
// place whole at the end, through a temporary file and a rename like the window's export.
#pragma once

#include <optional>
#include <string>

#include "text/text_ops.h"

// A message naming the problem when the output file cannot be written where it is asked for
// (its folder is missing, or the path is a folder); nothing when it can be tried.
std::optional<std::string> OutputPathProblem(const std::string& path);

// Writes bytes to standard output at once. False when they could not all be written.
bool WriteStandardOutput(const ByteArray& bytes);

// Writes the whole output file with interrupts held off, so an interrupt leaves either the old
// file or the whole new one. False when it could not be written.
bool WriteOutputFile(const std::string& path, const ByteArray& bytes);
