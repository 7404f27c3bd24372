// How parcelio-batch writes: the character set of its output and of the texts given on its
// command line, a standard stream at once or an output file put in place whole (as a run's
// output does, run_output.h), its exit statuses and complaints, and the progress line and the
// summary it shows on a terminal.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_options.h"
#include "batch/process_control.h"
#include "runs/parcel_state.h"
#include "text/text_ops.h"

inline constexpr int kAllAnswered = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kBadUsage = 2;

// How text reaches a stream or the output file.
struct StreamCharset {
    bool utf8 = false;     // UTF-8 bytes rather than GBK
    bool console = false;  // through a Windows console's wide-character output (of the UTF-8)

    bool operator==(const StreamCharset&) const = default;
};

// The character set named by --encoding, as bytes also on a terminal; without it a terminal's
// own (UTF-8 bytes under a UTF-8 locale, a Windows console's wide characters), and GBK for
// anything that is not a terminal.
StreamCharset ChooseCharset(Encoding encoding, TerminalKind terminal);

// The bytes to write for a GBK text: GBK, the program's own, or UTF-8 for terminals that are
// not GBK. In UTF-8 a text that does not convert (bytes that are no GBK) is written unchanged
// rather than lost.
ByteArray OutputBytes(std::string_view gbk_text, bool utf8);

// A command-line text as GBK: unchanged for GBK, converted from UTF-8 otherwise; nothing when
// it is not valid UTF-8 or holds a character GBK cannot represent.
std::optional<Text> ArgumentText(std::string_view argument, bool utf8);

// The GBK texts a command-line text may stand for, the likelier first: in the character set
// --encoding names, or the UTF-8 one when the arguments come as UTF-8 (Windows); without
// --encoding the bytes as given (GBK) and then, when they are UTF-8, their conversion.
std::vector<Text> ArgumentReadings(std::string_view argument, Encoding encoding,
                                   bool arguments_utf8);

// A path given on the command line (UTF-8 on Windows, the bytes as given on POSIX).
std::filesystem::path ArgumentPath(const std::string& argument);

// A message naming the problem when the output file cannot be written where it is asked for
// (its folder is missing, or the path is a folder); nothing when it can be tried.
std::optional<std::string> OutputPathProblem(const std::string& path);

// Writes bytes to a standard stream at once. False when they could not all be written.
bool WriteStream(StandardStream stream, const ByteArray& bytes, const StreamCharset& charset);

// Writes the whole output file through a temporary file and a rename, like the window's export,
// with interrupts held off, so an interrupt leaves either the old file or the whole new one.
// False when it could not be written.
bool WriteOutputFile(const std::string& path, const ByteArray& bytes);

// Names the problem on standard error; returns kBadUsage.
int ReportUsageError(const std::string& message);
int ReportWriteError(const std::string& target);

// The character set of messages on standard error.
StreamCharset ErrorCharset(const BatchOptions& options);

// "done/total numbers, F failed, R/s, M:SS left" for a run that has queried done of total
// numbers in elapsed_ms; rate and time left read "--" until the first number is answered.
std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed,
                         long long elapsed_ms);

// How many parcels of a run are in each state, by ParcelState.
using StateCounts = std::array<std::size_t, kParcelStates.size()>;

// The summary at the end of a run (GBK): the number of parcels, then the count of each state
// that occurred, in the order of ParcelState, e.g. "300 个单号：已签收 212，待取件 31，问题件 6".
Text StateSummary(const StateCounts& counts);

// What to write to a terminal to put line in place of the one shown before (shown_width
// characters long, 0 when none): a carriage return, the line, and spaces over what is left of
// the old one. Spaces rather than an erase sequence, which not every console knows.
std::string ProgressRedraw(std::string_view line, std::size_t shown_width);
