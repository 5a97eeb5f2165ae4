// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The material of each part of the current design, with an out-of-range index (a catalogue
// changed under the design) falling back to the built-in entry instead of reading past the list.

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"

namespace zindle {

inline const BoardMaterial &boardOf(const DesignRecord &design, const MaterialCatalogue &catalogue,
                                    Part part)
{
    const int i = design.MatIndex[static_cast<size_t>(part)];
    return catalogue.boards[i >= 0 && i < static_cast<int>(catalogue.boards.size()) ? i : 0];
}

inline const AxleMaterial &axleOf(const DesignRecord &design, const MaterialCatalogue &catalogue,
                                  Part part)
{
    const int i = design.MatIndex[static_cast<size_t>(part)];
    return catalogue.axles[i >= 0 && i < static_cast<int>(catalogue.axles.size()) ? i : 0];
}

inline const SpringMaterial &springOf(const DesignRecord &design, const MaterialCatalogue &catalogue)
{
    const int i = design.MatIndex[SpringPart];
    return catalogue.springs[i >= 0 && i < static_cast<int>(catalogue.springs.size()) ? i : 0];
}

inline const TreadMaterial &treadOf(const DesignRecord &design, const MaterialCatalogue &catalogue)
{
    const int i = design.MatIndex[TreadPart];
    return catalogue.treads[i >= 0 && i < static_cast<int>(catalogue.treads.size()) ? i : 0];
}

} // namespace zindle
