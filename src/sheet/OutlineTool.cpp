// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutlineTool.h"

#include "model/NumberText.h"

namespace zindle {

void PendingOutline::clear()
{
    stored.clear();
    screen.clear();
    preview.clear();
    printer.clear();
}

void OutlineTool::start(OutlineTarget which)
{
    if (drawing_)
        return;
    target_ = which;
    active().clear();
    penDown_ = false;
    drawing_ = true;
}

void OutlineTool::finish() { drawing_ = false; }

bool OutlineTool::press(QPoint pixel, const SheetScale &scale)
{
    if (!drawing_ || !scale.DrawAreaRegion.contains(pixel))
        return false;
    penDown_ = true;
    segmentStart_ = pixel;
    rubberEnd_ = pixel;
    return true;
}

bool OutlineTool::move(QPoint pixel, const SheetScale &scale, std::vector<SheetLine> &lines,
                       SheetCursor &cursor)
{
    if (!drawing_)
        return false;
    const bool inside = scale.DrawAreaRegion.contains(pixel);
    cursor = inside ? SheetCursor::HandPoint : SheetCursor::NoDrop;
    if (penDown_ && inside) {
        lines.push_back({segmentStart_, rubberEnd_, true}); // erases the previous band
        lines.push_back({segmentStart_, pixel, true});
        rubberEnd_ = pixel;
    }
    return true;
}

void OutlineTool::record(QPoint pixel, const SheetScale &scale)
{
    PendingOutline &outline = active();
    const QPoint stored = scale.pixelToSheet(pixel.x(), pixel.y());
    outline.stored.push_back(stored);
    outline.screen.push_back({pixel.x() - scale.SheetOffsetX, pixel.y()});
    outline.printer.push_back(scale.pixelToPrinter(pixel.x(), pixel.y()));
    outline.preview.push_back(scale.toPreview(stored));
}

bool OutlineTool::release(QPoint pixel, const SheetScale &scale, std::vector<SheetLine> &lines)
{
    if (!drawing_ || !penDown_ || !scale.DrawAreaRegion.contains(pixel))
        return false;
    lines.push_back({segmentStart_, pixel, false});
    // Points arrive in pairs, so a pending outline is always even and either both ends of a
    // segment fit or neither does: past 256 points the segment is drawn but not recorded.
    if (active().count() + 2 <= MaxOutlinePoints) {
        record(segmentStart_, scale);
        record(pixel, scale);
    }
    return true;
}

bool OutlineTool::doubleClick(DesignRecord &design, bool &committed)
{
    committed = false;
    if (!drawing_)
        return false;
    finish();
    const PendingOutline &outline = active();
    if (outline.count() > 4) {
        if (target_ == OutlineTarget::Outer)
            design.OuterPts = outline.stored;
        else
            design.InnerPts = outline.stored;
        committed = true;
    }
    return true;
}

void OutlineTool::cancel()
{
    outerPending_.clear();
    innerPending_.clear();
    finish();
}

} // namespace zindle
