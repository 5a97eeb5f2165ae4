// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/ProjectorPage.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProjectorPage)
};

const QColor Ink(255, 255, 255);
const QColor Accent(255, 214, 10); // yellow on black reads across a lit room
const QColor Quiet(190, 190, 190);

QFont sized(QPainter &painter, double pixels, bool bold)
{
    QFont font = painter.font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

// One line of text, cut with an ellipsis where it would run past the column.
int line(QPainter &painter, const QRect &column, int y, const QString &text, const QFont &font, const QColor &colour)
{
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, column.width());
    painter.drawText(QPoint(column.left(), y + metrics.ascent()), shown);
    return y + metrics.height() * 11 / 10;
}

int lanes(QPainter &painter, const QRect &column, int y, const std::vector<ProjectorLane> &rows, double unit,
          int bottom)
{
    const QFont laneFont = sized(painter, unit * 0.9, true);
    const QFont carFont = sized(painter, unit * 0.9, false);
    const QFontMetrics metrics(carFont);
    const int laneWidth = QFontMetrics(laneFont).horizontalAdvance(Texts::tr("Lane %1").arg(8) + QStringLiteral("  "));
    for (const ProjectorLane &row : rows) {
        if (y + metrics.height() > bottom)
            break;
        line(painter, column, y, Texts::tr("Lane %1").arg(row.lane), laneFont, Accent);
        QRect rest = column.adjusted(laneWidth, 0, 0, 0);
        QString text = row.car.isEmpty() ? QStringLiteral("-") : row.car;
        if (!row.result.isEmpty()) {
            const int resultWidth = metrics.horizontalAdvance(row.result + QStringLiteral("  "));
            painter.setFont(carFont);
            painter.setPen(Accent);
            painter.drawText(QRect(rest.right() - resultWidth, y, resultWidth, metrics.height()),
                             Qt::AlignRight | Qt::AlignTop, row.result);
            rest.setRight(rest.right() - resultWidth);
        }
        y = line(painter, rest, y, text, carFont, row.car.isEmpty() ? Quiet : Ink);
    }
    return y;
}

} // namespace

void paintProjectorPage(QPainter &painter, const QRect &area, const ProjectorState &state)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::black);
    // Sixteen lines of the body type fill the screen's height, which a class reads from 10 m.
    const double unit = area.height() / 16.0;
    const int margin = static_cast<int>(unit * 0.6);
    const QRect inner = area.adjusted(margin, margin, -margin, -margin);
    int y = line(painter, inner, inner.top(), state.title, sized(painter, unit * 1.2, true), Ink);

    const int footer = inner.bottom() - static_cast<int>(unit * 2.2);
    const int gap = margin;
    const QRect left(inner.left(), y, (inner.width() - gap) * 11 / 20, footer - y);
    const QRect right(left.right() + gap, y, inner.right() - left.right() - gap, footer - y);

    int ly = line(painter, left, left.top() + static_cast<int>(unit * 0.3), state.nowCaption,
                  sized(painter, unit, true), Accent);
    ly = lanes(painter, left, ly, state.now, unit, left.bottom() - static_cast<int>(unit * 3));
    if (!state.deckCaption.isEmpty()) {
        ly = line(painter, left, ly + static_cast<int>(unit * 0.4), state.deckCaption, sized(painter, unit * 0.75, true),
                  Quiet);
        const QFont deckFont = sized(painter, unit * 0.65, false);
        for (const ProjectorLane &row : state.deck) {
            if (ly + QFontMetrics(deckFont).height() > left.bottom())
                break;
            ly = line(painter, left, ly,
                      Texts::tr("Lane %1   %2").arg(QString::number(row.lane), row.car.isEmpty() ? QStringLiteral("-") : row.car),
                      deckFont, Quiet);
        }
    }

    int ry = line(painter, right, right.top() + static_cast<int>(unit * 0.3), Texts::tr("Standings"),
                  sized(painter, unit, true), Accent);
    // Place, name and result in columns: "1.\tPocket\t1.47 s".
    const QFont leaderFont = sized(painter, unit * 0.7, false);
    const QFontMetrics leaderMetrics(leaderFont);
    const int placeWidth = leaderMetrics.horizontalAdvance(QStringLiteral("200. "));
    const int resultWidth = leaderMetrics.horizontalAdvance(QStringLiteral("100 points"));
    for (const QString &leader : state.leaders) {
        if (ry + leaderMetrics.height() > right.bottom())
            break;
        const QStringList parts = leader.split(QLatin1Char('\t'));
        line(painter, right, ry, parts.value(0), leaderFont, Accent);
        const QRect result(right.right() - resultWidth, ry, resultWidth, leaderMetrics.height());
        painter.drawText(result, Qt::AlignRight | Qt::AlignTop, parts.value(2));
        ry = line(painter, QRect(right.left() + placeWidth, ry, right.width() - placeWidth - resultWidth, 1), ry,
                  parts.value(1), leaderFont, Ink);
    }

    const QFont joinFont = sized(painter, unit * 0.7, true);
    const int joinY = footer + static_cast<int>(unit * 0.2);
    if (state.address.isEmpty()) {
        line(painter, inner, joinY, Texts::tr("Times are entered at the teacher's computer."), joinFont, Quiet);
    } else {
        const int next = line(painter, inner, joinY, Texts::tr("Follow on your phone: %1").arg(state.address), joinFont, Accent);
        line(painter, inner, next, Texts::tr("Join code for the timekeeper: %1").arg(state.joinCode), joinFont, Accent);
    }
    painter.restore();
}

} // namespace zindle
