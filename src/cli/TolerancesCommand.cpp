// SPDX-License-Identifier: GPL-3.0-or-later
#include "TolerancesCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "Interrupt.h"
#include "PhysicsOutput.h"
#include "app/ToleranceTexts.h"
#include "app/Tolerances.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <cmath>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TolerancesCommand)
};

} // namespace

const char *const TolerancesHelp =
    "Usage: zindle-cli tolerances DESIGN [--samples N] [--seed S] [--threads N]\n"
    "                             [--tolerance NAME=VALUE]... [--json] [--chart F]\n"
    "Builds DESIGN N times (1000 unless --samples says otherwise, up to 100000) as a class\n"
    "would, each build with every quantity below off by its own error, drawn evenly within\n"
    "plus or minus its tolerance, and simulates every build. Says in how long 9 in 10\n"
    "builds reach 15 ft (the 5th to the 95th percentile), the median, the share of builds\n"
    "that reach 15 ft, and which tolerance makes the time spread most. The same --seed\n"
    "(default 1) gives the same builds and the same output on any number of threads; the\n"
    "builds are spread over all cores (--threads N to use N).\n"
    "Tolerances (--tolerance NAME=VALUE, percent or inches as shown; 0 builds it exactly):\n"
    "  thickness=5     board thickness, percent\n"
    "  density=10      board density, percent\n"
    "  outline=1/16    each side of the body outlines, inches\n"
    "  wheel=1/32      wheel diameters, inches\n"
    "  torque=10       spring torque, percent\n"
    "  friction=20     rolling friction, percent\n"
    "  weights=5       mass of each weight, percent\n"
    "Prints one sentence, then Key=Value lines; --json prints one object with p5, p50 and p95\n"
    "(seconds, null when that share of the builds does not reach 15 ft), reachProbability\n"
    "(0 to 1), samples, seed, shares (percent of the spread per tolerance), tolerances and the\n"
    "histogram of the times. --chart writes the histogram with the percentiles and the\n"
    "shares as bars to F (.png, .svg or .pdf by its extension).\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

constexpr int InterruptedStatus = 130;
constexpr int MaxSamples = 100000;
constexpr double MaxSeed = 9007199254740991.0; // JSON numbers stay exact below 2^53

bool readTolerance(const QString &setting, BuildTolerances &tolerances, QString &error)
{
    const int equals = setting.indexOf(QLatin1Char('='));
    const QString name = setting.left(equals);
    for (const ToleranceKind &kind : ToleranceKinds) {
        if (equals <= 0 || name != QLatin1String(kind.name))
            continue;
        const std::optional<double> value = ParseToleranceValue(setting.mid(equals + 1), kind.inches);
        if (!value) {
            error = kind.inches ? Texts::tr("--tolerance %1 takes inches from 0 to 0.5 (0.0625 or 1/16)").arg(name)
                                : Texts::tr("--tolerance %1 takes a percentage from 0 to 50").arg(name);
            return false;
        }
        tolerances.*kind.value = *value;
        return true;
    }
    error = Texts::tr("--tolerance takes NAME=VALUE with NAME one of thickness, density, outline, wheel, "
                      "torque, friction, weights (not '%1')")
                .arg(printableText(setting));
    return false;
}

bool readWhole(const ParsedArguments &parsed, const char *option, double low, double high, double &value,
               QString &error)
{
    const QString name = QLatin1String(option);
    if (!parsed.hasValue(name))
        return true;
    const QString text = parsed.value(name);
    bool ok = false;
    const qulonglong whole = text.toULongLong(&ok);
    if (!ok || static_cast<double>(whole) < low || static_cast<double>(whole) > high) {
        error = Texts::tr("%1 takes a whole number from %2 to %3").arg(name, fixedText(low, 0), fixedText(high, 0));
        return false;
    }
    value = static_cast<double>(whole);
    return true;
}

QString seconds(const std::optional<double> &t)
{
    return t ? fixedText(*t, 3) : QStringLiteral("none");
}

QJsonValue jsonSeconds(const std::optional<double> &t)
{
    return t ? QJsonValue(*t) : QJsonValue(QJsonValue::Null);
}

} // namespace

int tolerancesCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    // --tolerance may come many times; the others once each.
    QStringList rest, settings;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--"))
            rest << args.mid(i), i = static_cast<int>(args.size());
        else if (args[i] == QLatin1String("--tolerance") && i + 1 < args.size())
            settings << args[++i];
        else
            rest << args[i];
    }
    ParsedArguments parsed;
    QString error;
    BuildTolerances tolerances;
    double samples = 1000.0, seed = 1.0, threads = 0.0;
    bool usable = parseArguments(rest, {QStringLiteral("--json")},
                                 {QStringLiteral("--samples"), QStringLiteral("--seed"), QStringLiteral("--threads"),
                                  QStringLiteral("--chart"), QStringLiteral("--tolerance")},
                                 parsed, error)
                  && parsed.positional.size() == 1 && readWhole(parsed, "--samples", 1, MaxSamples, samples, error)
                  && readWhole(parsed, "--seed", 0, MaxSeed, seed, error)
                  && readWhole(parsed, "--threads", 1, 256, threads, error);
    if (usable && parsed.hasValue(QStringLiteral("--tolerance"))) {
        error = Texts::tr("option %1 needs a value").arg(QStringLiteral("--tolerance"));
        usable = false;
    }
    for (const QString &setting : settings)
        usable = usable && readTolerance(setting, tolerances, error);
    if (!usable) {
        if (!error.isEmpty())
            err << "zindle-cli tolerances: " << printableText(error) << '\n';
        err << TolerancesHelp;
        return UsageFailure;
    }
    std::optional<ChartFormat> chartFormat;
    QString chartName;
    if (!chartOption(parsed, QStringLiteral("tolerances"), chartFormat, chartName, err))
        return UsageFailure;
    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    WorkerPool workers;
    ToleranceOptions options;
    options.samples = static_cast<int>(samples);
    options.seed = static_cast<std::uint64_t>(seed);
    options.threads = static_cast<int>(threads);
    options.stopRequested = interruptRequested;
    const ToleranceStudy study = RunTolerances(workers, workspace, tolerances, options);
    if (!study.message.isEmpty()) {
        err << "zindle-cli tolerances: " << Texts::tr("the model cannot run this design (see 'zindle-cli analyze')") << '\n';
        return UsageFailure;
    }
    const QString sentence = ToleranceSentence(study);
    int status = Success;
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object, shares, given, histogram;
        object.insert(QStringLiteral("p5"), jsonSeconds(study.p5));
        object.insert(QStringLiteral("p50"), jsonSeconds(study.p50));
        object.insert(QStringLiteral("p95"), jsonSeconds(study.p95));
        object.insert(QStringLiteral("reachProbability"), study.reachProbability);
        object.insert(QStringLiteral("nominalTime"), jsonSeconds(study.nominalTime));
        object.insert(QStringLiteral("samples"), static_cast<double>(study.builds.size()));
        object.insert(QStringLiteral("seed"), seed);
        for (size_t q = 0; q < ToleranceCount; ++q) {
            shares.insert(QLatin1String(ToleranceKinds[q].name), study.shares[q]);
            given.insert(QLatin1String(ToleranceKinds[q].name), tolerances.*ToleranceKinds[q].value);
        }
        object.insert(QStringLiteral("shares"), shares);
        object.insert(QStringLiteral("tolerances"), given);
        histogram.insert(QStringLiteral("from"), study.histogram.from);
        histogram.insert(QStringLiteral("binWidth"), study.histogram.binWidth);
        QJsonArray counts;
        for (const int count : study.histogram.counts)
            counts.append(count);
        histogram.insert(QStringLiteral("counts"), counts);
        histogram.insert(QStringLiteral("fallShort"), study.histogram.fallShort);
        object.insert(QStringLiteral("histogram"), histogram);
        object.insert(QStringLiteral("sentence"), sentence);
        printJson(object, out);
    } else {
        out << sentence << '\n';
        Fields fields{{QStringLiteral("Samples"), QString::number(study.builds.size())},
                      {QStringLiteral("Seed"), fixedText(seed, 0)},
                      {QStringLiteral("P5"), seconds(study.p5)},
                      {QStringLiteral("P50"), seconds(study.p50)},
                      {QStringLiteral("P95"), seconds(study.p95)},
                      {QStringLiteral("ReachProbability"), fixedText(study.reachProbability, 3)},
                      {QStringLiteral("NominalTime"), seconds(study.nominalTime)}};
        for (size_t q = 0; q < ToleranceCount; ++q) {
            QString name = QLatin1String(ToleranceKinds[q].name);
            name[0] = name[0].toUpper();
            fields.emplace_back(QStringLiteral("Tolerance") + name, ToleranceValueText(ToleranceKinds[q], tolerances));
            fields.emplace_back(QStringLiteral("Share") + name, fixedText(study.shares[q], 1) + QStringLiteral(" %"));
        }
        printFields(fields, out);
    }
    if (chartFormat) {
        const ToleranceChartData data = toleranceChartData(study, workspace.list.current().DesignName);
        if (!writeChartFile(
                chartName, *chartFormat, QSize(900, 800), data.designName + QStringLiteral(" tolerances"),
                [&](QPainter &painter, const QRectF &area) { paintToleranceChart(painter, area, data); }, out, err))
            status = FileFailure;
    }
    if (study.stopped) {
        err << "zindle-cli tolerances: "
            << Texts::tr("stopped after %1 of %2 builds; what they show is printed").arg(study.builds.size()).arg(options.samples)
            << '\n';
        return InterruptedStatus;
    }
    return status;
}

} // namespace zindle::cli
