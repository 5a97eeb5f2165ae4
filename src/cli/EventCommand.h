// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const EventHelp;
// zindle-cli event new|schedule|record|standings|enter|withdraw ...: a class's race day
int eventCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
