// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunExport.h"

#include "app/RefreshChain.h"
#include "charts/ChartFile.h"
#include "charts/RunCharts.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QFileInfo>

namespace zindle {

QByteArray RunSamplesCsv(const RunTrace &run)
{
    QString text = QStringLiteral("t,distance,speed,propulsion,traction,skid\n");
    for (const RunSample &sample : run.samples) {
        text += text00(sample.timeIndex / 100.0) + QLatin1Char(',') + floatText(sample.distance) + QLatin1Char(',')
                + floatText(sample.velocity) + QLatin1Char(',') + floatText(sample.propulsion) + QLatin1Char(',')
                + floatText(sample.traction) + QLatin1Char(',') + QLatin1Char(sample.skid ? '1' : '0')
                + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray RunExportBytes(const Workspace &workspace, const QString &fileName, QString &error)
{
    FileText text;
    const QByteArray bytes = RunExportBytes(workspace, fileName, text);
    error = text.english();
    return bytes;
}

QByteArray RunExportBytes(const Workspace &workspace, const QString &fileName, FileText &error)
{
    const bool csv = QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    const std::optional<ChartFormat> chart = chartFormatOf(fileName);
    if (!csv && !chart) {
        error = FileText(QT_TRANSLATE_NOOP("FileErrors",
                                           "A run is exported as .csv, .png, .svg or .pdf, not as \"%1\"."))
                    .arg(printableText(QFileInfo(fileName).fileName()));
        return {};
    }
    Workspace copy = workspace;
    PrepareEntireCycle(copy);
    RefreshPhysicsMode(copy, SheetMode::Simulate);
    if (copy.checks.cannotRun() || copy.run.samples.empty()) {
        error = FileText(QT_TRANSLATE_NOOP("FileErrors", "This car cannot be run, so there is no run to export."));
        return {};
    }
    if (csv)
        return RunSamplesCsv(copy.run);
    RunChartOptions options;
    const DesignList &list = copy.list;
    if (list.CurrentDesign >= 0 && list.CurrentDesign < list.DesignCount())
        options.designName = list.current().DesignName;
    options.calibrated = copy.trackFactors.friction.has_value();
    const QByteArray bytes = renderChart(*chart, QSize(900, 1050), options.designName + QStringLiteral(" run"),
                                         [&](QPainter &painter, const QRectF &area) {
                                             paintRunCharts(painter, area, copy.run, options);
                                         });
    if (bytes.isEmpty())
        error = FileText(QT_TRANSLATE_NOOP("FileErrors", "The chart could not be drawn."));
    return bytes;
}

WriteOutcome ExportRun(const Workspace &workspace, const QString &path)
{
    FileText error;
    const QByteArray bytes = RunExportBytes(workspace, path, error);
    if (bytes.isEmpty())
        return FailedWrite(error);
    return WriteFileAtomically(path, bytes);
}

} // namespace zindle
