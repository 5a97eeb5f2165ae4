// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const AnalyzeHelp;
// zindle-cli analyze DESIGN [--element-size N] [--json]
int analyzeCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
