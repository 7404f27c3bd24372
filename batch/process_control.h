// What parcelio-batch needs of the process it runs in: whether standard error is a terminal,
// and holding interrupts off while an output file is put in place.
#pragma once

bool StandardErrorIsTerminal();

// Between these two calls an interrupt (Ctrl+C) or termination request waits; it takes effect
// when they are released, so it never cuts a file rename in half.
void HoldInterrupts();
void ReleaseInterrupts();
