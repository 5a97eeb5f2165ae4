// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a design's items into the current design and catalogue, in file order, from either
// layout. A fault stops the read with DesignFileError; what was read before it stays.

#include "ItemSource.h"
#include "model/DesignState.h"

namespace zindle {

// Items 3 to 13 of a version-3 design (after the version block); returns the design name.
QString ReadDesign(ItemSource &source, DesignState &workspace);

// The still older layout without a version block and without a name.
void ReadOlderDesign(ItemSource &source, DesignState &workspace);

} // namespace zindle
