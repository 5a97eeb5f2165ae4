#include "CutFiles.h"

#include "Templates.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "physics/PhysicsState.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <dxflib/dl_dxf.h>

#include <cmath>
#include <limits>
#include <memory>

namespace zindle {

namespace {

constexpr double MillimetresPerInch = 25.4;
// The SVG's device: a hundredth of a millimetre per dot, so that the page size (whole dots)
// is the board's size to within 0.005 mm.
constexpr int SvgDotsPerInch = 2540;
constexpr double SvgDotsPerMillimetre = 100.0;
// Cutter drivers take a stroke this thin (a thousandth of an inch) as "cut, do not engrave".
constexpr double HairlineMm = 0.025;
const QColor CutColour(255, 0, 0);
const QColor EngraveColour(0, 0, 255);
// A label's font size is its height; a DXF text height is the height of capitals, about
// seven tenths of the font size.
constexpr double DxfCapitalsPerFontSize = 0.7;

// DXF 2000 text is 8-bit; every other character is written as its \U+XXXX escape.
std::string dxfText(const QString &text)
{
    std::string result;
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7f)
            result += static_cast<char>(c);
        else if (c >= 0x20 && c <= 0xffff)
            result += QStringLiteral("\\U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper().toStdString();
        else
            result += '?';
    }
    return result;
}

} // namespace

std::optional<CutFileFormat> CutFileFormatOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return CutFileFormat::Svg;
    if (path.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive))
        return CutFileFormat::Dxf;
    return std::nullopt;
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

QByteArray CutBoardSvg(const CutBoard &board, const BoardSize &size, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(SvgDotsPerInch);
    const QSize dots(static_cast<int>(std::lround(size.widthIn * MillimetresPerInch * SvgDotsPerMillimetre)),
                     static_cast<int>(std::lround(size.heightIn * MillimetresPerInch * SvgDotsPerMillimetre)));
    svg.setSize(dots);
    // Drawn in millimetres: the viewBox is the page in the unit of its width and height.
    svg.setViewBox(QRectF(0.0, 0.0, dots.width() / SvgDotsPerMillimetre, dots.height() / SvgDotsPerMillimetre));
    svg.setTitle(title);
    svg.setDescription(CutSvgDescription);

    const QTransform toMm = QTransform::fromScale(MillimetresPerInch, MillimetresPerInch);
    QPainter painter(&svg);
    QPen cut(CutColour, HairlineMm);
    cut.setCosmetic(false);
    cut.setJoinStyle(Qt::MiterJoin);
    painter.setPen(cut);
    painter.setBrush(Qt::NoBrush);
    for (const CutPart &part : board.parts) {
        const CutShape shape = part.shape.mapped(toMm);
        for (const QPolygonF &contour : shape.contours)
            painter.drawPolygon(contour);
        for (const CutCircle &circle : shape.circles)
            painter.drawEllipse(circle.centre, circle.radius, circle.radius);
    }

    painter.setPen(QPen(EngraveColour));
    for (const CutPart &part : board.parts) {
        QFont font(QStringLiteral("Sans Serif"));
        // The generator writes a font's size in its dots (points x dots per inch / 72), and
        // everything here is drawn with one dot taken as one millimetre.
        font.setPointSizeF(part.labelHeight * MillimetresPerInch * 72.0 / SvgDotsPerInch);
        painter.setFont(font);
        painter.save();
        painter.translate(toMm.map(part.labelAt));
        painter.rotate(part.labelAngle);
        painter.drawText(QPointF(0.0, 0.0), part.label);
        painter.restore();
    }
    painter.end();
    return buffer.data();
}

QByteArray CutBoardDxf(const CutBoard &board, const BoardSize &size)
{
    // dxflib writes to a named file only: the board is written into a private folder and read
    // back, so that the caller can put every board in place whole.
    QTemporaryDir folder;
    if (!folder.isValid())
        return {};
    const QString path = folder.filePath(QStringLiteral("board.dxf"));
    const double f = size.metric ? MillimetresPerInch : 1.0;
    const double boardHeight = size.heightIn * f;
    // The file's y axis points up; the board's top left corner stays at (0, height).
    const auto x = [f](QPointF p) { return p.x() * f; };
    const auto y = [f, boardHeight](QPointF p) { return boardHeight - p.y() * f; };
    {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(dxf.out(QFile::encodeName(path).constData(), DL_Codes::AC1015));
        if (!dw || dw->openFailed())
            return {};
        dxf.writeHeader(*dw);
        dw->dxfString(9, "$INSUNITS");
        dw->dxfInt(70, size.metric ? 4 : 1);
        dw->dxfString(9, "$MEASUREMENT");
        dw->dxfInt(70, size.metric ? 1 : 0);
        dw->dxfString(9, "$EXTMIN");
        dw->dxfReal(10, 0.0);
        dw->dxfReal(20, 0.0);
        dw->dxfReal(30, 0.0);
        dw->dxfString(9, "$EXTMAX");
        dw->dxfReal(10, size.widthIn * f);
        dw->dxfReal(20, boardHeight);
        dw->dxfReal(30, 0.0);
        dw->sectionEnd();

        dw->sectionTables();
        dxf.writeVPort(*dw);
        dw->tableLinetypes(3);
        dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
        dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
        dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
        dw->tableEnd();
        dw->tableLayers(3);
        dxf.writeLayer(*dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
        dxf.writeLayer(*dw, DL_LayerData(CutLayerName, 0), DL_Attributes("", DL_Codes::red, 0, "CONTINUOUS", 1.0));
        dxf.writeLayer(*dw, DL_LayerData(EngraveLayerName, 0), DL_Attributes("", DL_Codes::blue, 0, "CONTINUOUS", 1.0));
        dw->tableEnd();
        dw->tableStyle(1);
        dxf.writeStyle(*dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 0.2, "txt", ""));
        dw->tableEnd();
        dxf.writeView(*dw);
        dxf.writeUcs(*dw);
        dw->tableAppid(1);
        dxf.writeAppid(*dw, "ACAD");
        dw->tableEnd();
        dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
        dxf.writeBlockRecord(*dw);
        dw->tableEnd();
        dw->sectionEnd();

        dw->sectionBlocks();
        dxf.writeBlock(*dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Model_Space");
        dxf.writeBlock(*dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Paper_Space");
        dxf.writeBlock(*dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Paper_Space0");
        dw->sectionEnd();

        dw->sectionEntities();
        const DL_Attributes cut(CutLayerName, DL_Codes::bylayer, -1, "BYLAYER", 1.0);
        const DL_Attributes engrave(EngraveLayerName, DL_Codes::bylayer, -1, "BYLAYER", 1.0);
        for (const CutPart &part : board.parts) {
            for (const QPolygonF &contour : part.shape.contours) {
                dxf.writePolyline(*dw, DL_PolylineData(static_cast<int>(contour.size()), 0, 0, 1), cut);
                for (const QPointF &p : contour)
                    dxf.writeVertex(*dw, DL_VertexData(x(p), y(p), 0.0, 0.0));
                dxf.writePolylineEnd(*dw);
            }
            for (const CutCircle &c : part.shape.circles)
                dxf.writeCircle(*dw, DL_CircleData(x(c.centre), y(c.centre), 0.0, c.radius * f), cut);
        }
        for (const CutPart &part : board.parts) {
            const QPointF at = part.labelAt;
            const double height = part.labelHeight * f * DxfCapitalsPerFontSize;
            // Turned clockwise on the board is turned the other way in a y-up frame.
            const double angle = -part.labelAngle * M_PI / 180.0;
            dxf.writeText(*dw, DL_TextData(x(at), y(at), 0.0, x(at), y(at), 0.0, height, 1.0, 0, 0, 0,
                                           dxfText(part.label), "Standard", angle),
                          engrave);
        }
        dw->sectionEnd();
        dxf.writeObjects(*dw);
        dxf.writeObjectsEnd(*dw);
        dw->dxfEOF();
        dw->close();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {

// Whether the file at `path` is a board this program wrote: a student may have saved a file of
// their own under a name that a larger export would have used.
bool isEarlierBoard(const QString &path)
{
    constexpr qint64 LargestBoardFile = 16 * 1024 * 1024;
    QByteArray bytes;
    QString reason;
    if (!ReadWholeFile(path, LargestBoardFile, bytes, reason))
        return false;
    if (bytes.contains(CutSvgDescription.toUtf8()))
        return true;
    const auto hasLayer = [&bytes](const char *name) {
        const QByteArray line = QByteArray("\n") + name;
        return bytes.contains(line + '\n') || bytes.contains(line + "\r\n");
    };
    return bytes.contains("SECTION") && hasLayer(CutLayerName)
           && hasLayer(EngraveLayerName);
}

void removeLeftoverBoards(const QString &path, int boards, CutFilesOutcome &outcome)
{
    // Only the names this export would have given, and only while they follow on without a
    // gap: anything else beside them is not known to be an older board.
    for (int number = boards + 1; number < std::numeric_limits<int>::max(); ++number) {
        const QString leftover = CutBoardPath(path, number);
        if (QFileInfo(leftover).isFile() && !isEarlierBoard(leftover)) {
            outcome.warning = QStringLiteral("\"%1\" was kept: it is named like a board but was not written as one.")
                                  .arg(printableText(leftover));
            return;
        }
        QString reason;
        switch (RemoveLeftoverFile(leftover, reason)) {
        case RemoveResult::Removed:
            outcome.removed << leftover;
            continue;
        case RemoveResult::Failed:
            outcome.warning = QStringLiteral("Cannot remove \"%1\", a board of an earlier export: %2")
                                  .arg(printableText(leftover), printableText(reason));
            return;
        case RemoveResult::Missing:
        case RemoveResult::Kept:
            return;
        }
    }
}

} // namespace

CutFilesOutcome WriteCutFiles(PhysicsState &workspace, const QString &path, CutSet set,
                              const BoardSize &board)
{
    CutFilesOutcome outcome;
    const std::optional<CutFileFormat> format = CutFileFormatOf(path);
    if (!format) {
        outcome.error = writeErrorText(path, QStringLiteral("cut files end in .svg or .dxf"));
        return outcome;
    }
    const CutPartsOutcome parts = CutPartsOf(workspace, set);
    if (!parts.error.isEmpty()) {
        outcome.error = parts.error;
        return outcome;
    }
    if (parts.parts.empty()) {
        outcome.error = QStringLiteral("The design has no parts to cut; draw the body's outline first.");
        return outcome;
    }
    const NestOutcome nested = NestParts(parts.parts, board);
    if (!nested.error.isEmpty()) {
        outcome.error = nested.error;
        return outcome;
    }
    outcome.boards = static_cast<int>(nested.boards.size());

    // Every board in memory first: a board that cannot be made leaves every file as it was.
    std::vector<FileToWrite> boardFiles;
    const QString name = TemplateDesignName(workspace.list);
    for (size_t i = 0; i < nested.boards.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const QString title = QStringLiteral("%1: board %2 of %3").arg(name).arg(number).arg(nested.boards.size());
        QByteArray bytes = *format == CutFileFormat::Svg ? CutBoardSvg(nested.boards[i], board, title)
                                                         : CutBoardDxf(nested.boards[i], board);
        if (bytes.isEmpty()) {
            outcome.error = writeErrorText(CutBoardPath(path, number), QStringLiteral("the board could not be drawn"));
            return outcome;
        }
        boardFiles.push_back({CutBoardPath(path, number), std::move(bytes)});
    }
    const WriteOutcome written = WriteFilesAtomically(boardFiles);
    if (!written.ok) {
        outcome.error = written.error;
        return outcome;
    }
    for (const FileToWrite &file : boardFiles)
        outcome.paths << file.path;
    removeLeftoverBoards(path, outcome.boards, outcome);
    outcome.ok = true;
    return outcome;
}

} // namespace zindle
