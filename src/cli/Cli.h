#pragma once
// zindle-cli: the headless front end. Exit status 0 on success, 1 when a file cannot be read or
// written, 2 for bad usage.

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

enum ExitCode { Success = 0, FileFailure = 1, UsageFailure = 2 };

int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
