// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing a design file into the workspace, all or nothing: the file is read into a scratch
// copy, and the workspace's design and catalogue change only when the whole file was read. A
// file that breaks off, a file of another program or an unreadable one leaves the design the
// student had, so that the next Save cannot write an empty car over their file.

#include "files/FileErrors.h"
#include "model/DesignState.h"

#include <QString>
#include <functional>

namespace zindle {

// Runs `read` on a scratch state prepared as every read starts (default parameters, no user
// materials, no outlines, no weights) and takes its design and catalogue into `state` only
// when the read succeeded. The list is never touched.
ReadOutcome ReadAllOrNothing(DesignState &state, const std::function<ReadOutcome(DesignState &)> &read);

// A design file in whichever layout it is in: the binary layout, or one of the text layouts of
// earlier releases (which share the extension). A file of the oldest layout carries no name;
// the outcome then names it after the file.
ReadOutcome ReadDesignFileOfAnyLayout(DesignState &state, const QString &path);

} // namespace zindle
