// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const PortfolioHelp;
// zindle-cli portfolio DESIGN OUT.pdf [--challenge C.json] [--page a4|letter]
int portfolioCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
