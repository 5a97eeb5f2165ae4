// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// zindle-cli: the headless front end. Exit status 0 on success, 1 when a file cannot be read or
// written, 2 for bad usage.

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

enum ExitCode { Success = 0, FileFailure = 1, UsageFailure = 2 };

int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

// "zindle-cli 4.1.0" and a line end.
QString versionText();
// The manual page in troff, made from the help texts of the program and its commands.
QString manualPage();

} // namespace zindle::cli
