// SPDX-License-Identifier: GPL-3.0-or-later
// The SVG board of a cut set, drawn through Qt's SVG generator at true size.

#include "CutFiles.h"

#include "files/PathText.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace zindle {

namespace {

constexpr double MillimetresPerInch = 25.4;
// The SVG's device: a hundredth of a millimetre per dot, so that the page size (whole dots)
// is the board's size to within 0.005 mm.
constexpr int SvgDotsPerInch = 2540;
constexpr double SvgDotsPerMillimetre = 100.0;
// Cutter drivers take a stroke this thin (a thousandth of an inch) as "cut, do not engrave".
constexpr double HairlineMm = 0.025;

// Text that XML allows: control characters (which no XML 1.0 file may hold, escaped or not)
// shown as \xNN, and the two non-characters replaced.
QString xmlCharacters(const QString &text)
{
    QString shown = printableText(text);
    for (QChar &c : shown)
        if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            c = QChar::ReplacementCharacter;
    return shown;
}

QString svgText(const QString &text) { return xmlCharacters(text).toHtmlEscaped(); }

} // namespace

QString CutSvgDescriptionFor(const CutProfile &profile)
{
    const CutProfile usual;
    if (profile.cutColour == usual.cutColour && profile.engraveColour == usual.engraveColour)
        return CutSvgDescription;
    return QStringLiteral("Full size, millimetres. Hairlines in %1: cut. Text in %2: engrave.")
        .arg(profile.cutColour.name(), profile.engraveColour.name());
}

QByteArray CutBoardSvg(const CutBoard &board, const BoardSize &size, const QString &title, const QByteArray &setMark,
                       const CutProfile &profile)
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
    // The generator puts title and description into the file as they are, markup and all.
    svg.setTitle(svgText(title));
    svg.setDescription(svgText(CutSvgDescriptionFor(profile) + QLatin1Char('\n') + QString::fromLatin1(setMark)));

    const QTransform toMm = QTransform::fromScale(MillimetresPerInch, MillimetresPerInch);
    QPainter painter(&svg);
    QPen cut(profile.cutColour, HairlineMm);
    cut.setCosmetic(false);
    cut.setJoinStyle(Qt::MiterJoin);
    painter.setPen(cut);
    painter.setBrush(Qt::NoBrush);
    for (const CutPath &path : CuttingOrder(board)) {
        if (path.contour)
            painter.drawPolygon(toMm.map(*path.contour));
        else
            painter.drawEllipse(toMm.map(path.circle->centre), path.circle->radius * MillimetresPerInch,
                                path.circle->radius * MillimetresPerInch);
    }

    painter.setPen(QPen(profile.engraveColour));
    for (const CutPart &part : board.parts) {
        QFont font(QStringLiteral("Sans Serif"));
        // The generator writes a font's size in its dots (points x dots per inch / 72), and
        // everything here is drawn with one dot taken as one millimetre.
        font.setPointSizeF(part.labelHeight * MillimetresPerInch * 72.0 / SvgDotsPerInch);
        painter.setFont(font);
        painter.save();
        painter.translate(toMm.map(part.labelAt));
        painter.rotate(part.labelAngle);
        painter.drawText(QPointF(0.0, 0.0), xmlCharacters(part.label));
        painter.restore();
    }
    painter.end();
    return buffer.data();
}

} // namespace zindle
