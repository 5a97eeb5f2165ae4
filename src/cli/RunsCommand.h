// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const RunsHelp;
// zindle-cli runs add|list|remove ...: the measured runs in the class's logbook
int runsCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
