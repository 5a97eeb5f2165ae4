// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interrupt.h"

#include <csignal>
#include <unistd.h>

namespace zindle::cli {

namespace {

// A signal handler can only leave a flag behind; this is the one process-wide state of the
// command line, and only the handler writes it.
volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    if (interrupted)
        _exit(130);
    interrupted = 1;
}

} // namespace

void installInterruptHandler()
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool interruptRequested() { return interrupted != 0; }

} // namespace zindle::cli
