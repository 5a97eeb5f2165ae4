// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outline drawing tool without widgets: turns presses, moves, releases and double-clicks on
// the sheet into recorded points, and tells the caller which lines to draw. The window paints
// the lines (the rubber band in NOT-XOR mode) and runs the Design refresh when asked.

#include "geometry/SheetScale.h"
#include "model/DesignRecord.h"

#include <QPoint>
#include <vector>

namespace zindle {

// A pending outline with the four parallel copies every outline point has.
struct PendingOutline {
    std::vector<QPoint> stored, screen, preview, printer;
    int count() const { return static_cast<int>(stored.size()); }
    void clear();
};

enum class OutlineTarget { Outer, Inner };
enum class SheetCursor { Arrow, HandPoint, NoDrop, HorizontalResize };

struct SheetLine {
    QPoint from, to;
    bool notXor = false; // the rubber band is drawn (and erased) in NOT-XOR mode
};

class OutlineTool {
public:
    bool drawing() const { return drawing_; }
    OutlineTarget target() const { return target_; }
    bool penDown() const { return penDown_; }
    const PendingOutline &pending(OutlineTarget which) const
    {
        return which == OutlineTarget::Outer ? outerPending_ : innerPending_;
    }

    // The drawing button: starts drawing (emptying the pending outline) when idle.
    void start(OutlineTarget which);
    // Leaves the drawing state; the pending points stay until drawing starts again.
    void finish();

    // Each handler returns whether the drawing branch took the event; when it did not, the
    // window tries its next tool. Lines to draw are appended to `lines`.
    bool press(QPoint pixel, const SheetScale &scale);
    bool move(QPoint pixel, const SheetScale &scale, std::vector<SheetLine> &lines, SheetCursor &cursor);
    bool release(QPoint pixel, const SheetScale &scale, std::vector<SheetLine> &lines);
    // Finishes drawing and, with more than four recorded points, commits them as the outline.
    // Returns whether a drawing was finished (the window then refreshes Design mode);
    // `committed` tells whether the outline was replaced.
    bool doubleClick(DesignRecord &design, bool &committed);
    // Cancel: empties both pending outlines and finishes drawing. Committed outlines stay.
    void cancel();

private:
    PendingOutline &active() { return target_ == OutlineTarget::Outer ? outerPending_ : innerPending_; }
    void record(QPoint pixel, const SheetScale &scale);

    bool drawing_ = false;
    OutlineTarget target_ = OutlineTarget::Outer;
    bool penDown_ = false;
    QPoint segmentStart_, rubberEnd_;
    PendingOutline outerPending_, innerPending_;
};

} // namespace zindle
