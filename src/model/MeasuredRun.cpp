// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasuredRun.h"

#include "NumberText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

QString feet(double value) { return doubleText(value) + QStringLiteral(" ft"); }
QString seconds(double value) { return doubleText(value) + QStringLiteral(" s"); }

QString said(const char *context, const char *source, const QStringList &values, bool translated)
{
    QString text = translated ? QCoreApplication::translate(context, source) : QString::fromUtf8(source);
    for (const QString &value : values)
        text = text.arg(value);
    return text;
}

RunRule rule(const char *source, QStringList values = {}) { return RunRule{source, std::move(values)}; }

} // namespace

QString RunRule::english() const { return source ? said("MeasuredRun", source, values, false) : QString(); }
QString RunRule::shown() const { return source ? said("MeasuredRun", source, values, true) : QString(); }

std::optional<double> parseRunNumber(const QString &text, const QString &what, QString &error)
{
    const std::optional<double> value = parseDouble(text);
    if (!value) {
        error = QCoreApplication::translate("MeasuredRun", "%1: %2").arg(what, notANumberNote(text).trimmed());
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
            error = QCoreApplication::translate("MeasuredRun", "Mark \"%1\" is not feet:seconds (for example 5:0.71).")
                        .arg(pair.trimmed());
            return std::nullopt;
        }
        const QString distanceName = QCoreApplication::translate("MeasuredRun", "Mark \"%1\" distance");
        const std::optional<double> distance = parseRunNumber(parts[0], distanceName.arg(pair.trimmed()), error);
        if (!distance)
            return std::nullopt;
        const QString timeName = QCoreApplication::translate("MeasuredRun", "Mark \"%1\" time");
        const std::optional<double> time = parseRunNumber(parts[1], timeName.arg(pair.trimmed()), error);
        if (!time)
            return std::nullopt;
        marks.push_back({*distance, *time});
    }
    return marks;
}

RunRule checkRun(MeasuredRun &run)
{
    if (!run.date.isValid())
        return rule(QT_TRANSLATE_NOOP("MeasuredRun", "The run has no valid date (YYYY-MM-DD)."));
    run.track = run.track.trimmed();
    if (run.track.isEmpty())
        return rule(QT_TRANSLATE_NOOP("MeasuredRun", "The run needs the name of its track."));
    if (run.marks.empty() && !run.restFt)
        return rule(QT_TRANSLATE_NOOP(
            "MeasuredRun", "The run needs at least one mark or the distance where the car came to rest."));
    for (const RunMark &mark : run.marks) {
        if (!(mark.distanceFt > 0.0) || mark.distanceFt > MaxTrackFt)
            return rule(QT_TRANSLATE_NOOP(
                "MeasuredRun", "A mark at %1 is not on a track: distances lie above 0 and up to 100 ft."),
                        {feet(mark.distanceFt)});
        if (!(mark.timeS > 0.0) || mark.timeS > MaxMarkTimeS)
            return rule(QT_TRANSLATE_NOOP(
                "MeasuredRun", "The time %1 at %2 cannot be measured: times lie above 0 and up to 100 s."),
                        {seconds(mark.timeS), feet(mark.distanceFt)});
    }
    std::stable_sort(run.marks.begin(), run.marks.end(),
                     [](const RunMark &a, const RunMark &b) { return a.distanceFt < b.distanceFt; });
    for (size_t i = 1; i < run.marks.size(); ++i) {
        const RunMark &before = run.marks[i - 1], &mark = run.marks[i];
        if (mark.distanceFt == before.distanceFt)
            return rule(QT_TRANSLATE_NOOP("MeasuredRun", "There are two marks at %1."),
                        {feet(mark.distanceFt)});
        if (!(mark.timeS > before.timeS))
            return rule(QT_TRANSLATE_NOOP("MeasuredRun", "The car cannot reach %1 at %2 when it reached %3 at %4: "
                                                         "times must grow with the distance."),
                        {feet(mark.distanceFt), seconds(mark.timeS), feet(before.distanceFt), seconds(before.timeS)});
    }
    if (run.restFt) {
        const double rest = *run.restFt;
        if (!(rest > 0.0) || rest > MaxTrackFt)
            return rule(QT_TRANSLATE_NOOP(
                "MeasuredRun", "The resting distance %1 is not on a track: distances lie above 0 and up to 100 ft."),
                        {feet(rest)});
        if (!run.marks.empty() && rest < run.marks.back().distanceFt)
            return rule(QT_TRANSLATE_NOOP(
                "MeasuredRun", "The car cannot come to rest at %1 before its last mark at %2."),
                        {feet(rest), feet(run.marks.back().distanceFt)});
    }
    if (run.massLbm && (!(*run.massLbm > 0.0) || *run.massLbm > MaxCarMassLbm))
        return rule(QT_TRANSLATE_NOOP(
            "MeasuredRun", "A car of %1 lbm cannot be weighed: masses lie above 0 and up to 10 lbm."),
                        {doubleText(*run.massLbm)});
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
            error = QCoreApplication::translate("MeasuredRun", "%1: \"%2\" is not a day written YYYY-MM-DD")
                        .arg(names.date, texts.date);
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
    const RunRule broken = checkRun(run);
    if (broken.broken()) {
        error = broken.shown();
        return std::nullopt;
    }
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
