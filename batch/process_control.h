// What parcelio-batch needs of the process it runs in: its arguments, what its standard streams
// are connected to, a Windows console's wide-character output, and holding interrupts off
// while an output file is put in place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Makes the standard streams carry bytes unchanged (Windows would turn LF into CR LF) and, on
// Windows, lets Ctrl+C wait while interrupts are held. Called first.
void PrepareProcess();

// The command line without the program's name. POSIX: the bytes as given. Windows: read as
// wide characters, whatever the ANSI code page, and given as UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);
// Whether ProgramArguments gives UTF-8 whatever --encoding says.
bool ArgumentsAreUtf8();

enum class StandardStream { kOutput, kError };

// What a standard stream is connected to: not a terminal (a file, a pipe), a terminal that
// shows GBK or UTF-8 bytes (by its locale's character set), or a Windows console, which is
// written in wide characters.
enum class TerminalKind { kNone, kGbk, kUtf8, kWideConsole };
TerminalKind StreamTerminal(StandardStream stream);

// Writes UTF-8 text to a stream whose kind is kWideConsole through the console's wide-character
// output. False when it could not all be written (and on POSIX, which has no such console).
bool WriteWideConsole(StandardStream stream, std::string_view utf8_text);

// Between these two calls an interrupt (Ctrl+C) or termination request waits; it takes effect
// when they are released, so it never cuts a file rename in half.
void HoldInterrupts();
void ReleaseInterrupts();
