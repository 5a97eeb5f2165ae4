// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export run from the window: the chosen file is written, the window's Simulate state is
// left as it was, and a name the export cannot write says why.

#include "GuiTestSupport.h"

#include <QAction>
#include <QFile>

namespace zindle::test {
namespace {

TEST(ExportRunWindow, WritesTheChosenFileAndLeavesTheShownFrame)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    const int step = s.workspace.simulation.SimulateStep;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString csv = dir.filePath(QStringLiteral("run.csv"));
    s.prompter.savePaths = {csv, dir.filePath(QStringLiteral("run.doc"))};
    w.action(QStringLiteral("ExportRunPos"))->trigger();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith("t,distance,speed,propulsion,traction,skid"));
    EXPECT_EQ(s.workspace.simulation.SimulateStep, step);
    EXPECT_TRUE(s.prompter.messages().isEmpty());

    w.action(QStringLiteral("ExportRunPos"))->trigger();
    EXPECT_EQ(s.prompter.messages(),
              QStringList{"A run is exported as .csv, .png, .svg or .pdf, not as \"run.doc\"."});
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("run.doc"))));
}

} // namespace
} // namespace zindle::test
