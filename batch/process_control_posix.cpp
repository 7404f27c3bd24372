// POSIX: the terminal test and the signal mask.
#include <signal.h>
#include <unistd.h>

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

}  // namespace

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

void HoldInterrupts() {
    const sigset_t signals = InterruptSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);
}

void ReleaseInterrupts() {
    const sigset_t signals = InterruptSignals();
    sigprocmask(SIG_UNBLOCK, &signals, nullptr);
}
