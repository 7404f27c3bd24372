// Whole-file read and write for the number-list import and the result export.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "text/text_ops.h"

// All bytes of a regular file. Nothing when the path is missing, not a regular file (a folder,
// a device) or cannot be read; an empty file gives an empty byte array.
std::optional<ByteArray> ReadWholeFile(const std::filesystem::path& path);

// A whole-file read that refuses files larger than a limit without reading them.
enum class ReadOutcome { kRead, kTooLarge, kUnreadable };
struct LimitedRead {
    ReadOutcome outcome = ReadOutcome::kUnreadable;
    ByteArray bytes;  // every byte of the file when outcome is kRead, else empty
};
// As ReadWholeFile, but a file of more than max_bytes gives kTooLarge: its size is checked
// before reading, and a file that grows past the limit while it is read is refused as well.
LimitedRead ReadFileUpTo(const std::filesystem::path& path, std::uintmax_t max_bytes);

// Writes bytes to a new temporary file beside path, then renames it over path, so a failed
// write never leaves a half-written file and an existing file keeps its content. A path that
// names a folder or a file that may not be written is left alone. Returns whether the whole
// write and the rename succeeded; on failure no temporary file remains. A replaced file keeps
// its permissions; a path that is a symbolic link has the file it leads to replaced.
bool WriteWholeFile(const std::filesystem::path& path, const ByteArray& bytes);
