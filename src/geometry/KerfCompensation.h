// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cutting tool removes a strip of material as wide as its kerf, centred on the path it
// follows. So that the part comes out at its drawn size, the tool follows a path half a kerf
// outside every edge of material: outer boundaries grow by half the kerf, holes (the chamber,
// the axle holes) shrink by half the kerf. Circles stay circles, with the radius changed.

#include "geometry/CutParts.h"

namespace zindle {

// The paths a tool of `kerfIn` inches must follow to cut `shape` at its size. Which contour or
// circle bounds material and which bounds a hole follows from nesting (odd-even), as in the
// shape itself. Corners stay sharp (mitred). A hole no wider than the kerf is left out: the
// tool's own cut opens it. A kerf that is not positive leaves the shape as it is.
CutShape KerfCompensated(const CutShape &shape, double kerfIn);

} // namespace zindle
