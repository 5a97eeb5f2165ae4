// SPDX-License-Identifier: GPL-3.0-or-later
// Cut files of a car whose wheels are of another board than its layers: each part cut with its
// own material's kerf, and the export's steps on a worker writing what the one call writes.

#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "output/CutFiles.h"
#include "output/Templates.h"
#include "support/BuiltInWorkspace.h"
#include "support/FolderFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

Workspace balsaWheels()
{
    Workspace ws = test::builtInWorkspace(0);
    ws.catalogue.boards.push_back({QStringLiteral("Balsa 1/8"), QStringLiteral("0.125"), QStringLiteral("0.0058")});
    ws.design.MatIndex[DriveWheelPart] = ws.design.MatIndex[OtherWheelPart] = 1;
    return ws;
}

// The largest circle's radius (a wheel's outline) and the longest side of any outline's box (a
// layer's, upright or turned), millimetres.
std::pair<double, double> extentsOf(const QString &path)
{
    const QString svg = QString::fromUtf8(test::contentOf(path));
    double radius = 0.0, side = 0.0;
    static const QRegularExpression circle(QStringLiteral("<circle [^>]*r=\"([0-9.]+)\""));
    for (const QRegularExpressionMatch &m : circle.globalMatch(svg))
        radius = std::max(radius, m.captured(1).toDouble());
    static const QRegularExpression outline(QStringLiteral("<path [^>]* d=\"([^\"]+)\""));
    static const QRegularExpression point(QStringLiteral("([-0-9.]+),([-0-9.]+)"));
    for (const QRegularExpressionMatch &m : outline.globalMatch(svg)) {
        QRectF box;
        for (const QRegularExpressionMatch &p : point.globalMatch(m.captured(1)))
            box |= QRectF(p.captured(1).toDouble(), p.captured(2).toDouble(), 1e-9, 1e-9);
        side = std::max({side, box.width(), box.height()});
    }
    return {radius, side};
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
    ASSERT_TRUE(WriteCutFiles(ws, cut, CutSet::All, BoardSize(), {}, laser).ok);
    const auto [radius, side] = extentsOf(plain);
    const auto [cutRadius, cutSide] = extentsOf(cut);
    ASSERT_GT(radius, 60.0);
    ASSERT_GT(side, 250.0);
    EXPECT_NEAR(cutRadius - radius, 0.003 * 25.4, 0.001);
    // A mitred corner at the layer's end reaches a little beyond half the kerf; the balsa's
    // kerf would grow it by a third of this.
    EXPECT_NEAR(cutSide - side, 0.02 * 25.4, 0.05);
}

TEST(CutKerfByMaterial, TheStepsWithTheDrawingOnAWorkerWriteTheSameBytesAsTheOneCall)
{
    QTemporaryDir once, split;
    Workspace ws = balsaWheels();
    CutProfile laser = DefaultCutProfile(CutMachine::Laser);
    laser.kerfByMaterial[QStringLiteral("Balsa 1/8")] = 0.004;
    const BoardSize small{12.0, 12.0, false};
    const CutFilesOutcome whole = WriteCutFiles(ws, once.filePath(QStringLiteral("car.svg")), CutSet::All, small, {}, laser);
    ASSERT_GE(whole.boards, 2) << whole.error.toStdString();

    const CutExport job = PrepareCutExport(ws, split.filePath(QStringLiteral("car.svg")), CutSet::All, small, laser);
    WorkerPool workers;
    const CutFilesOutcome steps = WriteCutBoards(job, workers.run([&job] { return DrawCutBoards(job); }).get());
    ASSERT_EQ(steps.boards, whole.boards);
    EXPECT_EQ(steps.warning, whole.warning);
    for (int board = 1; board <= whole.boards; ++board)
        EXPECT_EQ(test::contentOf(CutBoardPath(once.filePath(QStringLiteral("car.svg")), board)),
                  test::contentOf(CutBoardPath(split.filePath(QStringLiteral("car.svg")), board)))
            << "board " << board;
}

} // namespace
