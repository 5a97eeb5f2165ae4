// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the class standings over 200 designs: the designs alone (read, build, weigh, run),
// the same with each car's side view painted, and the whole command with its HTML page and PDF,
// each one by one and on two threads. Run with QT_QPA_PLATFORM=offscreen.
//
// `zindle_league_bench --write-class DIR` writes the 200 design files into DIR and exits, for
// timing the installed command line on them.

#include "physics/ClassHeats.h"
#include "app/ClassStandings.h"
#include "cli/Cli.h"
#include "support/ClassFolder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace zindle;

namespace {

constexpr int ClassSize = 200;

QString classFolder()
{
    static QTemporaryDir dir;
    static const bool written = !test::writeClassFolder(dir.path(), ClassSize).contains(QString());
    if (!written)
        std::abort();
    return dir.path();
}

void BM_Standings(benchmark::State &state)
{
    WorkerPool workers;
    const DesignSources sources = CollectDesignSources({classFolder()});
    StandingsOptions options;
    options.threads = static_cast<int>(state.range(0));
    options.sideViews = state.range(1) != 0;
    for (auto _ : state) {
        const std::vector<StandingRow> rows = RunStandings(workers, sources, options);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetLabel(QStringLiteral("%1 designs").arg(sources.size()).toStdString());
}
BENCHMARK(BM_Standings)
    ->ArgNames({"threads", "sideViews"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_Heats(benchmark::State &state)
{
    WorkerPool workers;
    const std::vector<StandingRow> rows = RunStandings(workers, CollectDesignSources({classFolder()}));
    for (auto _ : state) {
        const std::vector<Heat> heats = RunHeats(rows);
        benchmark::DoNotOptimize(heats.data());
    }
}
BENCHMARK(BM_Heats)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command as a user runs it, files written, without the process start.
void BM_LeagueCommand(benchmark::State &state)
{
    QTemporaryDir out;
    const QStringList arguments{"league", classFolder(), "--heats", "--threads", QString::number(state.range(0)),
                                "--html", out.filePath("class.html"), "--pdf", out.filePath("class.pdf"),
                                "--csv", out.filePath("class.csv")};
    for (auto _ : state) {
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        QString errors;
        QTextStream outStream(&sink), errStream(&errors);
        if (cli::run(arguments, outStream, errStream) != 0)
            state.SkipWithError("league failed");
    }
}
BENCHMARK(BM_LeagueCommand)->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--write-class")
        return test::writeClassFolder(QString::fromLocal8Bit(argv[2]), ClassSize).contains(QString()) ? 1 : 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
