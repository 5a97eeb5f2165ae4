// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignReport.h"

#include "Templates.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "physics/Advisories.h"
#include "model/PartMaterials.h"
#include "physics/ResultFieldTable.h"

#include <QFont>
#include <algorithm>

namespace zindle {

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
    auto board = [&](Part part, const char *density) {
        const BoardMaterial &m = boardOf(d, c, part);
        return m.BoardName + QStringLiteral(" (t= ") + m.BoardThickness + QStringLiteral(" in, ")
               + QLatin1String(density) + m.BoardDensity + QStringLiteral(" lb/cu in)");
    };
    auto axle = [&](Part part) {
        const AxleMaterial &m = axleOf(d, c, part);
        return m.AxleName + QStringLiteral(" (") + m.AxleDensity + QStringLiteral(" lbm/cu in)");
    };
    const SpringMaterial &spring = springOf(d, c);
    const TreadMaterial &tread = treadOf(d, c);
    const ReportColumn L = ReportColumn::Left, R = ReportColumn::Right;

    std::vector<ReportLine> lines = {
        {QStringLiteral("ZINDLE Design Report for ") + TemplateDesignName(workspace.list), L, 50, 16},
        {QStringLiteral("Design Parameters:"), L, 200, 16},
        {QStringLiteral("Spring Width: ") + d.SpringWidth + QStringLiteral(" in"), L, 350, 9},
        {QStringLiteral("Spring Length: ") + d.SpringLength + QStringLiteral(" in"), L, 450, 9},
        {QStringLiteral("Drive Axle Length: ") + d.DriveAxleLength + QStringLiteral(" in"), L, 550, 9},
        {QStringLiteral("Other Axle Length: ") + d.OtherAxleLength + QStringLiteral(" in"), L, 650, 9},
        {QStringLiteral("Drive Wheel Dia: ") + d.DriveWhlDia + QStringLiteral(" in"), L, 750, 9},
        {QStringLiteral("Other Wheel Dia: ") + d.OtherWhlDia + QStringLiteral(" in"), L, 850, 9},
        {QStringLiteral("Drive Axle Dia: ") + d.DriveAxleDia + QStringLiteral(" in"), L, 950, 9},
        {awd ? QStringLiteral("Drive Axle Dia: ") + d.DriveAxleDia + QStringLiteral(" in")
             : QStringLiteral("Other Axle Dia: ") + d.OtherAxleDia + QStringLiteral(" in"),
         L, 1050, 9},
        {QStringLiteral("Materials and Assumptions: "), L, 1150, 14},
        {QStringLiteral("Outer layers: ") + board(OuterBodyPart, "dens= "), L, 1350, 9},
        {QStringLiteral("Inner layers: ") + board(InnerBodyPart, "dens= "), L, 1450, 9},
        {QStringLiteral("Drive wheels: ") + board(DriveWheelPart, "dens= "), L, 1550, 9},
        {QStringLiteral("Other wheels: ") + board(OtherWheelPart, "dens="), L, 1650, 9},
        {QStringLiteral("Drive axle: ") + axle(DriveAxlePart), L, 1750, 9},
        {QStringLiteral("Other axle: ") + axle(OtherAxlePart), L, 1850, 9},
        {QStringLiteral("Spring: ") + spring.SpringName + QStringLiteral(" (t=") + spring.SpringThickness
             + QStringLiteral(" in)"),
         L, 1950, 9},
        {QStringLiteral("Tread: ") + tread.TreadName + QStringLiteral(" (mu=") + tread.TreadFriction
             + QStringLiteral(")"),
         L, 2050, 9},
        {QStringLiteral("Maximum torque: ") + spring.SpringTorqueCurve[0] + QStringLiteral(" in-lb (width= ")
             + spring.SpringSampleWidth + QStringLiteral(" in)"),
         L, 2150, 9},
        {QStringLiteral("Finite element size: ") + d.StepSize + QStringLiteral(" pixels"), L, 2250, 9},
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
    lines.push_back({QStringLiteral("Predicted Performance and Physical Characteristics:"), L, 2550, 14});
    addBlock(ReportBlock::Performance);
    lines.push_back({QStringLiteral("ADVISORIES: "), R, 3150, 9});
    addBlock(ReportBlock::ForcesAndMasses);
    lines.push_back({QStringLiteral("Details:"), L, 3800, 14});
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
        advisoryLines.push_back({text == SkidAdvisoryText ? QStringLiteral("Skid advisory!") : text,
                                 ReportColumn::LeftPlusRight, 3250 + i * step, size});
    }
    if (advisoryLines.empty())
        advisoryLines.push_back({QStringLiteral("No advisories"), ReportColumn::LeftPlusRight, 3250, 9});
    // In the table's order: right after the heading.
    const auto heading = std::find_if(lines.begin(), lines.end(),
                                      [](const ReportLine &line) { return line.text == QLatin1String("ADVISORIES: "); });
    lines.insert(heading + 1, advisoryLines.begin(), advisoryLines.end());
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
