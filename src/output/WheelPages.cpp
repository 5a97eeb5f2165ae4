// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelPages.h"

#include "Templates.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "sheet/CarRenderer.h"

#include <QCoreApplication>
#include <QFont>

namespace zindle {

WheelLayout WheelPageLayout(float diameterIn)
{
    if (diameterIn > 5.0f)
        return WheelLayout::TwoPages;
    if (diameterIn >= 3.75f)
        return WheelLayout::SideBySide;
    return WheelLayout::OneBelowOther;
}

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WheelPages)
};

} // namespace

QString HoleLabel(const QString &axleDiaText) { return Texts::tr("hole: %1 in dia").arg(axleDiaText); }

namespace {

void addPages(std::vector<WheelPage> &pages, bool drive, const QString &diaText,
              const QString &holeText)
{
    WheelPage page;
    page.driveWheels = drive;
    page.diameterIn = floatOr(diaText, 0.0f);
    page.holeIn = floatOr(holeText, 0.0f);
    page.holeText = holeText;
    const double d = static_cast<double>(page.diameterIn) * 72.0;
    const double h = static_cast<double>(page.holeIn) * 72.0;
    const QRectF first(0.0, 0.0, d, d);
    page.labelPt = QPointF(d / 2.0 + h / 2.0, d / 2.0 + h / 2.0);
    switch (WheelPageLayout(page.diameterIn)) {
    case WheelLayout::TwoPages:
        page.wheelsPt = {first};
        pages.push_back(page);
        pages.push_back(page);
        break;
    case WheelLayout::SideBySide:
        page.wheelsPt = {first, first.translated(d, 0.0)};
        pages.push_back(page);
        break;
    case WheelLayout::OneBelowOther:
        page.wheelsPt = {first, first.translated(0.0, d)};
        pages.push_back(page);
        break;
    }
}

} // namespace

std::vector<WheelPage> WheelPages(const DesignRecord &d)
{
    std::vector<WheelPage> pages;
    addPages(pages, true, d.DriveWhlDia, d.DriveAxleDia);
    if (d.Drive == DriveKind::AllWD)
        addPages(pages, false, d.DriveWhlDia, d.DriveAxleDia);
    else
        addPages(pages, false, d.OtherWhlDia, d.OtherAxleDia);
    return pages;
}

void PaintWheelPage(QPainter &painter, const PhysicsState &workspace, const WheelPage &page,
                    int templateLayerNumber)
{
    const double px = workspace.scale.PrinterScaleX, py = workspace.scale.PrinterScaleY;
    auto toPrinter = [&](const QRectF &r) {
        return QRectF(truncToInt(r.left() * px), truncToInt(r.top() * py),
                      truncToInt(r.width() * px), truncToInt(r.height() * py));
    };
    const double h = static_cast<double>(page.holeIn) * 72.0;
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    for (const QRectF &wheel : page.wheelsPt) {
        painter.setBrush(SilverColor);
        painter.drawEllipse(toPrinter(wheel));
        const QRectF hole(wheel.center().x() - h / 2.0, wheel.center().y() - h / 2.0, h, h);
        painter.setBrush(Qt::white);
        painter.drawEllipse(toPrinter(hole));
    }
    QFont font = painter.font();
    font.setPointSize(10);
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    const int x = truncToInt(page.labelPt.x() * px), y = truncToInt(page.labelPt.y() * py);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), HoleLabel(page.holeText));
    painter.restore();

    TemplateLabelPage labels;
    labels.wheelPage = true;
    PrintTemplateLabels(painter, workspace, PaintTarget::Printer, labels, templateLayerNumber);
}

} // namespace zindle
