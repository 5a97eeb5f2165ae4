// SPDX-License-Identifier: GPL-3.0-or-later
#include "Templates.h"

#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "physics/BuildGeometry.h"
#include "model/PartMaterials.h"
#include "sheet/EmptySheet.h"
#include "geometry/PartRegions.h"
#include "sheet/RegionPainting.h"
#include "physics/SheetPreparation.h"

#include <QFont>
#include <QCoreApplication>
#include <algorithm>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Templates)
};

int countOf(const QString &text) { return std::max(truncToInt(floatOr(text, 0.0f)), 0); }

// Text placed with its top edge at y, as the labels are laid out.
void textAt(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

void setPointSize(QPainter &painter, int size)
{
    QFont font = painter.font();
    font.setPointSize(size);
    painter.setFont(font);
}

} // namespace

QString SpringAccessNote() { return Texts::tr("This layer should remain unglued to provide spring access."); }

void PrepareTemplates(PhysicsState &workspace, bool withPrinter)
{
    RescaleDesign(workspace, withPrinter);
    ComputeBuildGeometry(workspace);
    RebuildPartRegions(workspace, withPrinter);
}

int TemplateCount(const ResultFields &results)
{
    return countOf(results.LayersCoredEF) + countOf(results.LayersFullEF);
}

std::vector<LayerTemplate> TemplateSet(int coredLayers, int fullLayers)
{
    std::vector<LayerTemplate> set;
    int number = 0;
    for (int i = 0; i < fullLayers / 2; ++i)
        set.push_back({LayerKind::Outer, ++number});
    for (int i = 0; i < coredLayers; ++i)
        set.push_back({LayerKind::Inner, ++number});
    for (int i = 0; i < fullLayers / 2; ++i)
        set.push_back({LayerKind::Outer, ++number});
    return set;
}

std::vector<LayerTemplate> TemplateSet(const ResultFields &results)
{
    return TemplateSet(countOf(results.LayersCoredEF), countOf(results.LayersFullEF));
}

QString TemplateDesignName(const DesignList &list)
{
    if (list.CurrentDesign >= 0 && list.CurrentDesign < list.items.size())
        return list.items[list.CurrentDesign];
    if (list.CurrentDesign >= 0 && list.CurrentDesign < list.DesignCount())
        return list.current().DesignName;
    return QString();
}

QString TemplatePreviewText(int n, int templateCount)
{
    return Texts::tr("%1 of %2").arg(floatText(static_cast<float>(n)), floatText(static_cast<float>(templateCount)));
}

QString ShowTemplatePreview(QPainter &painter, const QSize &sheetSize, const PhysicsState &workspace,
                            int n, const QColor &background, int windowWidth)
{
    const SheetScale &scale = workspace.scale;
    PaintEmptySheet(painter, sheetSize, SheetMode::Preview, scale, background, windowWidth);
    const int count = TemplateCount(workspace.results);
    const RegionSet &screen = workspace.regions.screen();
    const bool outer = n == 1 || n == count;
    // What the page will print: the finished layer (case joined, chamber cut), the wheels, the
    // spring and the axle holes as paper shows them, white with a black rim.
    fillRegion(painter, outer ? screen.outerLayer : screen.innerLayer, QBrush(SilverColor));
    PaintDriveWheels(painter, workspace, PaintTarget::Screen);
    PaintOtherWheels(painter, workspace, PaintTarget::Screen);
    PaintSpring(painter, workspace, PaintTarget::Screen);
    const bool allWheel = workspace.design.Drive == DriveKind::AllWD;
    for (const QRegion *hole : {&screen.driveAxle, allWheel ? nullptr : &screen.otherAxle}) {
        if (!hole)
            continue;
        fillRegion(painter, *hole, QBrush(Qt::white));
        paintFrame(painter, *hole, Qt::black, 2, 2);
    }
    PaintMarks(painter, workspace, PaintTarget::Screen);

    const QString text = TemplatePreviewText(n, count);
    painter.save();
    painter.setPen(Qt::black);
    setPointSize(painter, 18);
    textAt(painter, truncToInt(288.0f * scale.ScreenScale) + scale.SheetOffsetX,
           truncToInt(72.0f * scale.ScreenScale), text);
    painter.restore();
    return text;
}

QString ShowTemplatePreview(QImage &sheet, const PhysicsState &workspace, int n,
                            const QColor &background, int windowWidth)
{
    QPainter painter(&sheet);
    return ShowTemplatePreview(painter, sheet.size(), workspace, n, background, windowWidth);
}

void TemplatePreviewState::enter(int count)
{
    templateCount = count;
    PreviewIndex = 1;
    stepEnabled = true;
    rewindEnabled = false;
}

bool TemplatePreviewState::step()
{
    rewindEnabled = true;
    bool shown = false;
    if (PreviewIndex < templateCount) {
        ++PreviewIndex;
        shown = true;
    }
    if (PreviewIndex >= templateCount)
        stepEnabled = false;
    return shown;
}

void TemplatePreviewState::rewind()
{
    PreviewIndex = 1;
    stepEnabled = true;
    rewindEnabled = false;
}

TemplateLabelLines TemplateLabels(const PhysicsState &workspace, const TemplateLabelPage &page,
                                  int templateLayerNumber)
{
    const DesignRecord &d = workspace.design;
    const MaterialCatalogue &c = workspace.catalogue;
    const QString name = TemplateDesignName(workspace.list);
    const QString number = QString::number(templateLayerNumber);
    // The board's name and thickness are data: they go in by arg() as they are.
    auto board = [&](Part part) {
        const BoardMaterial &m = boardOf(d, c, part);
        return Texts::tr("%1 (%2 in)").arg(m.BoardName, m.BoardThickness);
    };

    TemplateLabelLines lines;
    if (page.wheelPage) {
        lines.top = Texts::tr("%1: Wheels ").arg(name);
        lines.middle = Texts::tr("Drive wheels: %1").arg(board(DriveWheelPart));
        lines.bottom = Texts::tr("Other wheels: %1").arg(board(OtherWheelPart));
    } else if (page.outerLayer) {
        lines.top = templateLayerNumber == 0 ? Texts::tr("%1: Outer Layer template").arg(name)
                                             : Texts::tr("%1: Outer Layer %2").arg(name, number);
        lines.middle = board(OuterBodyPart) + QLatin1Char(' ');
    } else {
        lines.top = templateLayerNumber == 0 ? Texts::tr("%1: Inner Layer template").arg(name)
                                             : Texts::tr("%1: Inner Layer %2").arg(name, number);
        lines.middle = board(InnerBodyPart) + QLatin1Char(' ');
    }
    lines.springNote = templateLayerNumber == countOf(workspace.results.LayersWideEF) / 2;
    return lines;
}

void PrintTemplateLabels(QPainter &painter, const PhysicsState &workspace, PaintTarget target,
                         const TemplateLabelPage &page, int templateLayerNumber)
{
    if (target != PaintTarget::Printer)
        return;
    const float px = workspace.scale.PrinterScaleX, py = workspace.scale.PrinterScaleY;
    const TemplateLabelLines lines = TemplateLabels(workspace, page, templateLayerNumber);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    setPointSize(painter, 18);
    const int x = truncToInt(72.0f * px);
    textAt(painter, x, truncToInt(36.0f * py), lines.top);
    textAt(painter, x, truncToInt(432.0f * py), lines.middle);
    textAt(painter, x, truncToInt(504.0f * py), lines.bottom);
    if (lines.springNote) {
        setPointSize(painter, 12);
        textAt(painter, truncToInt(page.noteXPt * px),
               truncToInt((540.0f - workspace.build.DriveAxleHeightPt) * py), SpringAccessNote());
    }
    painter.restore();
}

} // namespace zindle
