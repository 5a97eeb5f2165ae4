// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassStandings.h"

#include "app/ChallengeCheck.h"
#include "app/RefreshChain.h"
#include "app/SideViewPicture.h"
#include "app/WorkspaceCoast.h"
#include "app/WorkspaceEnergy.h"
#include "files/DesignFile.h"
#include "files/FileErrors.h"
#include "files/PathText.h"
#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"
#include "physics/RunComparison.h"
#include "sheet/CarRenderer.h"
#include "sheet/EmptySheet.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace zindle {

namespace {

void fillRow(StandingRow &row, Workspace &workspace)
{
    const ResultFields &r = workspace.results;
    row.ran = !workspace.checks.cannotRun();
    row.TimeEF = r.TimeEF;
    row.TopSpeedEF = r.TopSpeedEF;
    row.PeakSpeedEF = r.PeakSpeedEF;
    row.PoweredDistanceEF = r.PoweredDistanceEF;
    row.ProjectedMassEF = r.ProjectedMassEF;
    row.advisories = workspace.advisories.shownTexts();
    // An unfinished run's time is written in brackets; a finished one is a plain number.
    row.finished = row.ran && !r.TimeEF.isEmpty() && !r.TimeEF.startsWith(QLatin1Char('['));
    row.time = row.finished ? floatOr(r.TimeEF, 0.0f) : 0.0f;
    row.peakSpeed = floatOr(r.PeakSpeedEF, 0.0f);
    row.distance = floatOr(r.PoweredDistanceEF, 0.0f);
    row.mass = floatOr(r.ProjectedMassEF, 0.0f);
    const int slot = workspace.list.CurrentDesign;
    if (row.ran && slot >= 0 && slot < RaceSlots)
        row.trace = workspace.list.traces[static_cast<size_t>(slot)];
}

// The measured runs beside the time with coasting that they are compared with.
void compareRuns(StandingRow &row, Workspace &workspace, const std::vector<MeasuredRun> &runs)
{
    if (runs.empty())
        return;
    row.measuredRuns = static_cast<int>(runs.size());
    row.measuredTime = MeanTimeAt(runs, CourseFt);
    if (const std::optional<CoastedRun> coasted = RunWorkspaceCoast(workspace))
        row.coastTime = TimeAtDistance(*coasted, CourseFt);
}

// The powered distance per ft.lb the spring delivered: a car that wastes its spring in skids,
// friction or its wheels' spin covers less ground on the same energy.
std::optional<double> runEfficiency(const Workspace &workspace)
{
    const std::optional<EnergyTrace> energy = RunWorkspaceEnergy(workspace);
    if (!energy || energy->totals().springDelivered <= 0.0)
        return std::nullopt;
    return floatOr(workspace.results.PoweredDistanceEF, 0.0f) / energy->totals().springDelivered;
}

void setReadError(StandingRow &row, const FileText &reason)
{
    const FileText error = readError(row.source, reason);
    row.error = error.english();
    row.shownError = error.shown();
}

} // namespace

bool LoadDesignSource(Workspace &workspace, const QString &source, QString &error, QString &warning,
                      QString *shownError, QString *shownWarning)
{
    const int builtIn = builtInDesignSlot(source);
    if (builtIn >= 0) {
        workspace.list.CurrentDesign = builtIn;
        BuildBuiltInDesign(workspace, builtIn);
        return true;
    }
    PrepareForFileRead(workspace);
    const ReadOutcome outcome = ReadBinaryDesignFile(workspace, source);
    if (!outcome.ok()) {
        error = outcome.error;
        if (shownError)
            *shownError = outcome.shownError();
        return false;
    }
    warning = outcome.warning;
    if (shownWarning)
        *shownWarning = outcome.shownWarning();
    const int slot = workspace.list.append(outcome.name, source, true);
    if (slot < 0) {
        const char *const full = QT_TRANSLATE_NOOP("ClassStandings", "Cannot open \"%1\": the design list is full");
        error = QString::fromUtf8(full).arg(printableText(source));
        if (shownError)
            *shownError = QCoreApplication::translate("ClassStandings", full).arg(printableText(source));
        return false;
    }
    workspace.list.CurrentDesign = slot;
    return true;
}

StandingRow RunStandingDesign(const QString &source, const StandingsOptions &options)
{
    StandingRow row;
    row.source = source;
    Workspace workspace;
    if (!LoadDesignSource(workspace, source, row.error, row.warning, &row.shownError, &row.shownWarning)) {
        if (row.error.isEmpty())
            setReadError(row, FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a design file")));
        return row;
    }
    row.name = workspace.list.current().DesignName;
    if (row.name.isEmpty())
        row.name = QFileInfo(source).completeBaseName();
    const DesignRuns logged =
        options.logbooks ? LoggedRunsOf(*options.logbooks, source, workspace.list.current().DesignName) : DesignRuns{};
    row.calibration = ApplyTrackCalibration(logged, workspace);
    workspace.scale = HeadlessSheetScale();
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    fillRow(row, workspace);
    if (options.challenge) {
        row.checked = true;
        row.ruleChecks = CheckChallenge(workspace, *options.challenge);
        // A second run of the model: only the scoring by efficiency pays for it.
        if (options.challenge->scoring.kind == ScoringKind::Efficiency && row.ran)
            row.efficiency = runEfficiency(workspace);
        row.score = ChallengeScore(row, options.challenge->scoring);
    }
    compareRuns(row, workspace, logged.runs);
    if (options.coastMarkFt && row.ran)
        if (const std::optional<CoastedRun> coasted = RunWorkspaceCoast(workspace))
            row.markCoastTime = TimeAtDistance(*coasted, *options.coastMarkFt);
    if (options.sideViews) {
        QBuffer png(&row.sideViewPng);
        png.open(QIODevice::WriteOnly);
        // A light compression: several times faster than the default, hardly larger.
        SideViewPicture(workspace, options.sideViewWidth).save(&png, "PNG", 80);
    }
    return row;
}

std::vector<StandingRow> RunStandings(WorkerPool &workers, const DesignSources &sources, const StandingsOptions &options)
{
    const int total = static_cast<int>(sources.size());
    std::vector<StandingRow> rows(static_cast<size_t>(total));
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex mutex;
    std::condition_variable finished;

    std::vector<char> started(static_cast<size_t>(total), 0);
    auto runOne = [&](int i) {
        if (options.stop && options.stop->load())
            return;
        StandingRow &row = rows[static_cast<size_t>(i)];
        const DesignSource &source = sources.entries[static_cast<size_t>(i)];
        if (source.refusal.isEmpty()) {
            row = RunStandingDesign(source.path, options);
        } else {
            row.source = source.path;
            setReadError(row, source.refusal);
        }
        row.sourceIndex = i;
        started[static_cast<size_t>(i)] = 1;
    };
    auto worker = [&] {
        for (int i = next++; i < total; i = next++) {
            runOne(i);
            {
                std::lock_guard<std::mutex> lock(mutex);
                ++done;
            }
            finished.notify_one();
        }
    };

    const int threads = WorkerThreadCount(options.threads, total);
    if (threads <= 1) {
        for (int i = 0; i < total; ++i) {
            runOne(i);
            if (options.progress)
                options.progress(i + 1, total);
        }
    } else {
        std::vector<std::future<void>> threadsEnded;
        threadsEnded.reserve(static_cast<size_t>(threads));
        for (int t = 0; t < threads; ++t)
            threadsEnded.push_back(workers.run(worker));
        std::unique_lock<std::mutex> lock(mutex);
        while (done.load() < total) {
            finished.wait_for(lock, std::chrono::milliseconds(20));
            // Called on every wake, so that the caller can set the stop flag in time.
            if (options.progress) {
                const int completed = done.load();
                lock.unlock();
                options.progress(completed, total);
                lock.lock();
            }
        }
        lock.unlock();
        waitForAll(threadsEnded);
    }
    // Designs a stop left out are not in the standings at all.
    std::vector<StandingRow> ran;
    ran.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        if (started[i])
            ran.push_back(std::move(rows[i]));
    RankStandings(ran, options.challenge ? options.challenge->scoring : ChallengeScoring{});
    return ran;
}

} // namespace zindle
