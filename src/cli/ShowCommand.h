// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"

#include <QTextStream>

namespace zindle::cli {

// The whole current design, one Key=Value line per item.
void printDesign(const Workspace &workspace, QTextStream &out);

} // namespace zindle::cli
