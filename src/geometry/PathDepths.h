// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How deep each path of a cut shape lies: inside how many of the shape's other paths. A path
// at an odd depth bounds a hole, one at an even depth bounds material (odd-even, as the
// shape's material is filled). Cut deepest first, nothing is cut from a piece that has already
// come loose.

#include "geometry/CutParts.h"

#include <vector>

namespace zindle {

struct PathDepths {
    std::vector<int> contours, circles; // per path, in the shape's order
    static bool isHole(int depth) { return depth % 2 == 1; }
};
PathDepths PathDepthsOf(const CutShape &shape);

} // namespace zindle
