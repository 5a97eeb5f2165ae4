// SPDX-License-Identifier: GPL-3.0-or-later
// Cut files read back by programs that share nothing with the writers: ezdxf for DXF and
// librsvg (rsvg-convert) for SVG, driven by check_cut_files.py, which measures what they read.

#include "app/Workspace.h"
#include "output/CutFiles.h"
#include "output/Templates.h"
#include "support/BuiltInWorkspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include "support/FolderFiles.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// The outer layer's extent from the design itself: its points and the case disc around the
// drive axle, nothing below the sheet's bottom edge (y = 540 points).
QSizeF outerExtentIn(const Workspace &ws)
{
    const PartGeometry &g = ws.regions.geometry;
    double left = g.rOut - g.rOut, right = 2.0 * g.rOut;
    const double cy = 540.0 - g.driveAxleHeightPt;
    double top = cy - g.rOut, bottom = std::min(540.0, cy + g.rOut);
    for (const QPoint &p : ws.design.OuterPts) {
        left = std::min<double>(left, p.x());
        right = std::max<double>(right, p.x());
        top = std::min<double>(top, p.y());
        bottom = std::max<double>(bottom, std::min(540, p.y()));
    }
    return {(right - left) / 72.0, (bottom - top) / 72.0};
}

struct Check {
    int status = -1;
    QString output;
};

Check runChecker(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(ZINDLE_PYTHON3), QStringList{QStringLiteral(ZINDLE_CUT_CHECK_SCRIPT)} + arguments);
    Check check;
    if (!process.waitForFinished(240000)) {
        check.output = QStringLiteral("the checker did not finish: ") + process.errorString();
        return check;
    }
    check.output = QString::fromUtf8(process.readAll());
    check.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return check;
}

QString screenshotPath(const QString &name)
{
    const QString folder = QStringLiteral(ZINDLE_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

QStringList measures(const Workspace &ws)
{
    const QSizeF extent = outerExtentIn(ws);
    return {QStringLiteral("--board"), QStringLiteral("20"), QStringLiteral("30"),
            QStringLiteral("--wheel"), QStringLiteral("4.80"), QStringLiteral("0.5"),
            QStringLiteral("--extent"), QString::number(extent.width(), 'g', 10), QString::number(extent.height(), 'g', 10)};
}

} // namespace

TEST(CutFiles, DxfReadBackByEzdxfMeasuresTrueToSize)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.dxf"));
    const CutFilesOutcome outcome = WriteCutFiles(ws, path, CutSet::All, BoardSize());
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.boards, 1);
    ASSERT_EQ(ws.design.DriveWhlDia, QStringLiteral("4.80"));
    const Check check = runChecker(QStringList{QStringLiteral("dxf"), path, QStringLiteral("--png"),
                                               screenshotPath(QStringLiteral("cut-default-design-dxf.png"))}
                                   + measures(ws));
    EXPECT_EQ(check.status, 0) << check.output.toStdString();
}

TEST(CutFiles, SvgRenderedByLibrsvgMeasuresTrueToSize)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.svg"));
    const CutFilesOutcome outcome = WriteCutFiles(ws, path, CutSet::All, BoardSize());
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const Check check = runChecker(QStringList{QStringLiteral("svg"), path, QStringLiteral("--png"),
                                               screenshotPath(QStringLiteral("cut-default-design-svg.png"))}
                                   + measures(ws));
    EXPECT_EQ(check.status, 0) << check.output.toStdString();
}

TEST(CutFiles, ALaserProfileCutsHalfItsKerfOutsideTheWheelAndInsideItsHoleInBothFormatsAndWarnsOfFoam)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const CutProfile laser = DefaultCutProfile(CutMachine::Laser);
    for (const char *name : {"car.dxf", "car.svg"}) {
        const QString path = dir.filePath(QLatin1String(name));
        const CutFilesOutcome outcome = WriteCutFiles(ws, path, CutSet::All, BoardSize(), {}, laser);
        ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
        EXPECT_EQ(outcome.warning, QStringLiteral("Many school labs forbid foam board on a laser cutter: cutting it "
                                                  "gives off fumes. A knife plotter cuts it safely, or print the "
                                                  "templates and cut them by hand."));
        const Check check = runChecker({path.endsWith(QLatin1String(".dxf")) ? QStringLiteral("dxf") : QStringLiteral("svg"),
                                        path, QStringLiteral("--board"), QStringLiteral("20"), QStringLiteral("30"),
                                        QStringLiteral("--wheel"), QStringLiteral("4.808"), QStringLiteral("0.492"),
                                        QStringLiteral("--circle-tolerance"), QStringLiteral("0.0005")});
        EXPECT_EQ(check.status, 0) << name << ": " << check.output.toStdString();
    }
    // A lab where green cuts.
    CutProfile green = laser;
    green.cutColour = *CutColourNamed(QStringLiteral("green"));
    CutBoard board;
    board.parts.push_back({QStringLiteral("wheel"), WheelShape(2.0, 0.5), {}, 0.1, 0.0});
    const QByteArray bytes = CutBoardSvg(board, BoardSize(), QStringLiteral("t"), CutSetMark(QStringLiteral("car.svg")), green);
    EXPECT_NE(bytes.indexOf("Hairlines in #008000: cut. Text in #0000ff: engrave."), -1);
    EXPECT_NE(bytes.indexOf("stroke=\"#008000\""), -1);
    EXPECT_EQ(DxfColourIndex(green.cutColour), 3);
    EXPECT_TRUE(WriteCutFiles(ws, dir.filePath(QStringLiteral("knife.svg")), CutSet::All, BoardSize()).warning.isEmpty());
}

TEST(CutFiles, MillimetreBoardsSpreadOverSeveralFilesEachReadBackApart)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.dxf"));
    const BoardSize board = *ParseBoardSize(QStringLiteral("300x300mm"));
    const CutFilesOutcome outcome = WriteCutFiles(ws, path, CutSet::All, board);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    ASSERT_GE(outcome.boards, 3);
    ASSERT_EQ(outcome.paths.size(), outcome.boards);
    EXPECT_EQ(outcome.paths[1], dir.filePath(QStringLiteral("car-2.dxf")));
    for (const QString &file : outcome.paths) {
        const Check check = runChecker({QStringLiteral("dxf"), file, QStringLiteral("--mm"), QStringLiteral("--board"),
                                        QStringLiteral("300"), QStringLiteral("300")});
        EXPECT_EQ(check.status, 0) << file.toStdString() << ": " << check.output.toStdString();
    }
    EXPECT_FALSE(QFile::exists(CutBoardPath(path, outcome.boards + 1)));
}

TEST(CutFiles, NothingIsWrittenWhenAPartDoesNotFit)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.svg"));
    const CutFilesOutcome outcome = WriteCutFiles(ws, path, CutSet::All, BoardSize{6.0, 6.0, false});
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.indexOf(QStringLiteral("Default design: Outer Layer 1")), -1) << outcome.error.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    // The wheels alone fit.
    EXPECT_TRUE(WriteCutFiles(ws, path, CutSet::Wheels, BoardSize{6.0, 6.0, false}).ok);
}

TEST(CutFiles, BoardPathsAndFormats)
{
    EXPECT_EQ(CutBoardPath(QStringLiteral("/a/car.svg"), 1), QStringLiteral("/a/car.svg"));
    EXPECT_EQ(CutBoardPath(QStringLiteral("/a/car.svg"), 2), QStringLiteral("/a/car-2.svg"));
    EXPECT_EQ(CutBoardPath(QStringLiteral("/a.b/my.car.DXF"), 12), QStringLiteral("/a.b/my.car-12.DXF"));
    EXPECT_EQ(CutFileFormatOf(QStringLiteral("x.SVG")), CutFileFormat::Svg);
    EXPECT_EQ(CutFileFormatOf(QStringLiteral("x.dxf")), CutFileFormat::Dxf);
    EXPECT_FALSE(CutFileFormatOf(QStringLiteral("x.pdf")));
    EXPECT_FALSE(CutFileFormatOf(QStringLiteral("svg")));
}

TEST(CutFiles, SvgCarriesMillimetresOnTheRootAndKeepsCutsAndEngravingApart)
{
    CutBoard board;
    CutPart part;
    part.label = QStringLiteral("Grüne Welle & <Co>");
    part.shape = WheelShape(2.0, 0.5).mapped(QTransform::fromTranslate(1.0, 1.0));
    part.labelAt = QPointF(1.2, 2.0);
    part.labelHeight = 0.1;
    board.parts.push_back(part);
    const QString svg = QString::fromUtf8(CutBoardSvg(board, BoardSize{20.0, 30.0, false}, QStringLiteral("t"), CutSetMark(QStringLiteral("car.svg"))));
    EXPECT_NE(svg.indexOf(QStringLiteral("width=\"508mm\" height=\"762mm\"")), -1) << svg.left(400).toStdString();
    EXPECT_NE(svg.indexOf(QStringLiteral("viewBox=\"0 0 508 762\"")), -1);
    EXPECT_NE(svg.indexOf(QStringLiteral("<circle cx=\"50.8\" cy=\"50.8\" r=\"25.4\"/>")), -1);
    EXPECT_NE(svg.indexOf(QStringLiteral("Grüne Welle &amp; &lt;Co&gt;")), -1);
    EXPECT_NE(svg.indexOf(QStringLiteral("font-size=\"2.54\"")), -1);

    // Made in memory: a temporary folder that cannot take a file (or fills up) cuts nothing short.
    const QByteArray temporaryFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent/zindle");
    const QByteArray dxf = CutBoardDxf(board, BoardSize{20.0, 30.0, false}, CutSetMark(QStringLiteral("car.dxf")));
    if (temporaryFolder.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temporaryFolder);
    EXPECT_NE(dxf.indexOf("Gr\\U+00FCne Welle & <Co>"), -1);
    EXPECT_TRUE(dxf.startsWith("999\nZindle cut board; set car.dxf;\n")) << dxf.left(80).toStdString();
    EXPECT_TRUE(dxf.endsWith("  0\nEOF\n")) << dxf.right(40).toStdString();
}

using zindle::test::contentOf;
using zindle::test::everything;
using zindle::test::put;

TEST(CutFiles, ABoardThatCannotBeWrittenLeavesTheWholeEarlierSetAsItWas)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.dxf"));
    const BoardSize board = *ParseBoardSize(QStringLiteral("300x300mm"));
    // An earlier set of four boards, the third of which has since become a folder.
    for (int n : {1, 2, 4})
        put(CutBoardPath(path, n), "old board " + QByteArray::number(n));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("car-3.dxf")));
    put(dir.filePath(QStringLiteral("car-5.dxf")), "old board 5");

    const CutFilesOutcome outcome = WriteCutFiles(ws, path, CutSet::All, board);
    ASSERT_GE(outcome.boards, 3);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("car-3.dxf"))) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.paths.isEmpty());
    EXPECT_TRUE(outcome.removed.isEmpty());
    for (int n : {1, 2, 4, 5})
        EXPECT_EQ(contentOf(CutBoardPath(path, n)), "old board " + QByteArray::number(n)) << n;
    EXPECT_EQ(everything(dir.path()),
              (QStringList{"car-2.dxf", "car-3.dxf", "car-4.dxf", "car-5.dxf", "car.dxf"}));
}

TEST(CutFiles, BoardsOfAnEarlierLargerExportGoAndNothingElse)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.svg"));
    const BoardSize small = *ParseBoardSize(QStringLiteral("300x300mm"));
    const CutFilesOutcome many = WriteCutFiles(ws, path, CutSet::All, small);
    ASSERT_TRUE(many.ok) << many.error.toStdString();
    ASSERT_GE(many.boards, 3);
    const int n = many.boards;
    // Boards left by an even earlier export, two more in a row; then a drawing of the student's
    // own under the next board's name, which stops the removal.
    const QByteArray board = contentOf(CutBoardPath(path, 2));
    put(CutBoardPath(path, n + 1), board);
    put(CutBoardPath(path, n + 2), board);
    put(CutBoardPath(path, n + 3), "my own drawing");
    // Names this export never gives, and another kind of file.
    const QStringList unrelated{"car-x.svg", "car-02.svg", "car-2.dxf", QStringLiteral("car-%1.dxf").arg(n + 1),
                                "car-2.svg.bak", "other-2.svg"};
    for (const QString &name : unrelated)
        put(dir.filePath(name), "unrelated");

    // Fewer boards now: everything after the new last one up to the gap goes.
    const CutFilesOutcome one = WriteCutFiles(ws, path, CutSet::Wheels, BoardSize());
    ASSERT_TRUE(one.ok) << one.error.toStdString();
    EXPECT_EQ(one.boards, 1);
    EXPECT_EQ(one.paths, QStringList{path});
    EXPECT_TRUE(one.warning.contains(QFileInfo(CutBoardPath(path, n + 3)).fileName())) << one.warning.toStdString();
    QStringList expectedRemoved;
    for (int k = 2; k <= n + 2; ++k)
        expectedRemoved << CutBoardPath(path, k);
    EXPECT_EQ(one.removed, expectedRemoved);
    QStringList left = unrelated;
    left << QStringLiteral("car.svg") << QFileInfo(CutBoardPath(path, n + 3)).fileName();
    left.sort();
    EXPECT_EQ(everything(dir.path()), left);
    EXPECT_EQ(contentOf(CutBoardPath(path, n + 3)), "my own drawing");
    EXPECT_TRUE(contentOf(path).startsWith("<?xml"));

    // The same number of boards again removes nothing; a folder in the way stops the removal.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("car-2.svg")));
    put(dir.filePath(QStringLiteral("car-3.svg")), board);
    const CutFilesOutcome again = WriteCutFiles(ws, path, CutSet::Wheels, BoardSize());
    ASSERT_TRUE(again.ok) << again.error.toStdString();
    EXPECT_TRUE(again.removed.isEmpty());
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("car-3.svg"))), board);
}

TEST(CutFiles, ASetReplacesAStudentsOwnFileUnderABoardsNameOnlyWithTheirWord)
{
    QTemporaryDir dir;
    Workspace ws = test::builtInWorkspace(0);
    const QString path = dir.filePath(QStringLiteral("car.svg"));
    const BoardSize small = *ParseBoardSize(QStringLiteral("300x300mm"));
    ASSERT_TRUE(WriteCutFiles(ws, path, CutSet::All, small).ok);
    // Board 3 is this set's own from the export before; board 2 is now the student's.
    const QByteArray ownBoard = contentOf(CutBoardPath(path, 3));
    put(CutBoardPath(path, 2), "my own drawing");

    QStringList asked;
    const CutFilesOutcome kept = WriteCutFiles(ws, path, CutSet::All, small, [&](const QStringList &paths) {
        asked = paths;
        return false;
    });
    EXPECT_TRUE(kept.declined);
    EXPECT_FALSE(kept.ok);
    EXPECT_EQ(asked, QStringList{CutBoardPath(path, 2)});
    EXPECT_EQ(contentOf(CutBoardPath(path, 2)), "my own drawing");
    EXPECT_EQ(contentOf(CutBoardPath(path, 3)), ownBoard);

    const CutFilesOutcome replaced = WriteCutFiles(ws, path, CutSet::All, small, [](const QStringList &) { return true; });
    ASSERT_TRUE(replaced.ok) << replaced.error.toStdString();
    EXPECT_TRUE(contentOf(CutBoardPath(path, 2)).startsWith("<?xml"));
}

TEST(CutFiles, OnlyBoardsMarkedAsThisSetsAreTakenForEarlierBoards)
{
    // A student's own drawing on the layers every cutter's template names, and a board this
    // program wrote for another set: both stay where a larger export's next board would be.
    const QByteArray ownDrawing = "  0\nSECTION\n  2\nTABLES\n  0\nLAYER\n  2\nCUT\n  0\nLAYER\n  2\nENGRAVE\n"
                                  "  0\nENDSEC\n  0\nEOF\n";
    QTemporaryDir other;
    Workspace truck = test::builtInWorkspace(0);
    ASSERT_TRUE(WriteCutFiles(truck, other.filePath(QStringLiteral("truck.dxf")), CutSet::Wheels, BoardSize()).ok);
    const QByteArray otherSetsBoard = contentOf(other.filePath(QStringLiteral("truck.dxf")));

    for (const QByteArray &impostor : {ownDrawing, otherSetsBoard}) {
        QTemporaryDir dir;
        Workspace ws = test::builtInWorkspace(0);
        const QString path = dir.filePath(QStringLiteral("car.dxf"));
        const CutFilesOutcome many = WriteCutFiles(ws, path, CutSet::All, *ParseBoardSize(QStringLiteral("300x300mm")));
        ASSERT_TRUE(many.ok) << many.error.toStdString();
        const int n = many.boards;
        put(CutBoardPath(path, n + 1), impostor);

        const CutFilesOutcome one = WriteCutFiles(ws, path, CutSet::Wheels, BoardSize());
        ASSERT_TRUE(one.ok) << one.error.toStdString();
        EXPECT_EQ(one.removed.size(), n - 1);
        EXPECT_TRUE(one.warning.contains(QStringLiteral("car-%1.dxf\" was kept").arg(n + 1))) << one.warning.toStdString();
        EXPECT_EQ(contentOf(CutBoardPath(path, n + 1)), impostor);
    }
}

TEST(CutFiles, HostileNamesInTheSvgBoardsAreTextThatXmlReadersTakeAsItIs)
{
    const QString name = QStringLiteral("<script>alert(1)</script> Fast & Furious \"1\"\x07");
    CutBoard board;
    CutPart part;
    part.label = name + QStringLiteral(": Drive Wheel");
    part.shape = WheelShape(2.0, 0.5).mapped(QTransform::fromTranslate(1.0, 1.0));
    part.labelAt = QPointF(1.2, 2.0);
    part.labelHeight = 0.1;
    board.parts.push_back(part);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("board.svg"));
    put(path, CutBoardSvg(board, BoardSize(), name + QStringLiteral(": board 1 of 1"), CutSetMark(path)));

    // Python's own XML reader: the file parses, holds no script element, and gives back each
    // text as the program meant it (the bell shown as \x07, which no XML file may hold).
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(QStringLiteral(ZINDLE_PYTHON3),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, xml.etree.ElementTree as E\n"
                                 "root = E.parse(sys.argv[1]).getroot()\n"
                                 "tags = [e.tag.split('}')[-1] for e in root.iter()]\n"
                                 "print('script' in tags)\n"
                                 "for tag in ('title', 'text'):\n"
                                 "    print(''.join(next(e for e in root.iter() if e.tag.endswith(tag)).itertext()).strip())\n"),
                  path});
    ASSERT_TRUE(python.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(python.readAll()).split(QLatin1Char('\n'));
    ASSERT_EQ(python.exitCode(), 0) << lines.join('\n').toStdString();
    ASSERT_GE(lines.size(), 3) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("False"));
    const QString shown = QStringLiteral("<script>alert(1)</script> Fast & Furious \"1\"\\x07");
    EXPECT_EQ(lines[1], shown + QStringLiteral(": board 1 of 1"));
    EXPECT_EQ(lines[2], shown + QStringLiteral(": Drive Wheel"));
}
