// Windows: binary standard streams, the wide command line, console detection and the
// console's wide-character output, and a Ctrl+C handler that waits while interrupts are held.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "batch/process_control.h"

namespace {

// Held by the main thread while an output file is put in place; the console's control handler
// (a thread of its own) takes it before letting the default handler end the process.
SRWLOCK interrupt_lock = SRWLOCK_INIT;

// Ends the process as the console's default handler does, once no file is being put in place.
BOOL WINAPI EndWhenNotHeld(DWORD) {
    AcquireSRWLockExclusive(&interrupt_lock);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

std::string Utf8FromWide(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();  // the terminating zero
    return text;
}

HANDLE StreamHandle(StandardStream stream) {
    return GetStdHandle(stream == StandardStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

}  // namespace

void PrepareProcess() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleCtrlHandler(&EndWhenNotHeld, TRUE);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + 1, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int index = 1; index < count; ++index) {
        arguments.push_back(Utf8FromWide(wide[index]));
    }
    LocalFree(wide);
    return arguments;
}

bool ArgumentsAreUtf8() {
    return true;
}

TerminalKind StreamTerminal(StandardStream stream) {
    DWORD mode = 0;
    const HANDLE handle = StreamHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetConsoleMode(handle, &mode) == 0) {
        return TerminalKind::kNone;
    }
    return TerminalKind::kWideConsole;
}

bool WriteWideConsole(StandardStream stream, std::string_view utf8_text) {
    if (utf8_text.empty()) {
        return true;
    }
    const int size = static_cast<int>(utf8_text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8_text.data(), size, nullptr, 0);
    if (length <= 0) {
        return false;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8_text.data(), size, wide.data(), length);
    const HANDLE handle = StreamHandle(stream);
    std::fflush(stream == StandardStream::kOutput ? stdout : stderr);
    // A console takes a limited amount in one call: written in pieces.
    constexpr std::size_t kPiece = 8192;
    for (std::size_t done = 0; done < wide.size();) {
        const auto piece = static_cast<DWORD>(std::min(kPiece, wide.size() - done));
        DWORD written = 0;
        if (WriteConsoleW(handle, wide.data() + done, piece, &written, nullptr) == 0 ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

void HoldInterrupts() {
    AcquireSRWLockExclusive(&interrupt_lock);
}

void ReleaseInterrupts() {
    ReleaseSRWLockExclusive(&interrupt_lock);
}
