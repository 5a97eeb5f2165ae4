// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+C during a long command: the first press asks the command to stop at its next boundary
// and print what it has so far; a second press ends the program at once.

namespace zindle::cli {

void installInterruptHandler();
bool interruptRequested();

} // namespace zindle::cli
