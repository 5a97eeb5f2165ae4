// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const EnergyHelp;
// zindle-cli energy DESIGN [--json]
int energyCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
