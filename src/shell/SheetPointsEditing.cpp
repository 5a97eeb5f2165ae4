// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Points...: typed outlines go into the design the way a drawn one does, as one step named
// like the drawing, so Undo treats both alike.

#include "DesignPanel.h"
#include "MainWindow.h"
#include "SheetEditing.h"
#include "dialogs/PointsDialog.h"

#include <QToolButton>

namespace zindle {

void SheetEditing::EditPoints()
{
    if (!points_)
        points_ = std::make_unique<PointsDialog>(window_.prompter(), &window_);
    const DesignRecord &design = window_.workspace().design;
    // The inner layer is drawn inside an outer one: the dialog offers it when the Inner tool would.
    const QToolButton *innerTool = panel_.toolButton("DrawInnerBtn");
    const bool innerAllowed = design.OuterCount() > 4 || (innerTool && innerTool->isEnabled());
    points_->prepare(design.OuterPts, design.InnerPts, innerAllowed, PointsLayer::Outer);
    if (window_.runModalDialog(*points_) != QDialog::Accepted)
        return;

    const bool outer = points_->layer() == PointsLayer::Outer;
    DesignEdit edit = window_.history().begin();
    DesignRecord &changed = window_.workspace().design;
    (outer ? changed.OuterPts : changed.InnerPts) = points_->points();
    window_.workspace().MarkDesignChanged();
    if (outer) {
        for (const char *name : {"DrawInnerBtn", "ClearInnerBtn"})
            if (QToolButton *tool = panel_.toolButton(name))
                tool->setEnabled(true);
    }
    designRefresh();
    edit.commit(outer ? QStringLiteral("Draw outer layer") : QStringLiteral("Draw inner layer"));
}

} // namespace zindle
