// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const TolerancesHelp;
// zindle-cli tolerances DESIGN [--samples N] [--seed S] [--threads N] [--tolerance NAME=VALUE]...
//                              [--json] [--chart F]
int tolerancesCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
