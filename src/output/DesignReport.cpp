// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignReport.h"

#include "Templates.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "physics/Advisories.h"
#include "model/PartMaterials.h"
#include "physics/ResultFieldTable.h"

#include <QCoreApplication>
#include <QFont>
#include <algorithm>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesignReport)
};

} // namespace

QString ReportValue(const QString &fieldText)
{
    if (fieldText.startsWith(QLatin1Char('[')))
        return fieldText;
    if (fieldText.trimmed().isEmpty())
        return fixedText(0.0, 2);
    const std::optional<float> value = parseFloat(fieldText);
    if (!value)
        return fieldText;
    return fixedText(static_cast<double>(*value), 2);
}

std::vector<ReportLine> DesignReportLines(const PhysicsState &workspace)
{
    const DesignRecord &d = workspace.design;
    const MaterialCatalogue &c = workspace.catalogue;
    const ResultFields &r = workspace.results;
    const bool awd = d.Drive == DriveKind::AllWD;
    // The advisories of the design as it stands, not what the window last showed: a race re-runs
    // the simulation without evaluating them, and a report after it must still name a skid.
    const QStringList advisories = CurrentAdvisories(workspace);
    // A design the model cannot run leaves the results that depend on the missing part empty;
    // they print as "-" rather than as a made-up 0.00.
    const bool cannotRun = CheckRunnable(workspace).cannotRun()
                           || advisories.contains(TooLightText);
    auto f = [cannotRun](const QString &text) {
        return cannotRun && text.isEmpty() ? QStringLiteral("-") : ReportValue(text);
    };
    // The density's "dens=" keeps the spacing each line has always printed with.
    auto board = [&](Part part, bool spaced) {
        const BoardMaterial &m = boardOf(d, c, part);
        return (spaced ? Texts::tr("%1 (t= %2 in, dens= %3 lb/cu in)") : Texts::tr("%1 (t= %2 in, dens=%3 lb/cu in)"))
            .arg(m.BoardName, m.BoardThickness, m.BoardDensity);
    };
    auto axle = [&](Part part) {
        const AxleMaterial &m = axleOf(d, c, part);
        return Texts::tr("%1 (%2 lbm/cu in)").arg(m.AxleName, m.AxleDensity);
    };
    const SpringMaterial &spring = springOf(d, c);
    const TreadMaterial &tread = treadOf(d, c);
    const ReportColumn L = ReportColumn::Left, R = ReportColumn::Right;

    std::vector<ReportLine> lines = {
        {Texts::tr("ZINDLE Design Report for %1").arg(TemplateDesignName(workspace.list)), L, 50, 16},
        {Texts::tr("Design Parameters:"), L, 200, 16},
        {Texts::tr("Spring Width: %1 in").arg(d.SpringWidth), L, 350, 9},
        {Texts::tr("Spring Length: %1 in").arg(d.SpringLength), L, 450, 9},
        {Texts::tr("Drive Axle Length: %1 in").arg(d.DriveAxleLength), L, 550, 9},
        {Texts::tr("Other Axle Length: %1 in").arg(d.OtherAxleLength), L, 650, 9},
        {Texts::tr("Drive Wheel Dia: %1 in").arg(d.DriveWhlDia), L, 750, 9},
        {Texts::tr("Other Wheel Dia: %1 in").arg(d.OtherWhlDia), L, 850, 9},
        {Texts::tr("Drive Axle Dia: %1 in").arg(d.DriveAxleDia), L, 950, 9},
        {awd ? Texts::tr("Drive Axle Dia: %1 in").arg(d.DriveAxleDia) : Texts::tr("Other Axle Dia: %1 in").arg(d.OtherAxleDia),
         L, 1050, 9},
        {Texts::tr("Materials and Assumptions: "), L, 1150, 14},
        {Texts::tr("Outer layers: %1").arg(board(OuterBodyPart, true)), L, 1350, 9},
        {Texts::tr("Inner layers: %1").arg(board(InnerBodyPart, true)), L, 1450, 9},
        {Texts::tr("Drive wheels: %1").arg(board(DriveWheelPart, true)), L, 1550, 9},
        {Texts::tr("Other wheels: %1").arg(board(OtherWheelPart, false)), L, 1650, 9},
        {Texts::tr("Drive axle: %1").arg(axle(DriveAxlePart)), L, 1750, 9},
        {Texts::tr("Other axle: %1").arg(axle(OtherAxlePart)), L, 1850, 9},
        {Texts::tr("Spring: %1 (t=%2 in)").arg(spring.SpringName, spring.SpringThickness), L, 1950, 9},
        {Texts::tr("Tread: %1 (mu=%2)").arg(tread.TreadName, tread.TreadFriction), L, 2050, 9},
        {Texts::tr("Maximum torque: %1 in-lb (width= %2 in)").arg(spring.SpringTorqueCurve[0], spring.SpringSampleWidth),
         L, 2150, 9},
        {Texts::tr("Finite element size: %1 pixels").arg(d.StepSize), L, 2250, 9},
    };

    // The results, block by block from the field table, each under its heading.
    auto addBlock = [&](ReportBlock block) {
        std::vector<const ResultFieldRow *> rows;
        for (const ResultFieldRow &row : resultFieldTable())
            if (row.report.block == block)
                rows.push_back(&row);
        std::stable_sort(rows.begin(), rows.end(), [](const ResultFieldRow *a, const ResultFieldRow *b) {
            return std::pair(a->report.rightColumn, a->report.y) < std::pair(b->report.rightColumn, b->report.y);
        });
        for (const ResultFieldRow *row : rows)
            lines.push_back({resultFieldText(row->report.label) + f(row->value(d, r)) + resultFieldText(row->report.suffix),
                             row->report.rightColumn ? R : L, row->report.y, 9});
    };
    lines.push_back({Texts::tr("Predicted Performance and Physical Characteristics:"), L, 2550, 14});
    addBlock(ReportBlock::Performance);
    lines.push_back({Texts::tr("ADVISORIES: "), R, 3150, 9});
    const size_t advisoriesHeading = lines.size() - 1;
    addBlock(ReportBlock::ForcesAndMasses);
    lines.push_back({Texts::tr("Details:"), L, 3800, 14});
    addBlock(ReportBlock::Details);

    // Under the heading, one advisory a line in the space above "Details:" (3250 to 3650 at
    // the usual 100 units; more than five are set closer, in a smaller type). The skid keeps
    // its own wording.
    std::vector<ReportLine> advisoryLines;
    const int count = static_cast<int>(advisories.size());
    const int step = count > 5 ? 450 / (count - 1) : 100;
    const int size = step < 100 ? 7 : 9;
    for (int i = 0; i < count; ++i) {
        const QString &text = advisories[i];
        advisoryLines.push_back({text == SkidAdvisoryText ? Texts::tr("Skid advisory!") : advisoryText(text),
                                 ReportColumn::LeftPlusRight, 3250 + i * step, size});
    }
    if (advisoryLines.empty())
        advisoryLines.push_back({Texts::tr("No advisories"), ReportColumn::LeftPlusRight, 3250, 9});
    // In the table's order: right after the heading.
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(advisoriesHeading) + 1, advisoryLines.begin(),
                 advisoryLines.end());
    return lines;
}

int ReportLineY(int units, float printerScaleY)
{
    return truncToInt(static_cast<float>(units) / 8.333f * printerScaleY);
}

int ReportColumnX(ReportColumn column, float printerScaleX)
{
    const int left = truncToInt(36.0f * printerScaleX);
    const int right = truncToInt(270.0f * printerScaleX);
    switch (column) {
    case ReportColumn::Left: return left;
    case ReportColumn::Right: return right;
    case ReportColumn::LeftPlusRight: return left + right;
    }
    return left;
}

void PaintDesignReport(QPainter &painter, const PhysicsState &workspace)
{
    PaintReportLines(painter, DesignReportLines(workspace), workspace.scale.PrinterScaleX,
                     workspace.scale.PrinterScaleY);
}

void PaintReportLines(QPainter &painter, const std::vector<ReportLine> &lines, float px, float py)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    for (const ReportLine &line : lines) {
        font.setPointSize(line.fontSize);
        painter.setFont(font);
        painter.drawText(QPoint(ReportColumnX(line.column, px),
                                ReportLineY(line.y, py) + painter.fontMetrics().ascent()),
                         line.text);
    }
    painter.restore();
}

} // namespace zindle
