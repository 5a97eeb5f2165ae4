// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulateCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "files/PathText.h"
#include "PhysicsOutput.h"
#include "model/NumberText.h"
#include "app/RefreshChain.h"
#include "charts/RunCharts.h"
#include "sheet/EmptySheet.h"
#include "app/TrackCalibration.h"
#include "app/WorkspaceCoast.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

#include <QJsonArray>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SimulateCommand)
};

} // namespace

const char *const SimulateHelp =
    "Usage: zindle-cli simulate DESIGN [--track T] [--trace] [--json] [--chart FILE]\n"
    "Enters Simulate mode (element size 9) and runs the whole cycle to its end, as the\n"
    "\"View the entire cycle\" button does, without drawing. Prints each key once: the\n"
    "Analyze fields, with PoweredDistanceEF as the window finally shows it (revised down to\n"
    "the distance covered when the run fell short of the prediction), then PredictedDistance\n"
    "(the revolutions step's prediction), TimeEF, TopSpeedEF, RevisedLabel (empty when\n"
    "hidden), SkidOccurred (0 or 1) and one Advisory=<text> line per advisory. A design the\n"
    "model cannot run (see its advisories) is not simulated: its run fields are empty.\n"
    "--trace adds the recorded samples as CSV lines t,distance,skid (seconds, feet, 0/1);\n"
    "--json prints one JSON object with the same keys (Advisories and Trace as arrays).\n"
    "--chart FILE draws the run's distance, speed, and propulsion against traction over time\n"
    "(skidding steps shaded, the 15 ft line drawn) into FILE, a .png, .svg or .pdf file.\n"
    "--track T predicts for track T with its calibration from the logbook beside the\n"
    "design file ('zindle-cli calibrate'): every run field is then computed with the\n"
    "track's friction and spring efficiency (the design itself is not changed), and\n"
    "Calibrated says so; CoastTimeTo15ft and CoastRestDistance follow, the time to\n"
    "15 ft and the resting distance with coasting (the car rolling on after its\n"
    "spring has unwound; CoastTimeTo15ft is empty when the car rests short of 15 ft).\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

// Keeps the powered distance the revolutions step predicted, before the run revises it.
class PredictionKeeper : public RefreshHooks {
public:
    QString predicted;
    void simulationStarting(Workspace &workspace) override
    {
        predicted = workspace.results.PoweredDistanceEF;
    }
};

// The track's calibration from the logbook beside the design, into the workspace's runs.
bool applyTrack(Workspace &workspace, const QString &track, QString &said, QTextStream &err)
{
    const QString path = workspace.list.current().DesignPath;
    if (path.isEmpty()) {
        err << "zindle-cli simulate: " << Texts::tr("--track needs a design file, whose folder holds the class's logbook")
            << '\n';
        return false;
    }
    const LogbookRead read = ReadLogbook(LogbookPathBeside(path));
    if (!read.ok) {
        err << Texts::tr("%1; the logbook is left as it is").arg(read.shownError()) << '\n';
        return false;
    }
    const LoggedCalibration *calibration = read.logbook.calibrationOf(track);
    if (!calibration) {
        err << "zindle-cli simulate: "
            << Texts::tr("%1 holds no calibration for \"%2\" (see 'zindle-cli calibrate')")
                   .arg(printableText(LogbookPathBeside(path)), printableText(track.trimmed()))
            << '\n';
        return false;
    }
    workspace.trackFactors = FactorsOf(FromLogged(*calibration));
    said = CalibratedForText(*calibration);
    return true;
}

} // namespace

int simulateCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {QStringLiteral("--json"), QStringLiteral("--trace")}, {QStringLiteral("--chart"), QStringLiteral("--track")},
                        parsed, error)
        || parsed.positional.size() != 1) {
        if (!error.isEmpty())
            err << "zindle-cli simulate: " << printableText(error) << '\n';
        err << SimulateHelp;
        return UsageFailure;
    }
    const QString chartName = parsed.value(QStringLiteral("--chart"));
    std::optional<ChartFormat> chartFormat;
    if (parsed.hasValue(QStringLiteral("--chart"))) {
        chartFormat = chartFileFormat(QStringLiteral("simulate"), QStringLiteral("--chart"), chartName, err);
        if (!chartFormat)
            return UsageFailure;
    }
    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    QString calibrated;
    const bool forTrack = parsed.hasValue(QStringLiteral("--track"));
    if (forTrack && !applyTrack(workspace, parsed.value(QStringLiteral("--track")), calibrated, err))
        return FileFailure;
    PrepareEntireCycle(workspace);
    PredictionKeeper hooks;
    RefreshPhysicsMode(workspace, SheetMode::Simulate, hooks);

    // One list for both forms, so that the text and the JSON give the same keys and values.
    Fields fields = analyzeFields(workspace); // PoweredDistanceEF as the run left it
    fields.emplace_back(QStringLiteral("PredictedDistance"), hooks.predicted);
    const Fields run = listingFields(workspace, CliListing::Run);
    fields.insert(fields.end(), run.begin(), run.end());
    fields.emplace_back(QStringLiteral("SkidOccurred"), workspace.forces.SkidOccurred ? QStringLiteral("1") : QStringLiteral("0"));
    if (forTrack) {
        fields.emplace_back(QStringLiteral("Calibrated"), calibrated);
        const std::optional<CoastedRun> coasted = RunWorkspaceCoast(workspace);
        const std::optional<double> at15 = coasted ? TimeAtDistance(*coasted, CourseFt) : std::nullopt;
        fields.emplace_back(QStringLiteral("CoastTimeTo15ft"), at15 ? text00(*at15) : QString());
        fields.emplace_back(QStringLiteral("CoastRestDistance"),
                            coasted ? text00(coasted->rests ? coasted->restFt : coasted->points.back().distance) : QString());
    }
    const int slot = workspace.list.CurrentDesign;
    const RaceTrace *trace =
        parsed.has(QStringLiteral("--trace")) && slot < RaceSlots ? &workspace.list.traces[static_cast<size_t>(slot)] : nullptr;

    // After the results, so that a chart that cannot be written still leaves them printed.
    const auto writeChart = [&] {
        if (!chartFormat)
            return Success;
        RunChartOptions options;
        options.designName = slot >= 0 && slot < workspace.list.DesignCount()
                                 ? workspace.list.entries[static_cast<size_t>(slot)].DesignName
                                 : QString();
        options.calibrated = forTrack;
        const RunTrace &run = workspace.run;
        const bool written = writeChartFile(
            chartName, *chartFormat, QSize(900, 1050), options.designName + QStringLiteral(" run"),
            [&](QPainter &painter, const QRectF &area) { paintRunCharts(painter, area, run, options); }, out, err);
        return written ? Success : FileFailure;
    };

    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object = fieldsJson(fields);
        addAdvisoriesJson(object, workspace);
        if (trace) {
            QJsonArray samples;
            for (int i = 0; i < TraceSamples; ++i) {
                const float d = trace->DistanceTrace[static_cast<size_t>(i)];
                if (d == -1.0f)
                    continue;
                samples.append(QJsonArray{i / 100.0, static_cast<double>(d), int(trace->SkidTrace[static_cast<size_t>(i)])});
            }
            object.insert(QStringLiteral("Trace"), samples);
        }
        printJson(object, out);
        return writeChart();
    }
    printFields(fields, out);
    printAdvisories(workspace, out);
    if (trace) {
        for (int i = 0; i < TraceSamples; ++i) {
            const float d = trace->DistanceTrace[static_cast<size_t>(i)];
            if (d == -1.0f)
                continue;
            out << text00(i / 100.0) << ',' << floatText(d) << ',' << int(trace->SkidTrace[static_cast<size_t>(i)]) << '\n';
        }
    }
    return writeChart();
}

} // namespace zindle::cli
