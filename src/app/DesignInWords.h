// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing sheet as a screen reader says it: the body's size and outline, the cut-out, the
// wheels and axles, the spring, the drive and the weights, in the design's own number texts.
#include "model/DesignRecord.h"
#include <QString>

namespace zindle {

QString DesignInWords(const DesignRecord &design, const QString &name);

} // namespace zindle
