// How parcelio-batch writes: the character set of its output and of the texts given on its
// command line, standard output as the rows come or one output file put in place whole at the
// end, its exit statuses and complaints, and the progress line it shows on a terminal.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "batch/batch_options.h"
#include "runs/row_cells.h"
#include "text/text_ops.h"

inline constexpr int kAllAnswered = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kBadUsage = 2;

// The bytes to write for a GBK text: GBK, the program's own, or UTF-8 for terminals that are
// not GBK. In UTF-8 a text that does not convert (bytes that are no GBK) is written unchanged
// rather than lost.
ByteArray OutputBytes(std::string_view gbk_text, bool utf8);

// A command-line text as GBK: unchanged for GBK, converted from UTF-8 otherwise; nothing when
// it is not valid UTF-8 or holds a character GBK cannot represent.
std::optional<Text> ArgumentText(std::string_view argument, bool utf8);

// A message naming the problem when the output file cannot be written where it is asked for
// (its folder is missing, or the path is a folder); nothing when it can be tried.
std::optional<std::string> OutputPathProblem(const std::string& path);

// Writes bytes to standard output at once. False when they could not all be written.
bool WriteStandardOutput(const ByteArray& bytes);

// Writes the whole output file through a temporary file and a rename, like the window's export,
// with interrupts held off, so an interrupt leaves either the old file or the whole new one.
// False when it could not be written.
bool WriteOutputFile(const std::string& path, const ByteArray& bytes);

// Names the problem on standard error; returns kBadUsage.
int ReportUsageError(const std::string& message);
int ReportWriteError(const std::string& target);

// Writes the whole output (GBK) at once, to the output file or standard output, in the chosen
// character set. Returns status, or kBadUsage when it could not be written.
int DeliverOrReport(const BatchOptions& options, std::string_view gbk_text, int status);

// Rows in the export format: cells joined by single spaces, each row ended by CR LF.
Text RowsText(const RowCellsList& rows);

// "done/total numbers, F failed, R/s, M:SS left" for a run that has queried done of total
// numbers in elapsed_ms; rate and time left read "--" until the first number is answered.
std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed,
                         long long elapsed_ms);
