// SPDX-License-Identifier: GPL-3.0-or-later
#include "Portfolio.h"

#include "files/PathText.h"
#include "output/PdfPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Portfolio)
};

constexpr int Dpi = 300;
const QColor Rule(150, 150, 150);

void heading(PdfPages &pages, const QString &text)
{
    pages.setFont(14, true);
    pages.text(PdfPages::Margin, pages.usableWidth(), text);
    pages.y += 22;
}

void subheading(PdfPages &pages, const QString &text)
{
    pages.y += 6;
    pages.setFont(10, true);
    pages.text(PdfPages::Margin, pages.usableWidth(), text);
    pages.y += 15;
}

// Caption and value in two columns, one line each.
void lines(PdfPages &pages, const std::vector<PortfolioLine> &rows, double x, double width)
{
    pages.setFont(8);
    for (const PortfolioLine &row : rows) {
        pages.text(x, width * 0.6, row.caption);
        pages.text(x + width * 0.6, width * 0.4, row.value, Qt::AlignRight);
        pages.y += 11;
    }
}

QString orNone(const QString &text)
{
    return text.isEmpty() ? Texts::tr("none") : text;
}

void designPage(PdfPages &pages, const PortfolioContent &c)
{
    const double left = PdfPages::Margin, usable = pages.usableWidth();
    heading(pages, c.challengeTitle.isEmpty() ? Texts::tr("Portfolio") : printableText(c.challengeTitle));
    pages.setFont(11, true);
    pages.text(left, usable, printableText(c.designName));
    pages.y += 15;
    pages.setFont(7);
    pages.text(left, usable, printableText(c.source), Qt::AlignLeft, Qt::ElideMiddle);
    pages.y += 12;
    if (!c.sideView.isNull()) {
        const QSizeF shown = QSizeF(c.sideView.size()).scaled(usable, usable * 0.42, Qt::KeepAspectRatio);
        const QRectF picture(left + (usable - shown.width()) / 2, pages.y, shown.width(), shown.height());
        pages.painter()->drawImage(picture, c.sideView);
        pages.y += shown.height() + 8;
    }
    const double top = pages.y, half = (usable - 18) / 2;
    subheading(pages, Texts::tr("Sizes"));
    lines(pages, c.sizes, left, half);
    const double sizesEnd = pages.y;
    pages.y = top;
    pages.setFont(10, true);
    pages.y += 6;
    pages.text(left + half + 18, half, Texts::tr("Predicted"));
    pages.y += 15;
    lines(pages, c.results, left + half + 18, half);
    pages.y = std::max(sizesEnd, pages.y);

    if (c.templates.empty())
        return;
    subheading(pages, Texts::tr("Templates"));
    const int columns = std::min<int>(4, static_cast<int>(c.templates.size()));
    const double gap = 8, cell = (usable - gap * (columns - 1)) / columns;
    const double room = pages.bottom() - pages.y;
    const int rows = (static_cast<int>(c.templates.size()) + columns - 1) / columns;
    const double cellHeight = std::min(cell * 0.75, room / rows - 12);
    for (size_t i = 0; i < c.templates.size() && cellHeight > 20; ++i) {
        const int column = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        const QRectF box(left + column * (cell + gap), pages.y + row * (cellHeight + 12), cell, cellHeight);
        const QSizeF shown = QSizeF(c.templates[i].size()).scaled(box.size(), Qt::KeepAspectRatio);
        pages.painter()->drawImage(QRectF(box.center() - QPointF(shown.width(), shown.height()) / 2, shown), c.templates[i]);
        pages.painter()->setPen(Rule);
        pages.painter()->drawRect(box);
        pages.painter()->setPen(Qt::black);
        pages.setFont(7);
        const double saved = pages.y;
        pages.y = box.bottom() + 1;
        pages.text(box.left(), cell, Texts::tr("%1 of %2").arg(i + 1).arg(c.templates.size()), Qt::AlignHCenter);
        pages.y = saved;
    }
}

void checksPage(PdfPages &pages, const PortfolioContent &c)
{
    const double left = PdfPages::Margin, usable = pages.usableWidth();
    heading(pages, Texts::tr("Prediction, simulation and runs"));
    lines(pages,
          {{Texts::tr("My prediction (s)"), orNone(c.predicted)},
           {Texts::tr("Simulated time to 15 ft (s)"), orNone(c.simulated)},
           {Texts::tr("Measured, mean of the runs (s)"), orNone(c.measured)}},
          left, usable * 0.6);
    pages.setFont(8);
    const size_t shownRuns = std::min<size_t>(c.runs.size(), 12);
    for (size_t i = 0; i < shownRuns; ++i) {
        pages.text(left + 12, usable - 12, printableText(c.runs[i]));
        pages.y += 10;
    }
    if (c.runs.size() > shownRuns) {
        pages.text(left + 12, usable - 12, Texts::tr("Runs not shown: %1").arg(c.runs.size() - shownRuns));
        pages.y += 10;
    }

    subheading(pages, Texts::tr("Rules"));
    pages.setFont(8);
    if (!c.challenged) {
        pages.text(left, usable, Texts::tr("No challenge was given."));
        return;
    }
    const auto broken = std::count_if(c.checks.begin(), c.checks.end(), [](const RuleCheck &check) { return !check.passed; });
    pages.setFont(9, true);
    pages.text(left, usable,
               broken == 0 ? Texts::tr("Every rule kept") : Texts::tr("Rules broken: %1").arg(broken));
    pages.y += 14;
    pages.setFont(8);
    for (const RuleCheck &check : c.checks) {
        if (pages.y + 11 > pages.bottom())
            break;
        pages.painter()->setPen(check.passed ? QColor(0, 110, 0) : QColor(170, 0, 0));
        pages.text(left, 40, check.passed ? Texts::tr("kept") : Texts::tr("broken"));
        pages.painter()->setPen(Qt::black);
        pages.text(left + 44, 96, printableText(check.rule));
        pages.text(left + 144, usable - 144, printableText(check.shownSentence));
        pages.y += 11;
    }
}

// Time to 15 ft over the versions; versions that fell short leave a gap in the line.
void journalChart(QPainter &painter, const QRectF &area, const std::vector<PortfolioVersion> &versions)
{
    painter.setPen(Rule);
    painter.drawRect(area);
    double low = 1e9, high = -1e9;
    for (const PortfolioVersion &v : versions)
        if (v.seconds) {
            low = std::min(low, *v.seconds);
            high = std::max(high, *v.seconds);
        }
    if (low > high)
        return;
    const double span = std::max(high - low, 0.05), bottom = low - span * 0.1, top = high + span * 0.1;
    const double n = static_cast<double>(std::max<size_t>(versions.size() - 1, 1));
    auto at = [&](size_t i, double s) {
        return QPointF(area.left() + area.width() * static_cast<double>(i) / n,
                       area.bottom() - area.height() * (s - bottom) / (top - bottom));
    };
    QPainterPath path;
    bool joined = false;
    for (size_t i = 0; i < versions.size(); ++i) {
        if (!versions[i].seconds) {
            joined = false;
            continue;
        }
        const QPointF point = at(i, *versions[i].seconds);
        joined ? path.lineTo(point) : path.moveTo(point);
        joined = true;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 80, 170), 1.2));
    painter.drawPath(path);
    painter.setBrush(QColor(20, 80, 170));
    for (size_t i = 0; i < versions.size(); ++i)
        if (versions[i].seconds)
            painter.drawEllipse(at(i, *versions[i].seconds), 1.6, 1.6);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(7);
    painter.setFont(font);
    painter.drawText(QRectF(area.left() + 3, area.top() + 2, area.width(), 9), Qt::AlignLeft,
                     Texts::tr("%1 s").arg(QString::number(high, 'f', 2)));
    painter.drawText(QRectF(area.left() + 3, area.bottom() - 11, area.width(), 9), Qt::AlignLeft,
                     Texts::tr("%1 s").arg(QString::number(low, 'f', 2)));
}

void journalPage(PdfPages &pages, const PortfolioContent &c)
{
    const double left = PdfPages::Margin, usable = pages.usableWidth();
    heading(pages, Texts::tr("Journal"));
    pages.setFont(8);
    if (c.versions.empty()) {
        pages.text(left, usable, Texts::tr("No versions yet."));
        return;
    }
    const QRectF chart(left, pages.y, usable, usable * 0.3);
    journalChart(*pages.painter(), chart, c.versions);
    pages.y += chart.height() + 10;

    const std::vector<double> widths{28, 92, 64, 52};
    const double noteWidth = usable - 236;
    const double rowHeight = 10;
    auto row = [&](const QStringList &cells, bool bold) {
        pages.setFont(7, bold);
        double x = left;
        for (int i = 0; i < 4; ++i) {
            pages.text(x, widths[static_cast<size_t>(i)] - 4, cells[i], i == 1 ? Qt::AlignLeft : Qt::AlignRight);
            x += widths[static_cast<size_t>(i)];
        }
        pages.text(x + 6, noteWidth - 6, cells[4]);
        pages.y += rowHeight;
    };
    row({Texts::tr("No."), Texts::tr("When"), Texts::tr("Time (s)"), Texts::tr("Mass (lb)"), Texts::tr("Note")}, true);
    const int capacity = static_cast<int>((pages.bottom() - pages.y) / rowHeight) - 1;
    const int total = static_cast<int>(c.versions.size());
    // The first version and the latest ones: where the student began and where the design went.
    const int leftOut = std::max(0, total - capacity);
    for (int i = 0; i < total; ++i) {
        if (leftOut > 0 && i >= 1 && i < 1 + leftOut) {
            if (i == 1) {
                pages.setFont(7);
                pages.text(left, usable, Texts::tr("Versions left out: %1").arg(leftOut), Qt::AlignHCenter);
                pages.y += rowHeight;
            }
            continue;
        }
        const PortfolioVersion &v = c.versions[static_cast<size_t>(i)];
        row({QString::number(v.number), v.when, v.time, v.mass, printableText(v.note)}, false);
    }
}

void answersPage(PdfPages &pages, const PortfolioContent &c)
{
    const double left = PdfPages::Margin, usable = pages.usableWidth();
    heading(pages, Texts::tr("Answers"));
    pages.setFont(8);
    if (c.answers.empty()) {
        pages.text(left, usable, c.challenged ? Texts::tr("The challenge asks no questions.") : Texts::tr("No challenge was given."));
        return;
    }
    // A short answer leaves its room to the answers after it.
    for (size_t i = 0; i < c.answers.size(); ++i) {
        const PortfolioAnswer &a = c.answers[i];
        const double start = pages.y, share = (pages.bottom() - start) / static_cast<double>(c.answers.size() - i);
        pages.setFont(9, true);
        pages.y += pages.wrapped(left, usable, a.prompt, std::max(12.0, share / 3)) + 2;
        pages.setFont(8);
        const QString answer = a.answer.trimmed().isEmpty() ? Texts::tr("Not answered.") : a.answer;
        pages.y += pages.wrapped(left + 10, usable - 10, answer, std::max(0.0, start + share - pages.y - 8)) + 8;
    }
}

} // namespace

int portfolioPdf(const PortfolioContent &content, QPageSize::PageSizeId paper, QByteArray &pdf)
{
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    const QPageSize pageSize(paper);
    bool ok = true;
    int pageCount = 0;
    {
        PdfPageSink sink(buffer, Dpi, pageSize);
        PdfPages pages(sink, Dpi, pageSize.size(QPageSize::Point));
        for (auto page : {designPage, checksPage, journalPage, answersPage}) {
            if (!pages.newPage()) {
                ok = false;
                break;
            }
            page(pages, content);
        }
        pages.finish();
        pageCount = sink.pageCount();
        ok = ok && pages.ok() && sink.close() && pageCount <= PortfolioMaxPages;
    }
    if (!ok)
        pdf.clear();
    return ok ? pageCount : 0;
}

} // namespace zindle
