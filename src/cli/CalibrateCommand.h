// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const CalibrateHelp;
// zindle-cli calibrate FOLDER --track T [--json]
int calibrateCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
