// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const OptimiseHelp;
// zindle-cli optimise DESIGN --vary P,P... [--range P:LOW:HIGH]... [--goal G] [--max-mass M]
//                    [--no-skid] [--no-advisory] [--seed S] [--evaluations N] [--threads N]
//                    [--json] [--out FILE]
int optimiseCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
