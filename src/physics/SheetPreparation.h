// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part regions of the workspace, rebuilt from the design as built now, with the overlap
// facts taken right after. RescaleDesign: outline copies from the stored points, then all parts
// with the rescale radii. RebuildPartRegions: the Design redraw's builders with the redraw
// radii. Printer regions are built only when `withPrinter` is set (the printing pass). The
// physics modes draw and test only screen regions and pass `screenOnly`, which skips the
// preview and point-unit sets: preparing the sheet is most of a refresh's cost, and the Power
// Designer refreshes once per combination.
// Reads: design, materials, scale, CaseIDEF, CaseOuterDEF, Workspace::build.DriveAxleHeightPt.
// Writes: Workspace::regions, the outline copies, Workspace::overlaps.

namespace zindle {

struct PhysicsState;

void RescaleDesign(PhysicsState &workspace, bool withPrinter = false, bool screenOnly = false);
void RebuildPartRegions(PhysicsState &workspace, bool withPrinter = false);
// The overlap facts of the regions as they stand.
void UpdateOverlapFacts(PhysicsState &workspace);

} // namespace zindle
