// SPDX-License-Identifier: GPL-3.0-or-later
// Cut files of a car whose wheels are of another board than its layers: each part cut with its
// own material's kerf, and the export's steps on a worker writing what the one call writes.

#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "output/CutFiles.h"
#include "output/Templates.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

Workspace balsaWheels()
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.list.CurrentDesign = 0;
    ws.scale = HeadlessSheetScale();
    ws.catalogue.boards.push_back({QStringLiteral("Balsa 1/8"), QStringLiteral("0.125"), QStringLiteral("0.0058")});
    ws.design.MatIndex[DriveWheelPart] = ws.design.MatIndex[OtherWheelPart] = 1;
    return ws;
}

struct SvgExtents {
    double largestRadiusMm = 0.0;     // a wheel's outline
    double longestContourSideMm = 0.0; // a layer's outline, upright or turned
};

SvgExtents extentsOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString svg = QString::fromUtf8(file.readAll());
    SvgExtents extents;
    static const QRegularExpression radius(QStringLiteral("<circle [^>]*r=\"([0-9.]+)\""));
    for (const QRegularExpressionMatch &m : radius.globalMatch(svg))
        extents.largestRadiusMm = std::max(extents.largestRadiusMm, m.captured(1).toDouble());
    // Outlines are paths of straight segments: "M x,y L x,y ... Z".
    static const QRegularExpression path(QStringLiteral("<path [^>]* d=\"([^\"]+)\""));
    static const QRegularExpression point(QStringLiteral("([-0-9.]+),([-0-9.]+)"));
    for (const QRegularExpressionMatch &m : path.globalMatch(svg)) {
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (const QRegularExpressionMatch &p : point.globalMatch(m.captured(1))) {
            const QStringList xy{p.captured(1), p.captured(2)};
            left = std::min(left, xy.value(0).toDouble());
            right = std::max(right, xy.value(0).toDouble());
            top = std::min(top, xy.value(1).toDouble());
            bottom = std::max(bottom, xy.value(1).toDouble());
        }
        extents.longestContourSideMm = std::max({extents.longestContourSideMm, right - left, bottom - top});
    }
    return extents;
}

TEST(CutKerfByMaterial, TheLayersAndTheWheelsEachGrowByHalfTheirOwnMaterialsKerf)
{
    QTemporaryDir dir;
    Workspace ws = balsaWheels();
    const QString plain = dir.filePath(QStringLiteral("plain.svg")), cut = dir.filePath(QStringLiteral("cut.svg"));
    ASSERT_TRUE(WriteCutFiles(ws, plain, CutSet::All, BoardSize()).ok);
    CutProfile laser = DefaultCutProfile(CutMachine::Laser);
    laser.kerfIn = 0.02;
    laser.kerfByMaterial[QStringLiteral("Balsa 1/8")] = 0.006;
    const CutFilesOutcome outcome = WriteCutFiles(ws, cut, CutSet::All, BoardSize(), {}, laser);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();

    const SvgExtents before = extentsOf(plain), after = extentsOf(cut);
    ASSERT_GT(before.largestRadiusMm, 60.0);
    ASSERT_GT(before.longestContourSideMm, 250.0);
    EXPECT_NEAR(after.largestRadiusMm - before.largestRadiusMm, 0.003 * 25.4, 0.001);
    // A mitred corner at the layer's end reaches a little beyond half the kerf; the balsa's
    // kerf would grow it by a third of this.
    EXPECT_NEAR(after.longestContourSideMm - before.longestContourSideMm, 0.02 * 25.4, 0.05);
}

TEST(CutKerfByMaterial, TheStepsWithTheDrawingOnAWorkerWriteTheSameBytesAsTheOneCall)
{
    QTemporaryDir once, split;
    Workspace ws = balsaWheels();
    CutProfile laser = DefaultCutProfile(CutMachine::Laser);
    laser.kerfByMaterial[QStringLiteral("Balsa 1/8")] = 0.004;
    const BoardSize small{12.0, 12.0, false};
    const CutFilesOutcome whole = WriteCutFiles(ws, once.filePath(QStringLiteral("car.svg")), CutSet::All, small, {}, laser);
    ASSERT_TRUE(whole.ok) << whole.error.toStdString();
    ASSERT_GE(whole.boards, 2);

    const CutExport job = PrepareCutExport(ws, split.filePath(QStringLiteral("car.svg")), CutSet::All, small, laser);
    WorkerPool workers;
    const DrawnCutBoards drawn = workers.run([&job] { return DrawCutBoards(job); }).get();
    const CutFilesOutcome steps = WriteCutBoards(job, drawn);
    ASSERT_TRUE(steps.ok) << steps.error.toStdString();
    ASSERT_EQ(steps.boards, whole.boards);
    EXPECT_EQ(steps.warning, whole.warning);
    for (int board = 1; board <= whole.boards; ++board) {
        QFile a(CutBoardPath(once.filePath(QStringLiteral("car.svg")), board));
        QFile b(CutBoardPath(split.filePath(QStringLiteral("car.svg")), board));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << board;
        EXPECT_EQ(a.readAll(), b.readAll()) << "board " << board;
    }
}

} // namespace
