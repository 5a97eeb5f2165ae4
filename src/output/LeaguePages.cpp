// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeaguePages.h"

#include "LeagueColumns.h"
#include "LeaguePdfColumns.h"
#include "LeagueRules.h"
#include "StandingsChart.h"
#include "files/PathText.h"
#include "output/PdfPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LeaguePages)
};

constexpr Wording Shown = Wording::Shown;

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray dataUri(const QByteArray &png) { return QByteArrayLiteral("data:image/png;base64,") + png.toBase64(); }

// What the pictures of the class add up to. The documents reserve room for them at once: a
// buffer that grows by doubling holds its old and new copy for a moment, which for a class of
// thousands is hundreds of megabytes. Room reserved and not used is never touched, so it costs
// address space, not memory.
qsizetype pictureBytes(const std::vector<StandingRow> &rows)
{
    qsizetype total = 0;
    for (const StandingRow &row : rows)
        total += row.sideViewPng.size();
    return total;
}

// Markup-free text for the page, with control characters shown escaped.
QByteArray esc(const QString &text) { return printableText(text).toHtmlEscaped().toUtf8(); }

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

QByteArray standingsHtml(const std::vector<StandingRow> &rows, const std::vector<Heat> &heats, const Challenge *challenge)
{
    // Built as UTF-8 from the start: the pictures of a large class are most of the page, and a
    // second copy of them in UTF-16 would double what the page costs.
    QByteArray h;
    h.reserve(pictureBytes(rows) / 3 * 4 * 5 / 4 + static_cast<qsizetype>(rows.size()) * 2048 + (1 << 20));
    // The page is read by people, in the window's language; its markup is the same in every one.
    const QByteArray title = esc(Texts::tr("Class standings"));
    const QByteArray language = esc(Texts::tr("en", "the language code of the page, as in <html lang=\"en\">"));
    h += "<!DOCTYPE html>\n<html lang=\"" + language + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title + "</title>\n";
    h += QByteArrayLiteral(
        "<style>\n"
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
        // A rule's caption wraps, so that a challenge of many rules keeps its table narrow.
        "th.rule{max-width:7em;white-space:normal;overflow-wrap:anywhere;font-weight:normal}\n"
        "td.fail{background:#fde2e2;color:#a00;font-weight:bold}\n"
        "</style>\n</head>\n<body>\n");
    h += "<h1>" + title + "</h1>\n";
    h += "<p class=\"summary\">" + esc(summaryLine(rows, Shown)) + "</p>\n";
    if (challenge)
        h += "<p class=\"summary\">" + esc(scoringLine(*challenge, Shown)) + "</p>\n";
    for (const QString &note : calibrationNotes(rows, Shown))
        h += "<p class=\"summary\">" + esc(note) + "</p>\n";

    if (!chartedRows(rows).empty()) {
        h += "<h2>" + esc(Texts::tr("Distance and time of the first eight")) + "</h2>\n<img class=\"chart\" alt=\""
             + esc(Texts::tr("Distance against time of the first eight cars")) + "\" src=\"";
        h += dataUri(pngBytes(standingsChartImage(rows, QSize(960, 540))));
        h += "\">\n";
    }

    const bool measured = anyMeasured(rows);
    const std::vector<StandingColumn> columns = standingColumns(measured);
    h += "<h2>" + esc(Texts::tr("Standings")) + "</h2>\n<table>\n<tr>";
    for (const StandingColumn &column : columns)
        h += "<th>" + esc(column.worded(Shown)) + "</th>";
    if (challenge) {
        const QStringList added = challengeHeaders(*challenge, Shown);
        for (qsizetype c = 0; c < added.size(); ++c)
            h += (c == 0 || c == added.size() - 1 ? "<th>" : "<th class=\"rule\">") + esc(added[c]) + "</th>";
    }
    h += "</tr>\n";
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        const QStringList cells = rowCells(row, measured, Shown);
        h += !row.ran ? "<tr class=\"norun\">" : !row.finished ? "<tr class=\"short\">" : "<tr>";
        for (size_t c = 0; c < columns.size(); ++c)
            h += (columns[c].number ? "<td class=\"n\">" : "<td>") + esc(cells[static_cast<qsizetype>(c)]) + "</td>";
        if (challenge)
            for (const ChallengeCell &cell : challengeCells(row, *challenge, Shown))
                h += (cell.failed ? "<td class=\"n fail\">" : "<td class=\"n\">") + esc(cell.text) + "</td>";
        h += "</tr>\n";
    }
    h += "</table>\n";

    bool headed = false;
    for (const StandingRow &row : rows) {
        if (row.readable())
            continue;
        if (!headed)
            h += "<h2>" + esc(Texts::tr("Not read")) + "</h2>\n<ul>\n";
        headed = true;
        h += "<li class=\"bad\">" + esc(row.source) + ": " + esc(row.shownErrorText()) + "</li>\n";
    }
    if (headed)
        h += "</ul>\n";

    if (!heats.empty()) {
        h += "<h2>" + esc(Texts::tr("Heats")) + "</h2>\n";
        for (const Heat &heat : heats) {
            h += "<div class=\"heat\"><b>" + esc(heatTitle(heat, heats, Shown)) + "</b>\n<pre>";
            for (const HeatLane &lane : heat.lanes)
                h += esc(laneLine(lane)) + '\n';
            h += esc(winnerLine(heat, Shown));
            h += "</pre></div>\n";
        }
    }

    h += "<h2>" + esc(Texts::tr("The cars")) + "</h2>\n<div class=\"cars\">\n";
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        const StandingTexts t = standingTexts(row);
        h += "<div class=\"car\">";
        if (!row.sideViewPng.isEmpty())
            h += "<img alt=\"" + esc(Texts::tr("Side view of %1").arg(row.name)) + "\" src=\"" + dataUri(row.sideViewPng)
                 + "\">";
        h += "<div class=\"cap\"><b>" + esc(t.place) + ". " + esc(row.name) + "</b> &ndash; " + esc(t.time)
             + " sec<br>" + esc(row.source) + "</div></div>\n";
    }
    h += "</div>\n</body>\n</html>\n";
    return h;
}

bool standingsPdf(const std::vector<StandingRow> &rows, const std::vector<Heat> &heats, QByteArray &pdf,
                  const Challenge *challenge)
{
    pdf.clear();
    // A page's picture is stored larger than its PNG: twice the PNGs leaves room to spare.
    pdf.reserve(pictureBytes(rows) * 2 + (4 << 20));
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    constexpr int Dpi = 300;
    {
        PdfPageSink sink(buffer, Dpi, QPageSize(QPageSize::Letter));
        PdfPages pages(sink, Dpi);
        const double left = PdfPages::Margin, usable = pages.usableWidth();
        if (!pages.newPage())
            return false;
        pages.setFont(16, true);
        pages.text(left, usable, Texts::tr("Class standings"));
        pages.y += 22;
        pages.setFont(9);
        pages.text(left, usable, summaryLine(rows, Shown));
        pages.y += 12;
        if (challenge) {
            pages.text(left, usable, scoringLine(*challenge, Shown));
            pages.y += 12;
        }
        for (const QString &note : calibrationNotes(rows, Shown)) {
            pages.text(left, usable, note);
            pages.y += 12;
        }
        pages.y += 4;

        if (!chartedRows(rows).empty()) {
            const QRectF area(left, pages.y, usable, usable * 0.5);
            pages.painter()->setRenderHint(QPainter::Antialiasing);
            paintStandingsChart(*pages.painter(), area, chartedRows(rows));
            pages.y += area.height() + 14;
        }

        // The table: fixed column widths (points) that add up to the usable width; the measured
        // columns take their room from the texts'.
        const bool measured = anyMeasured(rows);
        const std::vector<StandingColumn> tableColumns = standingColumns(measured);
        std::vector<double> widths = measured ? std::vector<double>{28, 84, 92, 40, 40, 64, 40, 40, 40, 72}
                                              : std::vector<double>{28, 100, 112, 46, 46, 42, 48, 118};
        const QStringList ruleHeaders = challenge ? pdfChallengeHeaders(*challenge) : QStringList();
        const std::vector<double> needed = challenge ? challengeColumnWidths(rows, *challenge, ruleHeaders) : std::vector<double>{};
        const int fontSize = fitChallengeColumns(widths, needed, usable);
        const double rowHeight = fontSize + 3.5;
        auto tableRow = [&](const QStringList &cells, bool bold, const std::vector<bool> &failed = {}) {
            pages.setFont(fontSize, bold);
            double x = left;
            for (size_t c = 0; c < widths.size(); ++c) {
                const bool number = c < tableColumns.size() ? tableColumns[c].number : c + 1 < widths.size();
                const bool bad = c < failed.size() && failed[c];
                if (bad) {
                    pages.painter()->fillRect(QRectF(x, pages.y, widths[c], rowHeight), QColor(253, 226, 226));
                    pages.painter()->setPen(QColor(170, 0, 0));
                }
                // A file keeps its name: a long folder gives way in the middle.
                pages.text(x + 2, widths[c] - 4, cells[static_cast<qsizetype>(c)],
                           number ? Qt::AlignRight : Qt::AlignLeft, c == 2 ? Qt::ElideMiddle : Qt::ElideRight);
                pages.painter()->setPen(Qt::black);
                x += widths[c];
            }
            pages.painter()->setPen(QColor(190, 190, 190));
            pages.painter()->drawLine(QPointF(left, pages.y + rowHeight), QPointF(left + usable, pages.y + rowHeight));
            pages.painter()->setPen(Qt::black);
            pages.y += rowHeight;
        };
        QStringList header;
        for (const StandingColumn &column : tableColumns)
            header << column.pdfWorded(Shown);
        if (challenge)
            header << ruleHeaders;
        pages.room(3 * rowHeight);
        tableRow(header, true);
        for (const StandingRow &row : rows) {
            if (!row.readable())
                continue;
            if (!pages.room(rowHeight))
                return false;
            if (pages.y == PdfPages::Margin)
                tableRow(header, true);
            QStringList cells = rowCells(row, measured, Shown);
            std::vector<bool> failed(static_cast<size_t>(cells.size()), false);
            if (challenge)
                for (const ChallengeCell &cell : challengeCells(row, *challenge, Shown)) {
                    cells << cell.text;
                    failed.push_back(cell.failed);
                }
            tableRow(cells, false, failed);
        }
        if (challenge) {
            // What R1, R2, ... stand for, as many to a line as fit.
            pages.setFont(fontSize + 1);
            const QStringList lines = ruleLegendLines(*challenge, QFontMetricsF(pages.painter()->font()), usable);
            pages.y += 3;
            for (const QString &line : lines) {
                if (!pages.room(rowHeight))
                    return false;
                pages.text(left, usable, line);
                pages.y += rowHeight;
            }
        }
        for (const StandingRow &row : rows) {
            if (row.readable())
                continue;
            if (!pages.room(rowHeight))
                return false;
            pages.setFont(7);
            pages.painter()->setPen(QColor(160, 0, 0));
            pages.text(left, usable,
                       Texts::tr("Not read: %1: %2").arg(printableText(row.source), printableText(row.shownErrorText())));
            pages.painter()->setPen(Qt::black);
            pages.y += rowHeight;
        }

        if (!heats.empty()) {
            pages.y += 12;
            for (const Heat &heat : heats) {
                if (!pages.room(14 + 10 * static_cast<double>(heat.lanes.size() + 1)))
                    return false;
                pages.setFont(9, true);
                pages.text(left, usable, heatTitle(heat, heats, Shown));
                pages.y += 13;
                pages.setFont(8);
                for (const HeatLane &lane : heat.lanes) {
                    pages.text(left + 8, usable - 8, laneLine(lane));
                    pages.y += 10;
                }
                if (heat.winnerLane >= 0) {
                    pages.text(left + 8, usable - 8, winnerLine(heat, Shown));
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
                pages.text(left, usable, Texts::tr("The cars"));
                pages.y += 20;
                first = false;
            }
            if (column == 0 && !pages.room(rowPitch))
                return false;
            const double x = left + column * (cell + gap);
            const QRectF picture(x, pages.y, cell, pictureHeight);
            // Decoded one at a time: the class's pictures are never all images at once.
            if (!row.sideViewPng.isEmpty())
                pages.painter()->drawImage(picture, QImage::fromData(row.sideViewPng, "PNG"));
            pages.painter()->setPen(QColor(150, 150, 150));
            pages.painter()->drawRect(picture);
            pages.painter()->setPen(Qt::black);
            const StandingTexts t = standingTexts(row);
            const double saved = pages.y;
            pages.y = saved + pictureHeight + 2;
            pages.setFont(8, true);
            pages.text(x, cell, t.place + QStringLiteral(". ") + printableText(row.name) + QStringLiteral(" - ") + t.time
                                    + QStringLiteral(" sec"));
            pages.y += 9;
            pages.setFont(6);
            pages.text(x, cell, printableText(row.source), Qt::AlignLeft, Qt::ElideMiddle);
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

} // namespace zindle
