#include "LeaguePages.h"

#include "StandingsChart.h"
#include "output/PrintJobs.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace zindle::cli {

namespace {

// The columns every form shows, in order, with the captions the window's fields carry.
const char *const ColumnCaptions[] = {"Place", "Design", "File", "Time to 15 ft (sec)", "Top speed (ft/sec)",
                                      "Distance (ft)", "Total Car Mass (lbm)", "Advisories"};
constexpr int ColumnCount = 8;

QStringList rowCells(const StandingRow &row)
{
    const StandingTexts t = standingTexts(row);
    return {t.place, row.readable() ? row.name : QStringLiteral("-"), row.source, t.time, t.topSpeed,
            t.distance, t.mass, t.advisories};
}

QString csvCell(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString dataUri(const QByteArray &png)
{
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

QString dataUri(const QImage &image) { return dataUri(pngBytes(image)); }

QString esc(const QString &text) { return text.toHtmlEscaped(); }

int readCount(const std::vector<StandingRow> &rows)
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const StandingRow &r) { return r.readable(); }));
}

QString summaryLine(const std::vector<StandingRow> &rows)
{
    const int read = readCount(rows);
    const int unreadable = static_cast<int>(rows.size()) - read;
    QString line = QStringLiteral("%1 design%2").arg(read).arg(read == 1 ? "" : "s");
    if (unreadable > 0)
        line += QStringLiteral(", %1 file%2 could not be read").arg(unreadable).arg(unreadable == 1 ? "" : "s");
    return line;
}

QString heatTitle(const Heat &heat, int heatsInRound)
{
    const int cars = static_cast<int>(heat.lanes.size());
    const QString size = QStringLiteral("%1 car%2").arg(cars).arg(cars == 1 ? "" : "s");
    if (heat.final)
        return QStringLiteral("Final (%1)").arg(size);
    return QStringLiteral("Round %1, heat %2 of %3 (%4)").arg(heat.round).arg(heat.number).arg(heatsInRound).arg(size);
}

int heatsInRound(const std::vector<Heat> &heats, int round)
{
    return static_cast<int>(
        std::count_if(heats.begin(), heats.end(), [round](const Heat &h) { return h.round == round; }));
}

} // namespace

std::vector<const StandingRow *> chartedRows(const std::vector<StandingRow> &rows)
{
    std::vector<const StandingRow *> charted;
    for (const StandingRow &row : rows)
        if (row.place > 0 && charted.size() < 8)
            charted.push_back(&row);
    return charted;
}

QImage standingsChartImage(const std::vector<StandingRow> &rows, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintStandingsChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chartedRows(rows));
    return image;
}

QString standingsTable(const std::vector<StandingRow> &rows)
{
    std::vector<QStringList> lines;
    QStringList header;
    for (const char *caption : ColumnCaptions)
        header << QString::fromLatin1(caption);
    lines.push_back(header);
    for (const StandingRow &row : rows)
        if (row.readable())
            lines.push_back(rowCells(row));
    // Numbers right-aligned; the name, file and advisories left.
    const bool rightAligned[ColumnCount] = {true, false, false, true, true, true, true, false};
    int widths[ColumnCount] = {};
    for (const QStringList &cells : lines)
        for (int c = 0; c < ColumnCount; ++c)
            widths[c] = std::max(widths[c], static_cast<int>(cells[c].size()));
    QString out;
    for (const QStringList &cells : lines) {
        QString line;
        for (int c = 0; c < ColumnCount; ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            if (c == ColumnCount - 1)
                line += cells[c]; // no padding after the last column
            else if (rightAligned[c])
                line += cells[c].rightJustified(widths[c]);
            else
                line += cells[c].leftJustified(widths[c]);
        }
        out += line + QLatin1Char('\n');
    }
    bool headed = false;
    for (const StandingRow &row : rows) {
        if (row.readable())
            continue;
        if (!headed)
            out += QStringLiteral("\nNot read:\n");
        headed = true;
        out += QStringLiteral("  ") + row.source + QStringLiteral(": ") + row.error + QLatin1Char('\n');
    }
    return out;
}

QString heatsText(const std::vector<Heat> &heats, const std::vector<StandingRow> &rows)
{
    QString out;
    for (const Heat &heat : heats) {
        out += QLatin1Char('\n') + heatTitle(heat, heatsInRound(heats, heat.round)) + QLatin1Char('\n');
        for (const HeatLane &lane : heat.lanes)
            out += QStringLiteral("%1 %2: %3\n").arg(lane.lane).arg(lane.name, lane.text);
        if (heat.winnerLane >= 0) {
            const HeatLane &winner = heat.lanes[static_cast<size_t>(heat.winnerLane)];
            out += (heat.final ? QStringLiteral("Winner: ") : QStringLiteral("Goes on: ")) + winner.name
                   + QStringLiteral(" (") + rows[static_cast<size_t>(winner.row)].source + QStringLiteral(")\n");
        }
    }
    return out;
}

QByteArray standingsCsv(const std::vector<StandingRow> &rows)
{
    QString out = QStringLiteral(
        "Place,Design,File,TimeEF,TopSpeedEF,PoweredDistanceEF,ProjectedMassEF,Advisories,Error\r\n");
    for (const StandingRow &row : rows) {
        const QStringList cells{row.place > 0 ? QString::number(row.place) : QString(),
                                row.name,
                                row.source,
                                row.TimeEF,
                                row.TopSpeedEF,
                                row.PoweredDistanceEF,
                                row.ProjectedMassEF,
                                row.advisories.join(QStringLiteral("; ")),
                                row.error};
        QStringList quoted;
        for (const QString &cell : cells)
            quoted << csvCell(cell);
        out += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

QByteArray standingsHtml(const std::vector<StandingRow> &rows, const std::vector<Heat> &heats)
{
    QString h;
    h += QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Class standings</title>\n<style>\n"
        "body{font-family:sans-serif;margin:24px;color:#222;background:#fff}\n"
        "h1{margin:0 0 4px 0}\n.summary{color:#555;margin:0 0 16px 0}\n"
        "table{border-collapse:collapse;font-size:14px}\n"
        "th,td{border:1px solid #bbb;padding:3px 8px;vertical-align:top}\n"
        "th{background:#e8eef4;text-align:left}\ntd.n{text-align:right;white-space:nowrap}\n"
        "tr.short td{color:#555}\ntr.norun td{color:#888}\n"
        ".chart{max-width:100%;border:1px solid #bbb}\n"
        ".cars{display:grid;grid-template-columns:repeat(auto-fill,minmax(280px,1fr));gap:12px}\n"
        ".car{border:1px solid #bbb;padding:6px;background:#f7f7f7}\n.car img{width:100%;display:block}\n"
        ".car .cap{font-size:13px;margin-top:4px}\n.bad{color:#a00}\n"
        ".heat{margin:8px 0 12px 0}\n.heat pre{margin:2px 0;font-size:13px}\n"
        "</style>\n</head>\n<body>\n<h1>Class standings</h1>\n");
    h += QStringLiteral("<p class=\"summary\">") + esc(summaryLine(rows)) + QStringLiteral("</p>\n");

    if (!chartedRows(rows).empty()) {
        h += QStringLiteral("<h2>Distance and time of the first eight</h2>\n<img class=\"chart\" alt=\"Distance "
                            "against time of the first eight cars\" src=\"")
             + dataUri(standingsChartImage(rows, QSize(960, 540))) + QStringLiteral("\">\n");
    }

    h += QStringLiteral("<h2>Standings</h2>\n<table>\n<tr>");
    for (const char *caption : ColumnCaptions)
        h += QStringLiteral("<th>") + esc(QString::fromLatin1(caption)) + QStringLiteral("</th>");
    h += QStringLiteral("</tr>\n");
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        const QStringList cells = rowCells(row);
        const QString kind = !row.ran ? QStringLiteral(" class=\"norun\"")
                             : !row.finished ? QStringLiteral(" class=\"short\"") : QString();
        h += QStringLiteral("<tr") + kind + QLatin1Char('>');
        for (int c = 0; c < ColumnCount; ++c) {
            const bool number = c == 0 || (c >= 3 && c <= 6);
            h += (number ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>")) + esc(cells[c])
                 + QStringLiteral("</td>");
        }
        h += QStringLiteral("</tr>\n");
    }
    h += QStringLiteral("</table>\n");

    bool headed = false;
    for (const StandingRow &row : rows) {
        if (row.readable())
            continue;
        if (!headed)
            h += QStringLiteral("<h2>Not read</h2>\n<ul>\n");
        headed = true;
        h += QStringLiteral("<li class=\"bad\">") + esc(row.source) + QStringLiteral(": ") + esc(row.error)
             + QStringLiteral("</li>\n");
    }
    if (headed)
        h += QStringLiteral("</ul>\n");

    if (!heats.empty()) {
        h += QStringLiteral("<h2>Heats</h2>\n");
        for (const Heat &heat : heats) {
            h += QStringLiteral("<div class=\"heat\"><b>") + esc(heatTitle(heat, heatsInRound(heats, heat.round)))
                 + QStringLiteral("</b>\n<pre>");
            for (const HeatLane &lane : heat.lanes)
                h += esc(QStringLiteral("%1 %2: %3").arg(lane.lane).arg(lane.name, lane.text)) + QLatin1Char('\n');
            if (heat.winnerLane >= 0)
                h += esc((heat.final ? QStringLiteral("Winner: ") : QStringLiteral("Goes on: "))
                         + heat.lanes[static_cast<size_t>(heat.winnerLane)].name);
            h += QStringLiteral("</pre></div>\n");
        }
    }

    h += QStringLiteral("<h2>The cars</h2>\n<div class=\"cars\">\n");
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        const StandingTexts t = standingTexts(row);
        h += QStringLiteral("<div class=\"car\">");
        if (!row.sideView.isNull())
            h += QStringLiteral("<img alt=\"Side view of ") + esc(row.name) + QStringLiteral("\" src=\"")
                 + (row.sideViewPng.isEmpty() ? dataUri(row.sideView) : dataUri(row.sideViewPng))
                 + QStringLiteral("\">");
        h += QStringLiteral("<div class=\"cap\"><b>") + esc(t.place) + QStringLiteral(". ") + esc(row.name)
             + QStringLiteral("</b> &ndash; ") + esc(t.time) + QStringLiteral(" sec<br>") + esc(row.source)
             + QStringLiteral("</div></div>\n");
    }
    h += QStringLiteral("</div>\n</body>\n</html>\n");
    return h.toUtf8();
}

namespace {

// Lays the pages out in points (1/72 inch) on US Letter, 0.5 inch margins.
class PdfPages {
public:
    static constexpr double Width = 612.0, Height = 792.0, Margin = 36.0;

    PdfPages(PdfPageSink &sink, int dpi) : sink_(sink), dpi_(dpi) {}
    bool ok() const { return ok_; }
    QPainter *painter() { return painter_; }
    double y = Margin;

    bool newPage()
    {
        if (painter_)
            ok_ = sink_.endItem() && ok_;
        painter_ = sink_.beginItem(QPageLayout::Portrait);
        if (!painter_) {
            ok_ = false;
            return false;
        }
        painter_->scale(dpi_ / 72.0, dpi_ / 72.0);
        y = Margin;
        return true;
    }
    // Starts a new page when `height` no longer fits on this one.
    bool room(double height)
    {
        if (painter_ && y + height <= Height - Margin)
            return true;
        return newPage();
    }
    // Sizes in points: the painter's units, scaled to the device.
    void setFont(int points, bool bold = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(points);
        font.setBold(bold);
        painter_->setFont(font);
    }
    void text(double x, double width, const QString &line, Qt::Alignment align = Qt::AlignLeft,
              Qt::TextElideMode elide = Qt::ElideRight)
    {
        const QFontMetricsF metrics(painter_->font());
        const QString shown = metrics.elidedText(line, elide, width);
        painter_->drawText(QRectF(x, y, width, metrics.height()), align | Qt::AlignVCenter, shown);
    }
    void finish()
    {
        if (painter_)
            ok_ = sink_.endItem() && ok_;
        painter_ = nullptr;
    }

private:
    PdfPageSink &sink_;
    int dpi_;
    QPainter *painter_ = nullptr;
    bool ok_ = true;
};

} // namespace

bool standingsPdf(const std::vector<StandingRow> &rows, const std::vector<Heat> &heats, QByteArray &pdf)
{
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    constexpr int Dpi = 300;
    {
        PdfPageSink sink(buffer, Dpi, QPageSize(QPageSize::Letter));
        PdfPages pages(sink, Dpi);
        const double left = PdfPages::Margin, usable = PdfPages::Width - 2 * PdfPages::Margin;
        if (!pages.newPage())
            return false;
        pages.setFont(16, true);
        pages.text(left, usable, QStringLiteral("Class standings"));
        pages.y += 22;
        pages.setFont(9);
        pages.text(left, usable, summaryLine(rows));
        pages.y += 16;

        if (!chartedRows(rows).empty()) {
            const QRectF area(left, pages.y, usable, usable * 0.5);
            pages.painter()->setRenderHint(QPainter::Antialiasing);
            paintStandingsChart(*pages.painter(), area, chartedRows(rows));
            pages.y += area.height() + 14;
        }

        // The table: fixed column widths (points) that add up to the usable width.
        const double widths[ColumnCount] = {28, 100, 112, 46, 46, 42, 48, 118};
        const bool right[ColumnCount] = {true, false, false, true, true, true, true, false};
        const double rowHeight = 10.5;
        auto tableRow = [&](const QStringList &cells, bool bold) {
            pages.setFont(7, bold);
            double x = left;
            for (int c = 0; c < ColumnCount; ++c) {
                // A file keeps its name: a long folder gives way in the middle.
                pages.text(x + 2, widths[c] - 4, cells[c], right[c] ? Qt::AlignRight : Qt::AlignLeft,
                           c == 2 ? Qt::ElideMiddle : Qt::ElideRight);
                x += widths[c];
            }
            pages.painter()->setPen(QColor(190, 190, 190));
            pages.painter()->drawLine(QPointF(left, pages.y + rowHeight), QPointF(left + usable, pages.y + rowHeight));
            pages.painter()->setPen(Qt::black);
            pages.y += rowHeight;
        };
        QStringList header;
        for (const char *caption : ColumnCaptions)
            header << QString::fromLatin1(caption);
        header[3] = QStringLiteral("Time (sec)");
        header[4] = QStringLiteral("Top speed");
        header[5] = QStringLiteral("Distance");
        header[6] = QStringLiteral("Mass (lbm)");
        header[7] = QStringLiteral("Advisories");
        pages.room(3 * rowHeight);
        tableRow(header, true);
        for (const StandingRow &row : rows) {
            if (!row.readable())
                continue;
            if (!pages.room(rowHeight))
                return false;
            if (pages.y == PdfPages::Margin)
                tableRow(header, true);
            tableRow(rowCells(row), false);
        }
        for (const StandingRow &row : rows) {
            if (row.readable())
                continue;
            if (!pages.room(rowHeight))
                return false;
            pages.setFont(7);
            pages.painter()->setPen(QColor(160, 0, 0));
            pages.text(left, usable, QStringLiteral("Not read: ") + row.source + QStringLiteral(": ") + row.error);
            pages.painter()->setPen(Qt::black);
            pages.y += rowHeight;
        }

        if (!heats.empty()) {
            pages.y += 12;
            for (const Heat &heat : heats) {
                if (!pages.room(14 + 10 * static_cast<double>(heat.lanes.size() + 1)))
                    return false;
                pages.setFont(9, true);
                pages.text(left, usable, heatTitle(heat, heatsInRound(heats, heat.round)));
                pages.y += 13;
                pages.setFont(8);
                for (const HeatLane &lane : heat.lanes) {
                    pages.text(left + 8, usable - 8, QStringLiteral("%1 %2: %3").arg(lane.lane).arg(lane.name, lane.text));
                    pages.y += 10;
                }
                if (heat.winnerLane >= 0) {
                    pages.text(left + 8, usable - 8,
                               (heat.final ? QStringLiteral("Winner: ") : QStringLiteral("Goes on: "))
                                   + heat.lanes[static_cast<size_t>(heat.winnerLane)].name);
                    pages.y += 10;
                }
                pages.y += 4;
            }
        }

        // The cars, three to a row, on pages of their own.
        const int columns = 3;
        const double gap = 10, cell = (usable - gap * (columns - 1)) / columns;
        const double pictureHeight = cell * 0.75, captionHeight = 22, rowPitch = pictureHeight + captionHeight + gap;
        int column = 0;
        bool first = true;
        for (const StandingRow &row : rows) {
            if (!row.readable())
                continue;
            if (first) {
                pages.newPage();
                pages.setFont(12, true);
                pages.text(left, usable, QStringLiteral("The cars"));
                pages.y += 20;
                first = false;
            }
            if (column == 0 && !pages.room(rowPitch))
                return false;
            const double x = left + column * (cell + gap);
            const QRectF picture(x, pages.y, cell, pictureHeight);
            if (!row.sideView.isNull())
                pages.painter()->drawImage(picture, row.sideView);
            pages.painter()->setPen(QColor(150, 150, 150));
            pages.painter()->drawRect(picture);
            pages.painter()->setPen(Qt::black);
            const StandingTexts t = standingTexts(row);
            const double saved = pages.y;
            pages.y = saved + pictureHeight + 2;
            pages.setFont(8, true);
            pages.text(x, cell, t.place + QStringLiteral(". ") + row.name + QStringLiteral(" - ") + t.time
                                    + QStringLiteral(" sec"));
            pages.y += 9;
            pages.setFont(6);
            pages.text(x, cell, row.source, Qt::AlignLeft, Qt::ElideMiddle);
            pages.y = saved;
            if (++column == columns) {
                column = 0;
                pages.y += rowPitch;
            }
        }
        pages.finish();
        if (!pages.ok() || !sink.close())
            return false;
    }
    return true;
}

} // namespace zindle::cli
