// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetEditing.h"

#include "DesignPanel.h"
#include "MainWindow.h"
#include "dialogs/HowHeavyDialog.h"
#include "dialogs/PointsDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "model/NumberText.h"
#include "sheet/CarRenderer.h"
#include "sheet/EmptySheet.h"
#include "geometry/PartRegions.h"
#include "sheet/RegionPainting.h"
#include "sheet/WeightTools.h"

#include <QCoreApplication>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SheetEditing)
};

QString TryAgain() { return Texts::tr("Please try again."); }

QString DrawHint()
{
    return Texts::tr("To draw a shape, click points on the drawing sheet.  "
                     "Double-click to finish (or press Cancel to abort).");
}
QString FrontAxleHint()
{
    return Texts::tr("Click where the front axle goes, right of the drive axle.  "
                     "A click anywhere else, Cancel or Esc leaves it where it is.");
}
QString AddWeightHint()
{
    return Texts::tr("Click where the weight goes on the drawing sheet, then say how "
                     "heavy it is.  Cancel or Esc adds none.");
}
QString RemoveWeightHint() { return Texts::tr("Click the weight to remove.  Cancel or Esc removes none."); }

} // namespace

SheetEditing::SheetEditing(MainWindow &window, DesignPanel &panel) : window_(window), panel_(panel) {}

SheetEditing::~SheetEditing() = default;

bool SheetEditing::toolActive() const
{
    return outlines_.drawing() || placingFrontAxle_ || addingWeight_ || removingWeight_;
}

bool SheetEditing::locked() const { return lock_ && lock_->isLocked(LockGroup::Shell); }

void SheetEditing::lockTools(const QString &activeTool)
{
    lock().LockTools(activeTool);
    window_.editStateChanged();
}

void SheetEditing::unlockTools()
{
    lock().UnlockTools();
    window_.editStateChanged();
}

void SheetEditing::showToolHint(const QString &hint)
{
    panel_.drawHintLabel()->setText(hint);
    panel_.drawHintLabel()->show();
    panel_.drawCancelBtn()->show();
}

void SheetEditing::hideToolHint()
{
    panel_.drawCancelBtn()->hide();
    panel_.drawHintLabel()->hide();
}

HowHeavyDialog &SheetEditing::howHeavy()
{
    if (!howHeavy_)
        howHeavy_ = std::make_unique<HowHeavyDialog>(window_.workspace().design, window_.prompter(), &window_);
    return *howHeavy_;
}

ToolLock &SheetEditing::lock()
{
    // The window's controls all exist once the window does; the first lock registers them.
    if (!lock_) {
        lock_ = std::make_unique<ToolLock>();
        registerLockControls();
    }
    return *lock_;
}

void SheetEditing::registerLockControls()
{
    auto addWidget = [this](LockGroup group, QWidget *widget) {
        if (!widget)
            return;
        QPointer<QWidget> guarded(widget);
        lock_->add(
            group, widget->objectName(), [guarded] { return guarded && guarded->isEnabled(); },
            [guarded](bool enabled) {
                if (guarded)
                    guarded->setEnabled(enabled);
            });
    };
    auto addAction = [this](LockGroup group, QAction *action, const QString &name) {
        QPointer<QAction> guarded(action);
        lock_->add(
            group, name, [guarded] { return guarded && guarded->isEnabled(); },
            [guarded](bool enabled) {
                if (guarded)
                    guarded->setEnabled(enabled);
            });
    };
    auto named = [this](const char *name) -> QWidget * {
        if (QWidget *widget = window_.findChild<QWidget *>(QLatin1String(name)))
            return widget;
        return window_.preferencesDialog() ? window_.preferencesDialog()->findChild<QWidget *>(QLatin1String(name))
                                           : nullptr;
    };

    for (const char *name : {"DrawOuterBtn", "ClearOuterBtn", "FrontAxleBtn", "RWDBtn", "FWDBtn", "AWDBtn", "OctBtn",
                             "CircBtn", "DrawInnerBtn", "ClearInnerBtn", "DefineMatlBtn", "AddWeightBtn",
                             "RemoveWeightBtn", "ClearAllCustomBtn"})
        addWidget(LockGroup::Tools, named(name));
    for (const char *name : {"SpringWidthEF", "SpringLengthEF", "DriveAxleDiaEF", "DriveWhlDiaEF", "OtherWhlDiaEF",
                             "RSpringWidthEF", "RSpringLengthEF", "RArborDiaEF"})
        addWidget(LockGroup::ParameterFields, named(name));
    // The menus: each title and every item under it, so that short-cut keys are locked too.
    // The Modes menu is locked with the mode buttons: a mode key mid-outline would repaint
    // the sheet under the tool.
    for (QAction *title : window_.menuBar()->actions()) {
        QMenu *menu = title->menu();
        if (!menu)
            continue;
        addAction(LockGroup::Shell, title, menu->objectName().isEmpty() ? menu->title() : menu->objectName());
        for (QAction *item : menu->actions())
            if (!item->isSeparator())
                addAction(LockGroup::Shell, item, item->objectName());
    }
    for (const char *name : {"VPSetBtn", "VPBuildBtn", "VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn",
                             "VPPrintBtn", "NewBtn", "OpenBtn", "SaveBtn", "RemoveBtn", "RenameBtn"})
        addWidget(LockGroup::Shell, named(name));
    // The design list belongs to two groups; registered twice, the second group's save would
    // hold the already disabled state and unlocking would leave the list disabled for good.
    addWidget(LockGroup::Shell, named("DesignList"));
    addWidget(LockGroup::Apply, named("ApplyBtn"));
}

void SheetEditing::setSheetCursor(SheetCursor cursor)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (cursor) {
    case SheetCursor::Arrow: shape = Qt::ArrowCursor; break;
    case SheetCursor::HandPoint: shape = Qt::PointingHandCursor; break;
    case SheetCursor::NoDrop: shape = Qt::ForbiddenCursor; break;
    case SheetCursor::HorizontalResize: shape = Qt::SizeHorCursor; break;
    }
    window_.image()->setCursor(shape);
}

void SheetEditing::enableFileItems(bool enabled)
{
    for (const char *name : {"OpenPos", "ClosePos", "SavePos"})
        if (QAction *item = window_.action(QLatin1String(name)))
            item->setEnabled(enabled);
}

void SheetEditing::designRefresh()
{
    window_.SwitchMode(window_.CurrentMode(), SheetMode::Design);
    window_.RefreshMode(0, 0, SheetMode::Design);
}

void SheetEditing::markChangedByTool()
{
    toolMark_ = window_.history().markChangedTentatively();
}

void SheetEditing::settleToolMark()
{
    if (!toolMark_)
        return;
    const TentativeMark mark = std::move(*toolMark_);
    toolMark_.reset();
    window_.history().settle(mark);
}

void SheetEditing::endTool(const char *button)
{
    settleToolMark();
    unlockTools();
    hideToolHint();
    panel_.setStatePanel()->show();
    if (QToolButton *tool = panel_.toolButton(button))
        tool->setChecked(false);
}

// ---------------------------------------------------------------------------------------------
// Outlines

void SheetEditing::startDrawing(OutlineTarget which)
{
    const bool outer = which == OutlineTarget::Outer;
    outlines_.start(which);
    lockTools(outer ? QStringLiteral("DrawOuterBtn") : QStringLiteral("DrawInnerBtn"));
    panel_.setStatePanel()->hide();
    enableFileItems(false);
    showToolHint(DrawHint());
    window_.SwitchMode(window_.CurrentMode(), SheetMode::Design);

    Workspace &workspace = window_.workspace();
    SheetImage *image = window_.image();
    image->fitCanvas();
    PaintEmptySheet(image->canvas(), SheetMode::Design, workspace.scale, window_.backgroundColor(), window_.width(),
                    sheetPalette(workspace.highContrastSheet));
    setSheetCursor(SheetCursor::HandPoint);
    {
        // Magenta marks the outline about to be replaced.
        QPainter painter(&image->canvas());
        const SheetPalette &palette = sheetPalette(workspace.highContrastSheet);
        if (outer) {
            PaintInnerLayer(painter, workspace, PaintTarget::Screen, palette.innerLayer);
            PaintOuterLayer(painter, workspace, PaintTarget::Screen, MagentaColor);
        } else {
            PaintOuterLayer(painter, workspace, PaintTarget::Screen, palette.outerLayer);
            PaintInnerLayer(painter, workspace, PaintTarget::Screen, MagentaColor);
        }
    }
    if (QToolButton *tool = panel_.toolButton(outer ? "DrawOuterBtn" : "DrawInnerBtn"))
        tool->setChecked(true);
    image->update();
}

void SheetEditing::finishDrawing()
{
    // The outline tool has left its drawing state already; this puts the window back.
    const bool outer = outlines_.target() == OutlineTarget::Outer;
    settleToolMark();
    unlockTools();
    panel_.setStatePanel()->show();
    enableFileItems(true);
    setSheetCursor(SheetCursor::Arrow);
    if (outer) {
        for (const char *name : {"DrawInnerBtn", "ClearInnerBtn"})
            if (QToolButton *tool = panel_.toolButton(name))
                tool->setEnabled(true);
    }
    if (QToolButton *tool = panel_.toolButton(outer ? "DrawOuterBtn" : "DrawInnerBtn"))
        tool->setChecked(false);
    hideToolHint();
}

void SheetEditing::DrawOuterBtnClick()
{
    if (!outlines_.drawing()) {
        markChangedByTool();
        startDrawing(OutlineTarget::Outer);
        return;
    }
    outlines_.finish();
    finishDrawing();
    // The sheet still shows the outline being drawn over the magenta one.
    designRefresh();
}

void SheetEditing::DrawInnerBtnClick()
{
    if (!outlines_.drawing()) {
        markChangedByTool();
        startDrawing(OutlineTarget::Inner);
        return;
    }
    outlines_.finish();
    finishDrawing();
    designRefresh();
}

void SheetEditing::DrawCancelBtnClick()
{
    if (stopBuildAnimation && stopBuildAnimation())
        return;
    const bool wasDrawing = outlines_.drawing();
    outlines_.cancel();
    if (wasDrawing) {
        finishDrawing();
        designRefresh();
        return;
    }
    cancelSheetTool();
}

void SheetEditing::EscapePressed()
{
    if (toolActive())
        DrawCancelBtnClick();
}

void SheetEditing::cancelSheetTool()
{
    const char *button = placingFrontAxle_ ? "FrontAxleBtn"
                         : addingWeight_   ? "AddWeightBtn"
                         : removingWeight_ ? "RemoveWeightBtn"
                                           : nullptr;
    if (!button)
        return;
    placingFrontAxle_ = addingWeight_ = removingWeight_ = false;
    LastGuideX = 0;
    setSheetCursor(SheetCursor::Arrow);
    endTool(button);
    // The refresh takes the axle's guide lines off the sheet.
    designRefresh();
}

void SheetEditing::ClearOuterBtnClick()
{
    DesignEdit edit = window_.history().begin();
    ClearOuterShape(window_.workspace().design);
    window_.workspace().MarkDesignChanged();
    edit.commit(Texts::tr("Clear outer layer"));
    for (const char *name : {"DrawOuterBtn", "DrawInnerBtn"})
        if (QToolButton *tool = panel_.toolButton(name))
            tool->setEnabled(true);
    window_.image()->fitCanvas();
    PaintEmptySheet(window_.image()->canvas(), window_.CurrentMode(), window_.workspace().scale,
                    window_.backgroundColor(), window_.width(), sheetPalette(window_.workspace().highContrastSheet));
    window_.image()->update();
}

void SheetEditing::ClearInnerBtnClick()
{
    DesignEdit edit = window_.history().begin();
    ClearInnerShape(window_.workspace().design);
    window_.workspace().MarkDesignChanged();
    edit.commit(Texts::tr("Clear inner layer"));
    if (QToolButton *tool = panel_.toolButton("DrawInnerBtn"))
        tool->setEnabled(true);
    window_.image()->fitCanvas();
    PaintEmptySheet(window_.image()->canvas(), window_.CurrentMode(), window_.workspace().scale,
                    window_.backgroundColor(), window_.width(), sheetPalette(window_.workspace().highContrastSheet));
    window_.image()->update();
}

void SheetEditing::ClearAllCustomBtnClick()
{
    DesignEdit edit = window_.history().begin();
    DesignRecord &design = window_.workspace().design;
    ClearOuterShape(design);
    ClearInnerShape(design);
    ClearWeights(design);
    window_.workspace().MarkDesignChanged();
    edit.commit(Texts::tr("Clear shapes and weights"));
    if (QToolButton *tool = panel_.toolButton("DrawOuterBtn"))
        tool->setEnabled(true);
    if (QToolButton *tool = panel_.toolButton("DrawInnerBtn"))
        tool->setEnabled(false);
    window_.image()->fitCanvas();
    PaintEmptySheet(window_.image()->canvas(), window_.CurrentMode(), window_.workspace().scale,
                    window_.backgroundColor(), window_.width(), sheetPalette(window_.workspace().highContrastSheet));
    window_.image()->update();
}

void SheetEditing::drawLines(const std::vector<SheetLine> &lines)
{
    if (lines.empty())
        return;
    SheetImage *image = window_.image();
    QPainter painter(&image->canvas());
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    for (const SheetLine &line : lines) {
        if (line.notXor) {
            // A band of no length would leave a single pixel behind that nothing erases.
            if (line.from == line.to)
                continue;
            painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        } else {
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        painter.drawLine(line.from, line.to);
    }
    image->update();
}

// ---------------------------------------------------------------------------------------------
// Front axle and weights

void SheetEditing::SetFrontAxleBtnClick()
{
    Workspace &workspace = window_.workspace();
    if (workspace.design.Drive == DriveKind::AllWD) {
        window_.prompter().message(NoFrontAxleMessage(), TryAgain());
        if (QToolButton *tool = panel_.toolButton("FrontAxleBtn"))
            tool->setChecked(false);
        return;
    }
    markChangedByTool();
    lockTools();
    panel_.setStatePanel()->hide();
    showToolHint(FrontAxleHint());
    placingFrontAxle_ = true;
    LastGuideX = 0;
    if (QToolButton *tool = panel_.toolButton("FrontAxleBtn"))
        tool->setChecked(true);
    // The axle's current height, across the whole sheet.
    const SheetScale &scale = workspace.scale;
    const int y = scale.DrawPxHeight - truncToInt(workspace.design.FrontAxleYIn * 72.0f * scale.ScreenScale);
    SheetImage *image = window_.image();
    QPainter painter(&image->canvas());
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, y, window_.centralWidget()->width(), y);
    image->update();
}

void SheetEditing::AddWtBtnClick()
{
    markChangedByTool();
    setSheetCursor(SheetCursor::HandPoint);
    addingWeight_ = true;
    lockTools();
    panel_.setStatePanel()->hide();
    showToolHint(AddWeightHint());
    if (QToolButton *tool = panel_.toolButton("AddWeightBtn"))
        tool->setChecked(true);
}

void SheetEditing::RemoveWtBtnClick()
{
    markChangedByTool();
    setSheetCursor(SheetCursor::HandPoint);
    removingWeight_ = true;
    lockTools();
    panel_.setStatePanel()->hide();
    showToolHint(RemoveWeightHint());
    if (QToolButton *tool = panel_.toolButton("RemoveWeightBtn"))
        tool->setChecked(true);
}

QRect SheetEditing::frontAxleArea() const
{
    return window_.workspace().regions.FrontAxleRegion.boundingRect();
}

// ---------------------------------------------------------------------------------------------
// Parts

int SheetEditing::partAt(QPoint pixel) const
{
    const PartRegions &r = window_.workspace().regions;
    // Part-box order: inner layers, outer layer, tread, drive wheels, other wheels, spring,
    // drive axle, other axle. Small parts lie on top of large ones, so they are tried first.
    const QRegion *hits[PartCount] = {&r.innerLayerHit, &r.outerLayerHit, &r.treadHit, &r.driveWheelsHit,
                                      &r.otherWheelsHit, &r.springHit, &r.driveAxleHit, &r.otherAxleHit};
    const bool allWheel = window_.workspace().design.Drive == DriveKind::AllWD;
    for (int part = PartCount - 1; part >= 0; --part) {
        if (allWheel && (part == 4 || part == 7))
            continue;
        if (hits[part]->contains(pixel))
            return part;
    }
    return -1;
}

void SheetEditing::HighlightPart(int index)
{
    int &highlighted = window_.HighlightedPart;
    if (index == highlighted)
        return;
    const RegionSet &screen = window_.workspace().regions.screen();
    const QRegion *shown[PartCount] = {&screen.innerLayer, &screen.outerLayer, &screen.tread, &screen.driveWheels,
                                       &screen.otherWheels, &screen.spring, &screen.driveAxle, &screen.otherAxle};
    SheetImage *image = window_.image();
    {
        // Framing twice in NOT-XOR gives back what was there, which is how the old highlight goes.
        QPainter painter(&image->canvas());
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        if (highlighted >= 0 && highlighted < PartCount)
            paintFrame(painter, *shown[highlighted], QColor(255, 0, 0), 2, 2);
        highlighted = index;
        if (index >= 0 && index < PartCount)
            paintFrame(painter, *shown[index], QColor(255, 0, 0), 2, 2);
    }
    QLabel *label = panel_.partAttributesLabel();
    label->setText(panel_.partDescription(index));
    label->setMinimumWidth(360);
    image->update();
}

// ---------------------------------------------------------------------------------------------
// The sheet's mouse

void SheetEditing::ImageMouseDown(QPoint pixel)
{
    Workspace &workspace = window_.workspace();
    const SheetScale &scale = workspace.scale;
    if (outlines_.drawing()) {
        outlines_.press(pixel, scale);
        return;
    }
    if (placingFrontAxle_) {
        placingFrontAxle_ = false;
        setSheetCursor(SheetCursor::Arrow);
        DesignEdit edit = window_.history().begin();
        const bool moved = PlaceFrontAxle(workspace.design, pixel, frontAxleArea(), scale);
        endTool("FrontAxleBtn");
        Q_UNUSED(moved);
        // Even when the axle stays, the refresh takes the guide lines off the sheet.
        designRefresh();
        edit.commit(Texts::tr("Move front axle"));
        return;
    }
    if (addingWeight_) {
        addingWeight_ = false;
        setSheetCursor(SheetCursor::Arrow);
        if (scale.DrawAreaRegion.contains(pixel)) {
            HowHeavyDialog &dialog = howHeavy();
            dialog.prepare(scale.pixelToSheet(pixel.x(), pixel.y()));
            DesignEdit edit = window_.history().begin();
            // The tool stays locked while the dialog asks.
            window_.runModalDialog(dialog);
            endTool("AddWeightBtn");
            if (dialog.added())
                designRefresh();
            edit.commit(Texts::tr("Add weight"));
        } else {
            endTool("AddWeightBtn");
            designRefresh();
        }
        return;
    }
    if (removingWeight_) {
        DesignEdit edit = window_.history().begin();
        RemoveWeightAt(workspace.design, pixel);
        endTool("RemoveWeightBtn");
        designRefresh();
        removingWeight_ = false;
        setSheetCursor(SheetCursor::Arrow);
        edit.commit(Texts::tr("Remove weight"));
        return;
    }
    if (window_.CurrentMode() != SheetMode::Design)
        return;
    // SelectPart(-1) hides every part's controls and leaves the part box empty.
    panel_.SelectPart(partAt(pixel));
}

void SheetEditing::ImageMouseMove(QPoint pixel)
{
    Workspace &workspace = window_.workspace();
    const SheetScale &scale = workspace.scale;
    if (outlines_.drawing()) {
        std::vector<SheetLine> lines;
        SheetCursor cursor = SheetCursor::Arrow;
        outlines_.move(pixel, scale, lines, cursor);
        drawLines(lines);
        setSheetCursor(cursor);
        return;
    }
    if (placingFrontAxle_) {
        if (!frontAxleArea().contains(pixel)) {
            setSheetCursor(SheetCursor::NoDrop);
            return;
        }
        setSheetCursor(SheetCursor::HorizontalResize);
        SheetImage *image = window_.image();
        QPainter painter(&image->canvas());
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(QPen(QColor(255, 0, 0), 1));
        const int height = image->canvas().height();
        if (LastGuideX != 0)
            painter.drawLine(LastGuideX, 0, LastGuideX, height);
        painter.drawLine(pixel.x(), 0, pixel.x(), height);
        LastGuideX = pixel.x();
        image->update();
        return;
    }
    if (addingWeight_ || removingWeight_ || window_.CurrentMode() != SheetMode::Design)
        return;
    const int part = partAt(pixel);
    setSheetCursor(part >= 0 ? SheetCursor::HandPoint : SheetCursor::Arrow);
    HighlightPart(part);
}

void SheetEditing::ImageMouseUp(QPoint pixel)
{
    if (!outlines_.drawing())
        return;
    std::vector<SheetLine> lines;
    outlines_.release(pixel, window_.workspace().scale, lines);
    drawLines(lines);
}

void SheetEditing::ImageDblClick(QPoint)
{
    if (!outlines_.drawing())
        return;
    const bool outer = outlines_.target() == OutlineTarget::Outer;
    DesignEdit edit = window_.history().begin();
    bool committed = false;
    outlines_.doubleClick(window_.workspace().design, committed);
    finishDrawing();
    designRefresh();
    edit.commit(outer ? Texts::tr("Draw outer layer") : Texts::tr("Draw inner layer"));
}

void SheetEditing::ImageMouseLeave()
{
    // Nothing is under the pointer any more: no part stays outlined or described.
    if (toolActive() || window_.CurrentMode() != SheetMode::Design)
        return;
    setSheetCursor(SheetCursor::Arrow);
    HighlightPart(-1);
    panel_.partAttributesLabel()->setText(panel_.partDescription(-1));
}

void SheetEditing::resetToolStates()
{
    const bool wasDrawing = outlines_.drawing();
    const bool wasActive = toolActive();
    outlines_.finish();
    placingFrontAxle_ = addingWeight_ = removingWeight_ = false;
    LastGuideX = 0;
    if (!wasActive)
        return;
    if (wasDrawing) {
        finishDrawing();
        return;
    }
    settleToolMark();
    unlockTools();
    hideToolHint();
    panel_.setStatePanel()->show();
    for (const char *name : {"FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn"})
        if (QToolButton *tool = panel_.toolButton(name))
            tool->setChecked(false);
    setSheetCursor(SheetCursor::Arrow);
}

} // namespace zindle
