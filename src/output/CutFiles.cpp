// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutFiles.h"

#include "Templates.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "geometry/KerfCompensation.h"
#include "geometry/PathDepths.h"
#include "model/PartMaterials.h"
#include "physics/PhysicsState.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CutFiles)
};

} // namespace

std::optional<CutFileFormat> CutFileFormatOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return CutFileFormat::Svg;
    if (path.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive))
        return CutFileFormat::Dxf;
    return std::nullopt;
}

QByteArray CutSetMark(const QString &path)
{
    // Percent-encoded, the name is plain ASCII in any file and any XML, and the closing
    // semicolon (which the encoding never leaves in a name) ends it.
    return QByteArrayLiteral("Zindle cut board; set ")
           + pathToBytes(QFileInfo(path).fileName()).toPercentEncoding() + ';';
}

QString CutBoardPath(const QString &path, int number)
{
    if (number <= 1)
        return path;
    const QString suffix = QFileInfo(path).suffix();
    const qsizetype cut = suffix.isEmpty() || path.endsWith(QLatin1Char('.')) ? path.size() : path.size() - suffix.size() - 1;
    QString result = path.left(cut) + QLatin1Char('-') + QString::number(number);
    if (cut < path.size())
        result += path.mid(cut);
    return result;
}

namespace {

// Whether the file at `path` is a board of this set: a student may have saved a file of their
// own (a DXF with layers named CUT and ENGRAVE, say) under a name that a larger export would
// have used, and only the program's own mark tells them apart.
bool isEarlierBoard(const QString &path, const QByteArray &setMark)
{
    constexpr qint64 LargestBoardFile = 16 * 1024 * 1024;
    QByteArray bytes;
    QString reason;
    return ReadWholeFile(path, LargestBoardFile, bytes, reason) && bytes.contains(setMark);
}

void removeLeftoverBoards(const QString &path, int boards, CutFilesOutcome &outcome)
{
    // Only the names this export would have given, and only while they follow on without a
    // gap: anything else beside them is not known to be an older board.
    for (int number = boards + 1; number < std::numeric_limits<int>::max(); ++number) {
        const QString leftover = CutBoardPath(path, number);
        if (QFileInfo(leftover).isFile() && !isEarlierBoard(leftover, CutSetMark(path))) {
            outcome.warning = Texts::tr("\"%1\" was kept: it is named like a board but was not written as one.")
                                  .arg(printableText(leftover));
            return;
        }
        QString reason;
        switch (RemoveLeftoverFile(leftover, reason)) {
        case RemoveResult::Removed:
            outcome.removed << leftover;
            continue;
        case RemoveResult::Failed:
            outcome.warning = Texts::tr("Cannot remove \"%1\", a board of an earlier export: %2")
                                  .arg(printableText(leftover), printableText(reason));
            return;
        case RemoveResult::Missing:
        case RemoveResult::Kept:
            return;
        }
    }
}

} // namespace

std::vector<CutPath> CuttingOrder(const CutBoard &board)
{
    CutShape all;
    std::vector<CutPath> paths;
    for (const CutPart &part : board.parts)
        for (const QPolygonF &contour : part.shape.contours) {
            all.contours.push_back(contour);
            paths.push_back({&contour, nullptr});
        }
    for (const CutPart &part : board.parts)
        for (const CutCircle &circle : part.shape.circles) {
            all.circles.push_back(circle);
            paths.push_back({nullptr, &circle});
        }
    const PathDepths depths = PathDepthsOf(all);
    std::vector<int> depth = depths.contours;
    depth.insert(depth.end(), depths.circles.begin(), depths.circles.end());
    std::vector<size_t> order(paths.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return depth[a] > depth[b]; });
    std::vector<CutPath> ordered;
    ordered.reserve(paths.size());
    for (size_t i : order)
        ordered.push_back(paths[i]);
    return ordered;
}

CutExport PrepareCutExport(PhysicsState &workspace, const QString &path, CutSet set, const BoardSize &board,
                           const CutProfile &profile)
{
    CutExport job;
    job.path = path;
    job.board = board;
    job.profile = profile;
    const std::optional<CutFileFormat> format = CutFileFormatOf(path);
    if (!format) {
        job.error = writeError(path, FileText(QT_TRANSLATE_NOOP("FileErrors", "cut files end in .svg or .dxf"))).shown();
        return job;
    }
    job.format = *format;
    CutPartsOutcome parts = CutPartsOf(workspace, set, board);
    if (!parts.error.isEmpty()) {
        job.error = parts.error;
        return job;
    }
    if (parts.parts.empty()) {
        job.error = Texts::tr("The design has no parts to cut; draw the body's outline first.");
        return job;
    }
    job.parts = std::move(parts.parts);
    job.designName = TemplateDesignName(workspace.list);
    for (const Part part : {OuterBodyPart, InnerBodyPart, DriveWheelPart, OtherWheelPart}) {
        job.foamWarning = LaserOnFoamWarning(profile.machine, boardOf(workspace.design, workspace.catalogue, part).BoardName);
        if (!job.foamWarning.isEmpty())
            break;
    }
    return job;
}

DrawnCutBoards DrawCutBoards(const CutExport &job, const std::atomic<bool> *stop)
{
    DrawnCutBoards drawn;
    const auto stopped = [&] {
        if (stop && stop->load())
            drawn.stopped = true;
        return drawn.stopped;
    };
    if (!job.error.isEmpty()) {
        drawn.error = job.error;
        return drawn;
    }
    // The tool's path, not the drawn edge, is what takes room on the board.
    std::vector<CutPart> parts = job.parts;
    for (CutPart &part : parts)
        part.shape = KerfCompensated(part.shape, job.profile.kerfFor(part.material));
    if (stopped())
        return drawn;
    const NestOutcome nested = NestParts(parts, job.board, job.profile.gapIn, stop);
    if (stopped())
        return drawn;
    if (!nested.error.isEmpty()) {
        drawn.error = nested.error;
        return drawn;
    }
    // Every board in memory first: a board that cannot be made leaves every file as it was.
    const QByteArray mark = CutSetMark(job.path);
    for (size_t i = 0; i < nested.boards.size(); ++i) {
        if (stopped()) {
            drawn.files.clear();
            return drawn;
        }
        const int number = static_cast<int>(i) + 1;
        const QString title = QStringLiteral("%1: board %2 of %3").arg(job.designName).arg(number).arg(nested.boards.size());
        QByteArray bytes = job.format == CutFileFormat::Svg
                               ? CutBoardSvg(nested.boards[i], job.board, title, mark, job.profile)
                               : CutBoardDxf(nested.boards[i], job.board, mark, job.profile);
        if (bytes.isEmpty()) {
            drawn.files.clear();
            drawn.error = writeError(CutBoardPath(job.path, number),
                                     FileText(QT_TRANSLATE_NOOP("FileErrors", "the board could not be drawn")))
                              .shown();
            return drawn;
        }
        drawn.files.push_back({CutBoardPath(job.path, number), std::move(bytes)});
    }
    return drawn;
}

CutFilesOutcome WriteCutBoards(const CutExport &job, const DrawnCutBoards &drawn, const MayReplaceFiles &mayReplace)
{
    CutFilesOutcome outcome;
    if (!drawn.error.isEmpty() || drawn.stopped) {
        outcome.error = drawn.error;
        return outcome;
    }
    outcome.boards = static_cast<int>(drawn.files.size());
    const QByteArray mark = CutSetMark(job.path);
    if (mayReplace) {
        QStringList foreign;
        for (size_t i = 1; i < drawn.files.size(); ++i) {
            const QFileInfo info(drawn.files[i].path);
            if ((info.exists() || info.isSymLink()) && !isEarlierBoard(drawn.files[i].path, mark))
                foreign << drawn.files[i].path;
        }
        if (!foreign.isEmpty() && !mayReplace(foreign)) {
            outcome.declined = true;
            return outcome;
        }
    }
    const WriteOutcome written = WriteFilesAtomically(drawn.files);
    if (!written.ok) {
        outcome.error = written.shownError();
        return outcome;
    }
    for (const FileToWrite &file : drawn.files)
        outcome.paths << file.path;
    removeLeftoverBoards(job.path, outcome.boards, outcome);
    if (!job.foamWarning.isEmpty())
        outcome.warning += (outcome.warning.isEmpty() ? QString() : QStringLiteral("\n")) + job.foamWarning;
    outcome.ok = true;
    return outcome;
}

CutFilesOutcome WriteCutFiles(PhysicsState &workspace, const QString &path, CutSet set,
                              const BoardSize &board, const MayReplaceFiles &mayReplace, const CutProfile &profile)
{
    const CutExport job = PrepareCutExport(workspace, path, set, board, profile);
    return WriteCutBoards(job, DrawCutBoards(job), mayReplace);
}

} // namespace zindle
