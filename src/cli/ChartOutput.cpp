// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartOutput.h"

#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "files/PathText.h"

#include <QCoreApplication>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

} // namespace

bool chartOption(const ParsedArguments &parsed, const QString &command, std::optional<ChartFormat> &format,
                 QString &name, QTextStream &err)
{
    const QString option = QStringLiteral("--chart");
    name = parsed.value(option);
    if (!parsed.hasValue(option))
        return true;
    format = chartFileFormat(command, option, name, err);
    return format.has_value();
}

std::optional<ChartFormat> chartFileFormat(const QString &command, const QString &option, const QString &name,
                                           QTextStream &err)
{
    const auto format = chartFormatOf(name);
    if (!format || isStandardOutput(name))
        err << "zindle-cli " << command << ": "
            << Texts::tr("%1 needs a file name ending in .png, .svg or .pdf, not \"%2\"").arg(option, printableText(name))
            << '\n';
    return isStandardOutput(name) ? std::nullopt : format;
}

bool writeChartFile(const QString &name, ChartFormat format, QSize size, const QString &title,
                    const ChartPainter &paint, QTextStream &out, QTextStream &err)
{
    const QByteArray bytes = renderChart(format, size, title, paint);
    if (bytes.isEmpty()) {
        err << Texts::tr("Cannot draw the chart for \"%1\"").arg(printableText(name)) << '\n';
        return false;
    }
    return writeOutputFile(name, bytes, out, err);
}

bool argumentsAskForChart(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    const QString &command = arguments[0];
    if (command != QLatin1String("simulate") && command != QLatin1String("race") && command != QLatin1String("sweep")
        && command != QLatin1String("energy") && command != QLatin1String("sensitivity")
        && command != QLatin1String("tolerances"))
        return false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--chart") || argument == QLatin1String("--map"))
            return true;
    }
    return false;
}

} // namespace zindle::cli
