// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const SweepHelp;
// zindle-cli sweep DESIGN [--width F:T:S] [--length F:T:S] [--wheel F:T:S] [--json]
int sweepCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
