// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasuredRun.h"

#include "NumberText.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

QString feet(double value) { return doubleText(value) + QStringLiteral(" ft"); }
QString seconds(double value) { return doubleText(value) + QStringLiteral(" s"); }

} // namespace

std::optional<double> parseRunNumber(const QString &text, const QString &what, QString &error)
{
    const std::optional<double> value = parseDouble(text);
    if (!value) {
        error = what + QStringLiteral(": ") + notANumberNote(text).trimmed();
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<RunMark>> parseMarks(const QString &text, QString &error)
{
    std::vector<RunMark> marks;
    if (text.trimmed().isEmpty())
        return marks;
    for (const QString &pair : text.split(QLatin1Char(','))) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        if (parts.size() != 2) {
            error = QStringLiteral("Mark \"%1\" is not feet:seconds (for example 5:0.71).").arg(pair.trimmed());
            return std::nullopt;
        }
        const QString where = QStringLiteral("Mark \"%1\"").arg(pair.trimmed());
        const std::optional<double> distance = parseRunNumber(parts[0], where + QStringLiteral(" distance"), error);
        if (!distance)
            return std::nullopt;
        const std::optional<double> time = parseRunNumber(parts[1], where + QStringLiteral(" time"), error);
        if (!time)
            return std::nullopt;
        marks.push_back({*distance, *time});
    }
    return marks;
}

QString checkRun(MeasuredRun &run)
{
    if (!run.date.isValid())
        return QStringLiteral("The run has no valid date (YYYY-MM-DD).");
    run.track = run.track.trimmed();
    if (run.track.isEmpty())
        return QStringLiteral("The run needs the name of its track.");
    if (run.marks.empty() && !run.restFt)
        return QStringLiteral("The run needs at least one mark or the distance where the car came to rest.");
    for (const RunMark &mark : run.marks) {
        if (!(mark.distanceFt > 0.0) || mark.distanceFt > MaxTrackFt)
            return QStringLiteral("A mark at %1 is not on a track: distances lie above 0 and up to 100 ft.")
                .arg(feet(mark.distanceFt));
        if (!(mark.timeS > 0.0) || mark.timeS > MaxMarkTimeS)
            return QStringLiteral("The time %1 at %2 cannot be measured: times lie above 0 and up to 100 s.")
                .arg(seconds(mark.timeS), feet(mark.distanceFt));
    }
    std::stable_sort(run.marks.begin(), run.marks.end(),
                     [](const RunMark &a, const RunMark &b) { return a.distanceFt < b.distanceFt; });
    for (size_t i = 1; i < run.marks.size(); ++i) {
        const RunMark &before = run.marks[i - 1], &mark = run.marks[i];
        if (mark.distanceFt == before.distanceFt)
            return QStringLiteral("There are two marks at %1.").arg(feet(mark.distanceFt));
        if (!(mark.timeS > before.timeS))
            return QStringLiteral("The car cannot reach %1 at %2 when it reached %3 at %4: times must grow with the distance.")
                .arg(feet(mark.distanceFt), seconds(mark.timeS), feet(before.distanceFt), seconds(before.timeS));
    }
    if (run.restFt) {
        const double rest = *run.restFt;
        if (!(rest > 0.0) || rest > MaxTrackFt)
            return QStringLiteral("The resting distance %1 is not on a track: distances lie above 0 and up to 100 ft.")
                .arg(feet(rest));
        if (!run.marks.empty() && rest < run.marks.back().distanceFt)
            return QStringLiteral("The car cannot come to rest at %1 before its last mark at %2.")
                .arg(feet(rest), feet(run.marks.back().distanceFt));
    }
    if (run.massLbm && (!(*run.massLbm > 0.0) || *run.massLbm > MaxCarMassLbm))
        return QStringLiteral("A car of %1 lbm cannot be weighed: masses lie above 0 and up to 10 lbm.")
            .arg(doubleText(*run.massLbm));
    return {};
}

std::optional<MeasuredRun> parseRunTexts(const RunTexts &texts, const RunFieldNames &names, QString &error)
{
    MeasuredRun run;
    run.track = texts.track;
    run.note = texts.note;
    run.date = QDate::currentDate();
    if (!texts.date.trimmed().isEmpty()) {
        run.date = QDate::fromString(texts.date.trimmed(), QStringLiteral("yyyy-MM-dd"));
        if (!run.date.isValid()) {
            error = QStringLiteral("%1: \"%2\" is not a day written YYYY-MM-DD").arg(names.date, texts.date);
            return std::nullopt;
        }
    }
    const auto marks = parseMarks(texts.marks, error);
    if (!marks)
        return std::nullopt;
    run.marks = *marks;
    const auto optionalNumber = [&error](const QString &text, const QString &name, std::optional<double> &into) {
        if (text.trimmed().isEmpty())
            return true;
        into = parseRunNumber(text, name, error);
        return into.has_value();
    };
    if (!optionalNumber(texts.rest, names.rest, run.restFt) || !optionalNumber(texts.mass, names.mass, run.massLbm))
        return std::nullopt;
    error = checkRun(run);
    if (!error.isEmpty())
        return std::nullopt;
    return run;
}

QString marksText(const std::vector<RunMark> &marks)
{
    QStringList pairs;
    for (const RunMark &mark : marks)
        pairs << doubleText(mark.distanceFt) + QLatin1Char(':') + doubleText(mark.timeS);
    return pairs.join(QLatin1Char(','));
}

} // namespace zindle
