// POSIX: the arguments as given, the terminal test with the locale's character set, and the
// signal mask.
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>

#include "batch/process_control.h"

namespace {

sigset_t InterruptSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    return signals;
}

// The character set of the locale the environment names (LC_ALL, LC_CTYPE, LANG), read without
// changing the program's own locale.
bool LocaleIsUtf8() {
    const locale_t chosen = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (chosen == static_cast<locale_t>(0)) {
        return false;
    }
    const bool utf8 = std::strcmp(nl_langinfo_l(CODESET, chosen), "UTF-8") == 0;
    freelocale(chosen);
    return utf8;
}

}  // namespace

void PrepareProcess() {}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

bool ArgumentsAreUtf8() {
    return false;
}

TerminalKind StreamTerminal(StandardStream stream) {
    const int descriptor = stream == StandardStream::kOutput ? STDOUT_FILENO : STDERR_FILENO;
    if (isatty(descriptor) != 1) {
        return TerminalKind::kNone;
    }
    return LocaleIsUtf8() ? TerminalKind::kUtf8 : TerminalKind::kGbk;
}

bool WriteWideConsole(StandardStream, std::string_view) {
    return false;
}

void HoldInterrupts() {
    const sigset_t signals = InterruptSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);
}

void ReleaseInterrupts() {
    const sigset_t signals = InterruptSignals();
    sigprocmask(SIG_UNBLOCK, &signals, nullptr);
}
