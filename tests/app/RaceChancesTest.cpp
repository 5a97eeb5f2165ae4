// SPDX-License-Identifier: GPL-3.0-or-later
// Race chances: only the designs that raced are built, the current one as it is in memory and a
// file that cannot be read named with the reason, and each pair's chances add up to one.

#include "app/RaceChances.h"
#include "support/BuiltInWorkspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;

TEST(RaceChances, TheDesignsThatRacedAsTheListKnowsThem)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.zndl"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a design");
    file.close();

    Workspace ws = test::builtInWorkspace(0);
    ws.design.SpringLength = QStringLiteral("48"); // changed in memory, not saved
    ws.list.entries[0].DesignSimulated = true;
    ws.list.entries[1].DesignSimulated = true;
    const int slot = ws.list.append(QStringLiteral("Broken"), broken, true);
    ws.list.entries[static_cast<size_t>(slot)].DesignSimulated = true;

    const RaceChanceDesigns designs = RaceChanceDesignsOf(ws);
    ASSERT_EQ(designs.names, (QStringList{QStringLiteral("Default design"), QStringLiteral("Racer")}));
    EXPECT_EQ(designs.designs[0].design.SpringLength, QStringLiteral("48"));
    EXPECT_EQ(designs.designs[1].design.SpringLength, test::builtInWorkspace(1).design.SpringLength);
    ASSERT_EQ(designs.skipped.size(), 1);
    EXPECT_TRUE(designs.skipped[0].startsWith(QStringLiteral("Broken: "))) << designs.skipped[0].toStdString();

    WorkerPool workers;
    ToleranceOptions options;
    options.samples = 60;
    const RaceChancesResult result = ComputeRaceChances(workers, designs, BuildTolerances{}, options);
    ASSERT_EQ(result.chance.size(), 2u);
    EXPECT_DOUBLE_EQ(result.chance[0][0], 0.5);
    EXPECT_DOUBLE_EQ(result.chance[0][1] + result.chance[1][0], 1.0);
    EXPECT_EQ(result.skipped, designs.skipped);
}
