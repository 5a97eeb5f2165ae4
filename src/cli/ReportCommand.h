// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const ReportHelp;
// zindle-cli report DESIGN OUT.pdf
int reportCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
