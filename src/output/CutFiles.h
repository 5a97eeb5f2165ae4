// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cut files for laser cutters and cutting plotters: one SVG or DXF file per board, at true
// size, the cut paths on one layer (red hairlines) and the engraved labels on another (blue).
//
// SVG: width and height in millimetres with a viewBox of the same millimetres, so that every
// program imports it at true size. DXF: release 2000, $INSUNITS in the board's unit (inches, or
// millimetres for a board given in mm), everything in model space, closed LWPOLYLINEs for the
// outlines, CIRCLEs for wheels and round holes, TEXT on its own layer.

#include "output/CutProfile.h"
#include "output/CutSheets.h"
#include "files/FileAccess.h"
#include "files/FileErrors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>

namespace zindle {

struct PhysicsState;

enum class CutFileFormat { Svg, Dxf };
// By the file's suffix (.svg, .dxf, any case); nothing for any other.
std::optional<CutFileFormat> CutFileFormatOf(const QString &path);

// The file of board `number` (1, 2, ...): the path itself for the first board, the path with
// "-2", "-3", ... before its suffix for the next ones.
QString CutBoardPath(const QString &path, int number);

// Layer (DXF) and colour (both) of the cut paths and of the engraving.
inline const char *const CutLayerName = "CUT";
inline const char *const EngraveLayerName = "ENGRAVE";
// The description every SVG board of the usual colours carries; other colours are named in it.
inline const QString CutSvgDescription = QStringLiteral("Full size, millimetres. Red hairlines: cut. Blue text: engrave.");
QString CutSvgDescriptionFor(const CutProfile &profile);

// What every board of the set named by `path` (its first board's file) carries, in the SVG's
// description and as a DXF comment: the program's name and the set's file name. Only a file
// that carries it is ever taken for a board of an earlier export.
QByteArray CutSetMark(const QString &path);

// One cut path of a board: a contour or a circle of one of its parts.
struct CutPath {
    const QPolygonF *contour = nullptr;
    const CutCircle *circle = nullptr;
};
// The board's cut paths in the order to cut them: every path before any path around it (a
// part's holes before its outline, a wheel in a cut-out before the cut-out), so that nothing is
// cut from a piece that has come loose. Among paths of one depth, the parts' own order.
std::vector<CutPath> CuttingOrder(const CutBoard &board);

// One board as a whole file, in memory. `title` names the file's content (design and board);
// every text is escaped for the file's format. The paths come in their cutting order, which
// cutter software follows as the file's order. Cut and engrave take the profile's colours (DXF:
// its layers' colours).
QByteArray CutBoardSvg(const CutBoard &board, const BoardSize &size, const QString &title, const QByteArray &setMark,
                       const CutProfile &profile = {});
QByteArray CutBoardDxf(const CutBoard &board, const BoardSize &size, const QByteArray &setMark,
                       const CutProfile &profile = {});

struct CutFilesOutcome {
    bool ok = false;
    int boards = 0;           // boards the parts needed (and files written when ok)
    QStringList paths;        // the files written
    QStringList removed;      // boards of an earlier, larger export that were removed
    QString error;            // why nothing was written
    QString warning;          // after a good export: an earlier board that could not be removed
    bool declined = false;    // the user kept files that the set would have replaced
};

// Asked with the files of boards 2, 3, ... that exist but are not boards of this set (a
// student's own file under a name the set uses): whether the export may replace them.
using MayReplaceFiles = std::function<bool(const QStringList &paths)>;

// The export in three steps, so that a window can run the long middle one on a worker: the
// parts, which need the workspace (PrepareCutExport, on the thread that owns it); the kerf, the
// nesting and each board's bytes, from the copy alone (DrawCutBoards, on any thread); the
// question about replacing files and the writing of the set (WriteCutBoards, where the
// question can be asked). One after another they are WriteCutFiles.
struct CutExport {
    QString path; // the first board's file
    CutFileFormat format = CutFileFormat::Svg;
    BoardSize board;
    CutProfile profile;
    QString designName;
    std::vector<CutPart> parts;
    QString foamWarning; // LaserOnFoamWarning for the design's boards
    QString error;       // why there is nothing to draw
};
CutExport PrepareCutExport(PhysicsState &workspace, const QString &path, CutSet set, const BoardSize &board,
                           const CutProfile &profile = {});

struct DrawnCutBoards {
    std::vector<FileToWrite> files; // board 1, 2, ... at their paths
    QString error;
    bool stopped = false; // `stop` was set: nothing drawn
};
// Each part grown by its own material's kerf, then nested and drawn. `stop` is looked at
// between the steps and between the nesting's layouts.
DrawnCutBoards DrawCutBoards(const CutExport &job, const std::atomic<bool> *stop = nullptr);

CutFilesOutcome WriteCutBoards(const CutExport &job, const DrawnCutBoards &drawn, const MayReplaceFiles &mayReplace = {});

// Lays out the parts of `set` on boards of `board` and writes one file per board, the boards
// as one set: a failure at any board leaves every file of an earlier export as it was. After a
// good export of N boards, the files an earlier, larger export left after them (N+1, N+2, ...
// by the same naming, up to the first number missing or the first file without the set's
// mark) are removed, so that no older board passes for part of the new set. A failed export
// removes nothing. The first board's file is the caller's to have settled; with `mayReplace`
// given, the set's other files that are not its own earlier boards are replaced only when it
// says yes (otherwise nothing is written and `declined` is set).
// Each part's kerf (the profile's for its material) is compensated before the parts are nested
// (so that the grown parts keep the gap), and a laser on foam board is warned of (`warning`,
// the files are written).
CutFilesOutcome WriteCutFiles(PhysicsState &workspace, const QString &path, CutSet set,
                              const BoardSize &board, const MayReplaceFiles &mayReplace = {},
                              const CutProfile &profile = {});

} // namespace zindle
