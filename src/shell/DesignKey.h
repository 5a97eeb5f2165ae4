// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tool window's result depends on: the current design's inputs (as the live results
// see them), which list entry it is and its name, and the track calibration runs are made
// with. A result whose key is not the current one is of another design, or an older state.

#include "app/LiveResults.h"

namespace zindle {

inline QByteArray currentDesignKey(const Workspace &ws)
{
    return liveInputKey(ws) + QByteArray::number(ws.list.CurrentDesign) + '\0' +
           ws.list.shownName(ws.list.CurrentDesign).toUtf8() + '\0' +
           QByteArray::number(ws.trackFactors.friction.value_or(-1.0f)) + '\0' +
           QByteArray::number(ws.trackFactors.springEfficiency);
}

} // namespace zindle
