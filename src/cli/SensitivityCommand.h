// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const SensitivityHelp;
// zindle-cli sensitivity DESIGN [--json] [--chart F]
int sensitivityCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
