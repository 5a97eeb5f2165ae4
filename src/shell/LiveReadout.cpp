// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveReadout.h"

#include "app/LiveResults.h"
#include "physics/Advisories.h"
#include "model/NumberText.h"
#include "physics/ResultFieldTable.h"

#include <QCoreApplication>
#include <algorithm>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LiveReadout)
};

const QString Dot = QStringLiteral(" \u00b7 ");
const QString AdvisoryColour = QStringLiteral("#c00000");
const QString UpdatingColour = QStringLiteral("#4a4a4a");

QString advisoryCount(qsizetype count)
{
    if (count == 0)
        return Texts::tr("no advisories");
    return count == 1 ? Texts::tr("1 advisory") : Texts::tr("%1 advisories").arg(count);
}

QString unbracketed(const QString &time)
{
    return time.startsWith(QLatin1Char('[')) && time.endsWith(QLatin1Char(']')) ? time.mid(1, time.size() - 2) : time;
}

// The values of a car the model ran. A finished run's time is a whole number of hundredths,
// so two decimals give it exactly; a car that falls short keeps Simulate's brackets.
QStringList valueParts(const LiveResult &r)
{
    QStringList parts;
    if (r.finished())
        parts << Texts::tr("15 ft in %1 s").arg(text00(floatOr(r.TimeEF, 0.0f)));
    else // Simulate's "[1.35]" said in words: the run ended there, short of the line
        parts << Texts::tr("15 ft not reached in %1 s").arg(unbracketed(r.TimeEF));
    // The highest speed: the end speed of a car that has coasted to the end of its run says
    // little about how fast it was.
    parts << Texts::tr("peak %1 ft/s").arg(r.PeakSpeedEF);
    if (!r.ProjectedMassEF.isEmpty())
        parts << Texts::tr("%1 lb").arg(fixedText(floatOr(r.ProjectedMassEF, 0.0f), 3));
    return parts;
}

QString caption(const char *field)
{
    const ResultFieldRow *row = resultFieldRow(QString::fromLatin1(field));
    return row ? row->shownCaptionText() : QString::fromLatin1(field);
}

} // namespace

QString liveReadoutText(const LiveResult &r)
{
    if (!r.runs)
        return Texts::tr("Cannot run: %1").arg(r.cannotRun);
    return (valueParts(r) << advisoryCount(r.advisories.size())).join(Dot);
}

QString liveReadoutHint(const LiveResult &r)
{
    QStringList lines;
    lines << Texts::tr("As Simulate will show the design, computed while you edit it:");
    const std::pair<const char *, const QString *> fields[] = {
        {"TimeEF", &r.TimeEF},
        {"PeakSpeedEF", &r.PeakSpeedEF},
        {"TopSpeedEF", &r.TopSpeedEF},
        {"ProjectedMassEF", &r.ProjectedMassEF}};
    for (const auto &[name, value] : fields) {
        QString shown = value->isEmpty() ? QStringLiteral("-") : *value;
        // The mass field holds 15 digits; the line's three decimals are all a scale shows.
        if (value == &r.ProjectedMassEF && !value->isEmpty())
            shown = fixedText(floatOr(*value, 0.0f), 3);
        if (value == &r.TimeEF && value->startsWith(QLatin1Char('[')))
            shown += Texts::tr(" (in brackets: 15 ft not reached, the time the run ended)");
        lines << caption(name) + QStringLiteral(": ") + shown;
    }
    if (r.advisories.isEmpty()) {
        lines << Texts::tr("No advisories.");
    } else {
        lines << Texts::tr("Advisories:");
        for (const QString &text : r.advisories)
            lines << QStringLiteral("  ") + advisoryText(text);
    }
    return lines.join(QLatin1Char('\n'));
}

LiveReadout::LiveReadout(LiveResults &live, QWidget *parent) : QLabel(parent), live_(live)
{
    setObjectName(QStringLiteral("LiveReadout"));
    setTextFormat(Qt::RichText);
    setMinimumWidth(usualWidth());
    // One line, no taller than the plain captions beside it.
    setFixedHeight(fontMetrics().height() + 2);
    connect(&live_, &LiveResults::changed, this, &LiveReadout::refresh);
    refresh();
}

int LiveReadout::usualWidth() const
{
    LiveResult usual;
    usual.runs = true;
    usual.TimeEF = QStringLiteral("[10.0]");
    usual.PeakSpeedEF = QStringLiteral("15.3");
    usual.ProjectedMassEF = QStringLiteral("0.231");
    usual.advisories = QStringList{QString(), QString()};
    return fontMetrics().horizontalAdvance(Texts::tr("Updating\u2026") + QLatin1Char(' ') + liveReadoutText(usual)) + 4;
}

void LiveReadout::refresh()
{
    const std::optional<LiveResult> &shown = live_.current() ? live_.current() : live_.lastShown();
    current_ = live_.current().has_value();
    const QString head = QStringLiteral("<b>%1</b> ").arg((current_ || !shown ? Texts::tr("Live:") : Texts::tr("Updating\u2026")).toHtmlEscaped());
    QString body;
    if (!shown) {
        body = Texts::tr("computing\u2026").toHtmlEscaped();
    } else if (!shown->runs) {
        body = Texts::tr("Cannot run: %1").arg(shown->cannotRun).toHtmlEscaped();
    } else {
        body = valueParts(*shown).join(Dot).toHtmlEscaped() + Dot;
        const QString count = advisoryCount(shown->advisories.size()).toHtmlEscaped();
        // Red as the Advisories window's own lines, while the values are current.
        body += shown->advisories.isEmpty() || !current_
                    ? count
                    : QStringLiteral("<span style=\"color:%1; font-weight:bold\">%2</span>").arg(AdvisoryColour, count);
    }
    if (!current_)
        body = QStringLiteral("<span style=\"color:%1\">%2</span>").arg(UpdatingColour, body);
    setText(head + body);
    setToolTip(shown ? liveReadoutHint(*shown) + (current_ ? QString() : QLatin1Char('\n') + Texts::tr("(updating)"))
                     : QString());
}

} // namespace zindle
