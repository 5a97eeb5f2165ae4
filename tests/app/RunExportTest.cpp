// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export run: the samples and the charts of the current design's whole run, made without
// touching the workspace the window shows.

#include "app/RefreshChain.h"
#include "app/RunExport.h"
#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

using namespace zindle;

namespace {

Workspace builtInAtDefaultScale(int slot)
{
    Workspace workspace;
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    return workspace;
}

} // namespace

TEST(RunExport, TheSamplesAreTheWholeRunOfTheEntireCycleAndTheWorkspaceIsLeftAlone)
{
    Workspace workspace = builtInAtDefaultScale(3); // the Tow Truck reaches 15 ft
    workspace.simulation.SimulateStep = 7;
    QString error;
    const QList<QByteArray> lines = RunExportBytes(workspace, QStringLiteral("run.CSV"), error).split('\n');
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(lines.front(), "t,distance,speed,propulsion,traction,skid");
    ASSERT_GT(lines.size(), 100);

    // The same run as the window's entire cycle: its last step is the run's end.
    Workspace shown = builtInAtDefaultScale(3);
    PrepareEntireCycle(shown);
    RefreshPhysicsMode(shown, SheetMode::Simulate);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(shown.run.samples.size()) + 2); // header, final newline
    const QList<QByteArray> last = lines[lines.size() - 2].split(',');
    ASSERT_EQ(last.size(), 6);
    EXPECT_EQ(QString::fromUtf8(last[1]), floatText(shown.run.samples.back().distance));
    EXPECT_EQ(shown.results.TimeEF, "1.5");

    // Nothing of the copy's run reached the workspace.
    EXPECT_EQ(workspace.simulation.SimulateStep, 7);
    EXPECT_TRUE(workspace.run.samples.empty());
    EXPECT_TRUE(workspace.results.TimeEF.isEmpty());
}

TEST(RunExport, ChartsByExtensionAndClearRefusals)
{
    const Workspace workspace = builtInAtDefaultScale(0);
    QString error;
    EXPECT_TRUE(RunExportBytes(workspace, QStringLiteral("r.png"), error).startsWith("\x89PNG"));
    EXPECT_TRUE(RunExportBytes(workspace, QStringLiteral("r.svg"), error).contains("<svg"));
    EXPECT_TRUE(RunExportBytes(workspace, QStringLiteral("r.pdf"), error).startsWith("%PDF"));
    EXPECT_TRUE(error.isEmpty());

    EXPECT_TRUE(RunExportBytes(workspace, QStringLiteral("r.txt"), error).isEmpty());
    EXPECT_EQ(error, "A run is exported as .csv, .png, .svg or .pdf, not as \"r.txt\".");

    Workspace bodiless = builtInAtDefaultScale(0);
    bodiless.design.OuterPts.clear();
    error.clear();
    EXPECT_TRUE(RunExportBytes(bodiless, QStringLiteral("r.csv"), error).isEmpty());
    EXPECT_EQ(error, "This car cannot be run, so there is no run to export.");

    // A failed write says so and leaves nothing.
    QTemporaryDir dir;
    const WriteOutcome missing = ExportRun(workspace, dir.filePath(QStringLiteral("no/such/folder/r.csv")));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
    const WriteOutcome written = ExportRun(workspace, dir.filePath(QStringLiteral("r.csv")));
    EXPECT_TRUE(written.ok) << written.error.toStdString();
}
