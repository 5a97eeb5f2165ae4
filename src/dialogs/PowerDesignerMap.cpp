// SPDX-License-Identifier: GPL-3.0-or-later
// The Power Designer's design map: shown after a sweep, saved, and clicked, while it is still
// the design's own.
#include "PowerDesignerDialog.h"

#include "DesignMapView.h"
#include "charts/ChartFile.h"
#include "files/FileAccess.h"
#include "files/FileErrors.h"
#include "files/PathText.h"
#include "files/ReplaceQuestion.h"
#include "model/Prompter.h"
#include "app/Workspace.h"

#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <algorithm>
#include <QLabel>
#include <QPushButton>

namespace zindle {

namespace {

// The design without what a sweep writes: the three sizes, and the element size, which every
// entry into Simulate puts back to the one the sweep ran with.
DesignSnapshot withoutSweptSizes(DesignSnapshot snapshot)
{
    DesignRecord &design = snapshot.design;
    design.SpringWidth.clear();
    design.SpringLength.clear();
    design.DriveWhlDia.clear();
    design.StepSize.clear();
    return snapshot;
}

} // namespace

void PowerDesignerDialog::showMap(const QString &note)
{
    QStringList lines;
    if (last_ && last_->total > 0) {
        const qint64 total = last_->total;
        lines << (outcome_.stopped ? tr("Stopped after %1 of %2 combinations.").arg(outcome_.combinations).arg(total)
                                   : tr("%1 combinations.").arg(outcome_.combinations));
    }
    if (!note.isEmpty())
        lines << note;
    status_->setText(lines.join(QLatin1Char(' ')));

    std::optional<DesignMapGrid> grid;
    if (last_ && !last_->cells.empty() && !last_->wheelValues.empty())
        grid = sweepDesignMap(*last_, sweptName_);
    const bool allThree = last_ && !last_->cells.empty() && !last_->wheelValues.empty() && !grid;
    mapNote_->setText(allThree ? tr("The design map shows two sizes against each other: this sweep varied all three. "
                                    "Give one of them the same from and to value for a map.")
                               : QString());
    mapNote_->setVisible(allThree);
    saveMap_->setVisible(grid.has_value());
    if (!grid) {
        map_->clear();
        if (map_->isVisible()) {
            map_->hide();
            fitToScreen(false);
        }
        updateButtons();
        return;
    }
    map_->showSweep(last_, std::move(*grid));
    map_->setEnabled(true);
    if (!map_->isVisible()) {
        map_->show();
        fitToScreen(true);
    }
    // A design changed during a threaded sweep gets a map of the design as it was swept.
    followDesign();
}

void PowerDesignerDialog::SaveMapClick()
{
    const DesignMapGrid *grid = map_->grid();
    if (!grid)
        return;
    // The suggested name is a file's, so it stays English whatever the window speaks.
    const QString path = AskPathToWrite(prompter_, tr("Save design map"),
                                        {tr("PNG picture") + QStringLiteral("|*.png"),
                                         tr("SVG drawing") + QStringLiteral("|*.svg"),
                                         tr("PDF document") + QStringLiteral("|*.pdf"),
                                         tr("Times of the cells (CSV)") + QStringLiteral("|*.csv")},
                                        sweptName_ + QStringLiteral(" map.png"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    if (QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        bytes = designMapCsv(*grid);
    } else if (const std::optional<ChartFormat> format = chartFormatOf(path)) {
        bytes = renderChart(*format, QSize(900, 600), grid->title,
                            [grid](QPainter &painter, const QRectF &area) { paintDesignMap(painter, area, *grid); });
        if (bytes.isEmpty()) {
            prompter_.message(tr("The design map could not be drawn."), FileErrorCaption());
            return;
        }
    } else {
        prompter_.message(tr("A design map is saved as .png, .svg, .pdf or .csv, not as \"%1\".")
                              .arg(printableText(QFileInfo(path).fileName())),
                          FileErrorCaption());
        return;
    }
    const WriteOutcome outcome = WriteFileAtomically(path, bytes);
    if (!outcome.ok)
        prompter_.message(outcome.shownError(), FileErrorCaption());
}

void PowerDesignerDialog::takeMapOwner()
{
    mapDesign_ = withoutSweptSizes(takeSnapshot(workspace_));
    mapSlot_ = workspace_.list.CurrentDesign;
}

bool PowerDesignerDialog::mapBelongsToDesign() const
{
    return mapSlot_ == workspace_.list.CurrentDesign
           && sameDesign(mapDesign_, withoutSweptSizes(takeSnapshot(workspace_)));
}

void PowerDesignerDialog::followDesign()
{
    updateButtons();
    // A sweep writes into the design as it goes; its map is settled when it ends.
    if (sweeping_ || !map_->hasMap())
        return;
    const bool own = mapBelongsToDesign();
    map_->setEnabled(own);
    // With a map shown, the note below the buttons has nothing else to say.
    if (own) {
        mapNote_->clear();
        mapNote_->hide();
        return;
    }
    mapNote_->setText(workspace_.list.CurrentDesign == mapSlot_
                          ? tr("This map is of %1 as it was swept; the design has changed since, so its sizes "
                               "cannot go into it. Press GO for a map of the design as it is.")
                                .arg(sweptName_)
                          : tr("This map is of %1, not of the design now in the window, so its sizes cannot go "
                               "into it. Press GO for a map of this design.")
                                .arg(sweptName_));
    mapNote_->show();
}

bool PowerDesignerDialog::applyCombination(int combination)
{
    if (sweeping_ || !last_ || combination < 0 || combination >= static_cast<int>(last_->cells.size()) || !changeDesign)
        return false;
    if (!mapBelongsToDesign()) {
        followDesign();
        return false;
    }
    const SweepCell &cell = last_->cells[static_cast<size_t>(combination)];
    return putSizes(tr("Apply design map cell"), cell.width, cell.length, cell.wheel);
}

bool PowerDesignerDialog::putSizes(const QString &step, QString width, QString length, QString wheel)
{
    return changeDesign(
        step,
        [&](DesignRecord &design) {
            design.SpringWidth = std::move(width);
            design.SpringLength = std::move(length);
            design.DriveWhlDia = std::move(wheel);
        },
        ShowChange::InSimulate);
}

bool PowerDesignerDialog::bestApplies() const
{
    // The best fields are the last sweep's (a new one empties them), swept for the design
    // the map names.
    if (sweeping_ || best_.BestYet == QStringLiteral("-") || !mapBelongsToDesign())
        return false;
    const DesignRecord &design = workspace_.design;
    return design.SpringWidth != best_.BestSWYet || design.SpringLength != best_.BestSLYet
           || design.DriveWhlDia != best_.BestDWYet;
}

bool PowerDesignerDialog::UseBestClick()
{
    if (!bestApplies() || !changeDesign)
        return false;
    return putSizes(tr("Use best combination"), best_.BestSWYet, best_.BestSLYet, best_.BestDWYet);
}

void PowerDesignerDialog::ShowInSimulateClick()
{
    // The offer stays while the window cannot switch (a sheet tool in use).
    if (showSimulate)
        showSimulate();
    updateButtons();
}

void PowerDesignerDialog::updateButtons()
{
    useBest_->setEnabled(bestApplies());
    // Once the window shows Simulate there is nothing left to offer.
    if (!showsSimulate || showsSimulate())
        offerSimulate_ = false;
    showInSimulate_->setVisible(offerSimulate_ && !sweeping_ && mapBelongsToDesign());
}

void PowerDesignerDialog::fitToScreen(bool mapAppeared)
{
    layout()->invalidate();
    layout()->activate();
    QSize wanted = sizeHint();
    // Larger already, by the student's hand: kept.
    if (mapAppeared)
        wanted = wanted.expandedTo(size());
    if (const QScreen *screen = this->screen()) {
        const QRect free = screen->availableGeometry();
        // The window system's frame, or room for a title bar and borders before it is known.
        const QSize frame = (frameGeometry().size() - size()).expandedTo(QSize(16, 40));
        wanted = wanted.boundedTo(free.size() - frame).expandedTo(minimumSize());
        resize(wanted);
        // Moved back onto the screen where the larger window would reach past its edge.
        QRect box(pos(), wanted + frame);
        if (box.right() > free.right())
            box.moveRight(free.right());
        if (box.bottom() > free.bottom())
            box.moveBottom(free.bottom());
        box.moveLeft(std::max(box.left(), free.left()));
        box.moveTop(std::max(box.top(), free.top()));
        if (box.topLeft() != pos())
            move(box.topLeft());
        return;
    }
    resize(wanted);
}

} // namespace zindle
