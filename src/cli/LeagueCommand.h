// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const LeagueHelp;
// zindle-cli league FILE|FOLDER... [--csv OUT] [--json] [--html OUT] [--pdf OUT] [--heats] [--threads N]
int leagueCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
