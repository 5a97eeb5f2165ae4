// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnergyCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "charts/EnergyChart.h"
#include "PhysicsOutput.h"
#include "app/RefreshChain.h"
#include "app/WorkspaceEnergy.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <cmath>

#include <QCoreApplication>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EnergyCommand)
};

} // namespace

const char *const EnergyHelp =
    "Usage: zindle-cli energy DESIGN [--json] [--chart F]\n"
    "Simulates DESIGN over the whole run, as 'simulate' does, and says where the spring's\n"
    "energy went, in ft.lb: what the spring delivered (its force over the ground it drives,\n"
    "twice that ground while its axle skids), the car's kinetic energy at the end, the\n"
    "wheels' share of the propulsive work (the model's inertia share), the work against\n"
    "rolling friction, what skidding wasted and what stopping the car took. Prints one\n"
    "sentence on the largest loss, then Key=Value lines; --json prints one JSON object with\n"
    "the totals as top-level numbers under springDelivered, carKinetic, wheelRotation,\n"
    "friction, skid and stopped. --chart writes the energy over time, stacked, with the\n"
    "terms at the end of the run as bars, to F (.png, .svg or .pdf by its extension).\n"
    ZINDLE_HEADLESS_SCALE_HELP;

int energyCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {QStringLiteral("--json")}, {QStringLiteral("--chart")}, parsed, error) ||
        parsed.positional.size() != 1) {
        if (!error.isEmpty())
            err << "zindle-cli energy: " << printableText(error) << '\n';
        err << EnergyHelp;
        return UsageFailure;
    }
    std::optional<ChartFormat> chartFormat;
    QString chartName;
    if (!chartOption(parsed, QStringLiteral("energy"), chartFormat, chartName, err))
        return UsageFailure;
    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    const std::optional<EnergyTrace> energy = RunWorkspaceEnergy(workspace);
    if (!energy) {
        err << "zindle-cli energy: " << Texts::tr("the model cannot run this design (see 'zindle-cli analyze')") << '\n';
        return UsageFailure;
    }
    const EnergyTotals t = energy->totals();
    // After the numbers, so that a chart that cannot be written still leaves them printed.
    const auto writeChart = [&] {
        if (!chartFormat)
            return Success;
        EnergyChartOptions options;
        options.designName = workspace.list.current().DesignName;
        const bool written = writeChartFile(
            chartName, *chartFormat, QSize(900, 800), options.designName + QStringLiteral(" energy"),
            [&](QPainter &painter, const QRectF &area) { paintEnergyChart(painter, area, *energy, options); }, out,
            err);
        return written ? Success : FileFailure;
    };
    const QString sentence = LargestLossSentence(t);
    const std::pair<const char *, double> terms[] = {{"springDelivered", t.springDelivered},
                                                     {"carKinetic", t.carKinetic},
                                                     {"wheelRotation", t.wheelRotation},
                                                     {"friction", t.friction},
                                                     {"skid", t.skid},
                                                     {"stopped", t.stopped}};
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object;
        for (const auto &[key, value] : terms)
            object.insert(QLatin1String(key), value);
        object.insert(QStringLiteral("unit"), QStringLiteral("ft.lb"));
        object.insert(QStringLiteral("sentence"), sentence);
        printJson(object, out);
        return writeChart();
    }
    if (!sentence.isEmpty())
        out << sentence << ".\n";
    Fields fields;
    for (const auto &[key, value] : terms) {
        QString name = QLatin1String(key);
        name[0] = name[0].toUpper();
        // The at-rest rule's share is a few millionths either way; "-0.0000" would read as a sign.
        const double shown = std::round(value * 1e4) / 1e4;
        fields.emplace_back(name, fixedText(shown == 0.0 ? 0.0 : shown, 4) + QStringLiteral(" ft.lb"));
    }
    printFields(fields, out);
    return writeChart();
}

} // namespace zindle::cli
