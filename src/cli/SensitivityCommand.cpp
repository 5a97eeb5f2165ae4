// SPDX-License-Identifier: GPL-3.0-or-later
#include "SensitivityCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "PhysicsOutput.h"
#include "app/Sensitivity.h"
#include "charts/SensitivityChart.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <cmath>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SensitivityCommand)
};

} // namespace

const char *const SensitivityHelp =
    "Usage: zindle-cli sensitivity DESIGN [--json] [--chart F]\n"
    "Simulates DESIGN once as it is and once for a small change of each input the student\n"
    "controls (spring length 1 in, spring width 0.1 in, wheel diameters 0.1 in, axle\n"
    "diameters 0.05 in, front axle position 0.1 in, each weight 0.01 lb and 0.125 in,\n"
    "friction 0.01 lb, the body's board density and thickness and the tread's friction\n"
    "5 %; a step the part fields would refuse goes down instead), and says how much the\n"
    "time to 15 ft changes, read between the two steps around 15 ft; for a car that falls\n"
    "short, how much farther it goes. Prints one sentence on the input that matters most,\n"
    "then one line per input, largest effect first. --json prints one JSON object: measure\n"
    "(\"time\" or \"distance\"), sentence, and inputs, largest effect first, each with input,\n"
    "caption, unit, baseValue, delta, timeChange (s; null for a car that falls short),\n"
    "distanceChange (ft; null for a car that finishes), heldByBuild (the build keeps the\n"
    "drive wheel enlarged for the spring's case), heldByCalibration and stepFallsShort.\n"
    "--chart writes the ranked bars to F (.png, .svg or .pdf by its extension).\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

QJsonValue numberOrNull(const std::optional<double> &value) { return value ? QJsonValue(*value) : QJsonValue(); }

QString baseText(const SensitivityEntry &entry)
{
    return doubleText(std::round(entry.baseValue * 1e6) / 1e6) + (entry.unit.isEmpty() ? QString() : QStringLiteral(" ") + entry.unit);
}

} // namespace

int sensitivityCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {QStringLiteral("--json")}, {QStringLiteral("--chart")}, parsed, error) ||
        parsed.positional.size() != 1) {
        if (!error.isEmpty())
            err << "zindle-cli sensitivity: " << printableText(error) << '\n';
        err << SensitivityHelp;
        return UsageFailure;
    }
    std::optional<ChartFormat> chartFormat;
    QString chartName;
    if (!chartOption(parsed, QStringLiteral("sensitivity"), chartFormat, chartName, err))
        return UsageFailure;
    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    WorkerPool workers;
    const SensitivityResult result = ComputeSensitivity(workers, workspace);
    if (!result.message.isEmpty()) {
        err << "zindle-cli sensitivity: " << Texts::tr("the model cannot run this design (see 'zindle-cli analyze')") << '\n';
        return UsageFailure;
    }
    const bool time = result.measure == SensitivityMeasure::Time;
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonArray inputs;
        for (int index : result.ranked) {
            const SensitivityEntry &entry = result.inputs[static_cast<size_t>(index)];
            QJsonObject object;
            object.insert(QStringLiteral("input"), entry.input);
            object.insert(QStringLiteral("caption"), entry.caption);
            object.insert(QStringLiteral("unit"), entry.unit);
            object.insert(QStringLiteral("baseValue"), entry.baseValue);
            object.insert(QStringLiteral("delta"), entry.delta);
            object.insert(QStringLiteral("timeChange"), numberOrNull(entry.timeChange));
            object.insert(QStringLiteral("distanceChange"), numberOrNull(entry.distanceChange));
            object.insert(QStringLiteral("heldByBuild"), entry.held == SensitivityHeld::Build);
            object.insert(QStringLiteral("heldByCalibration"), entry.held == SensitivityHeld::Calibration);
            object.insert(QStringLiteral("stepFallsShort"), entry.stepFallsShort);
            inputs.append(object);
        }
        QJsonObject object;
        object.insert(QStringLiteral("measure"), time ? QStringLiteral("time") : QStringLiteral("distance"));
        object.insert(time ? QStringLiteral("baseTime") : QStringLiteral("baseDistance"),
                      time ? result.baseTime : result.baseDistance);
        object.insert(QStringLiteral("sentence"), result.sentence);
        object.insert(QStringLiteral("inputs"), inputs);
        printJson(object, out);
    } else {
        out << result.sentence << ".\n";
        for (int index : result.ranked) {
            const SensitivityEntry &entry = result.inputs[static_cast<size_t>(index)];
            out << entry.caption << ' ' << baseText(entry) << ", " << SensitivityChangeText(entry) << '\n';
        }
    }
    if (!chartFormat)
        return Success;
    SensitivityChartOptions options;
    options.designName = workspace.list.current().DesignName;
    const int height = 110 + 40 * static_cast<int>(result.ranked.size());
    const bool written = writeChartFile(
        chartName, *chartFormat, QSize(1000, height), options.designName + QStringLiteral(" sensitivity"),
        [&](QPainter &painter, const QRectF &area) { paintSensitivityChart(painter, area, result, options); }, out, err);
    return written ? Success : FileFailure;
}

} // namespace zindle::cli
