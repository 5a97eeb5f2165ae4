// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the templates command, the whole set of layer pages printed to a PDF at 600 dots
// per inch: each built-in design, and a design whose outline spans the whole range of sheet
// points (the largest a file may hold), where rasterising the outline is most of the work.
// Run with QT_QPA_PLATFORM=offscreen.

#include "app/Workspace.h"
#include "cli/Cli.h"
#include "files/DesignFile.h"
#include "model/BuiltInDesigns.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace zindle;

namespace {

constexpr int WholeRange = BuiltInDesignCount; // the argument past the built-ins

QString designFile(const QTemporaryDir &dir, int which)
{
    Workspace workspace;
    BuildBuiltInDesign(workspace, which == WholeRange ? 0 : which);
    if (which == WholeRange) {
        const int m = MaxSheetCoordinate;
        workspace.design.OuterPts = {QPoint(-m, -m), QPoint(m, m), QPoint(m, -m), QPoint(-m, m)};
        workspace.design.InnerPts = workspace.design.OuterPts;
    }
    const QString path = dir.filePath(QStringLiteral("design%1.zndl").arg(which));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeDesign(workspace.design, workspace.catalogue, path)) < 0)
        return {};
    return path;
}

void BM_TemplatesCommand(benchmark::State &state)
{
    QTemporaryDir dir;
    const int which = static_cast<int>(state.range(0));
    const QString design = designFile(dir, which);
    const QStringList arguments{"templates", design, dir.filePath(QStringLiteral("set.pdf"))};
    for (auto _ : state) {
        QString output, errors;
        QTextStream outStream(&output), errStream(&errors);
        if (cli::run(arguments, outStream, errStream) != 0)
            state.SkipWithError("templates failed");
    }
    state.SetLabel(which == WholeRange ? "outline across the whole range" : builtInDesignName(which).toStdString());
}
BENCHMARK(BM_TemplatesCommand)->DenseRange(0, WholeRange)->ArgName("design")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
