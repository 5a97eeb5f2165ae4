// SPDX-License-Identifier: GPL-3.0-or-later
#include "SensitivityResult.h"

#include "model/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zindle {

double SensitivityEntry::effect() const
{
    if (stepFallsShort)
        return std::numeric_limits<double>::infinity();
    return std::fabs(timeChange.value_or(distanceChange.value_or(0.0)));
}

std::vector<int> RankByEffect(const std::vector<SensitivityEntry> &inputs)
{
    std::vector<int> order(inputs.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return inputs[static_cast<size_t>(a)].effect() > inputs[static_cast<size_t>(b)].effect();
    });
    return order;
}

namespace {

// The English texts are what the command line prints as data; the window shows the translated
// ones. The sentences' sources carry the window's full stop, which the English one goes without.
constexpr const char *Context = "Sensitivity";

const char *const FallsShortChange = QT_TRANSLATE_NOOP("Sensitivity", "%1: the car no longer reaches 15 ft");
const char *const NoChange = QT_TRANSLATE_NOOP("Sensitivity", "%1: changes nothing");
const char *const SavesChange = QT_TRANSLATE_NOOP("Sensitivity", "%1: saves %2 s");
const char *const CostsChange = QT_TRANSLATE_NOOP("Sensitivity", "%1: costs %2 s");
const char *const FartherChange = QT_TRANSLATE_NOOP("Sensitivity", "%1: goes %2 ft farther");
const char *const ShorterChange = QT_TRANSLATE_NOOP("Sensitivity", "%1: falls %2 ft shorter");
const char *const HeldByBuild = QT_TRANSLATE_NOOP("Sensitivity", "%1 (the build keeps the drive wheel as it is)");
const char *const HeldByCalibration =
    QT_TRANSLATE_NOOP("Sensitivity", "%1 (the track's calibrated friction is used instead)");

const char *const FallsShortSentence =
    QT_TRANSLATE_NOOP("Sensitivity", "%1 matters most: %2 and the car no longer reaches 15 ft.");
const char *const SavesSentence = QT_TRANSLATE_NOOP("Sensitivity", "%1 matters most: %2 saves %3 s.");
const char *const CostsSentence = QT_TRANSLATE_NOOP("Sensitivity", "%1 matters most: %2 costs %3 s.");
const char *const FartherSentence = QT_TRANSLATE_NOOP("Sensitivity", "%1 matters most: %2 goes %3 ft farther.");
const char *const ShorterSentence = QT_TRANSLATE_NOOP("Sensitivity", "%1 matters most: %2 falls %3 ft shorter.");
const char *const NoTimeChange =
    QT_TRANSLATE_NOOP("Sensitivity", "No small change of one input changes this car's time.");
const char *const NoDistanceChange =
    QT_TRANSLATE_NOOP("Sensitivity", "No small change of one input changes this car's distance.");

QString say(const char *source, bool translated)
{
    return translated ? QCoreApplication::translate(Context, source) : QString::fromUtf8(source);
}

QString sentenceSay(const char *source, bool translated)
{
    return translated ? QCoreApplication::translate(Context, source) : QString::fromUtf8(source).chopped(1);
}

QString wordsSay(const char *source, const SensitivityEntry &entry, bool translated)
{
    const QString text = say(source, translated);
    return entry.number > 0 ? text.arg(entry.number) : text;
}

// Enough decimals that a change of a few thousandths does not read as none.
QString amountText(double value)
{
    const double size = std::fabs(value);
    return fixedText(size, size >= 0.095 ? 2 : size >= 0.0095 ? 3 : 4);
}

QString stepText(const SensitivityEntry &entry)
{
    return doubleText(std::round(std::fabs(entry.delta) * 1e6) / 1e6)
           + (entry.unit.isEmpty() ? QString() : QStringLiteral(" ") + entry.unit);
}

enum class Change { FallsShort, Nothing, Saves, Costs, Farther, Shorter };

Change changeOf(const SensitivityEntry &entry, double &amount)
{
    amount = entry.timeChange.value_or(entry.distanceChange.value_or(0.0));
    if (entry.stepFallsShort)
        return Change::FallsShort;
    if (amount == 0.0)
        return Change::Nothing;
    if (entry.timeChange)
        return amount < 0.0 ? Change::Saves : Change::Costs;
    return amount > 0.0 ? Change::Farther : Change::Shorter;
}

QString changeText(const SensitivityEntry &entry, bool translated)
{
    const QString step = (entry.delta < 0.0 ? QStringLiteral("-") : QStringLiteral("+")) + stepText(entry);
    double amount = 0.0;
    const Change change = changeOf(entry, amount);
    const char *const sources[] = {FallsShortChange, NoChange, SavesChange, CostsChange, FartherChange, ShorterChange};
    QString text = say(sources[static_cast<int>(change)], translated);
    text = change == Change::FallsShort || change == Change::Nothing ? text.arg(step)
                                                                       : text.arg(step, amountText(amount));
    if (entry.held == SensitivityHeld::Build)
        return say(HeldByBuild, translated).arg(text);
    if (entry.held == SensitivityHeld::Calibration)
        return say(HeldByCalibration, translated).arg(text);
    return text;
}

QString largestEffectSentence(const SensitivityResult &result, bool translated)
{
    if (result.ranked.empty())
        return {};
    const SensitivityEntry &top = result.inputs[static_cast<size_t>(result.ranked.front())];
    if (top.effect() == 0.0)
        return sentenceSay(result.measure == SensitivityMeasure::Time ? NoTimeChange : NoDistanceChange, translated);
    const QString subject = wordsSay(top.words.subject, top, translated);
    const QString step = say(top.delta < 0.0 ? top.words.down : top.words.up, translated).arg(stepText(top));
    double amount = 0.0;
    const Change change = changeOf(top, amount);
    if (change == Change::FallsShort)
        return sentenceSay(FallsShortSentence, translated).arg(subject, step);
    const char *const source = change == Change::Saves ? SavesSentence
                               : change == Change::Costs ? CostsSentence
                               : change == Change::Farther ? FartherSentence
                                                           : ShorterSentence;
    return sentenceSay(source, translated).arg(subject, step, amountText(amount));
}

} // namespace

QString SensitivityChangeText(const SensitivityEntry &entry) { return changeText(entry, false); }

QString ShownSensitivityChangeText(const SensitivityEntry &entry) { return changeText(entry, true); }

QString ShownSensitivityCaption(const SensitivityEntry &entry)
{
    return *entry.words.caption ? wordsSay(entry.words.caption, entry, true) : entry.caption;
}

QString LargestEffectSentence(const SensitivityResult &result) { return largestEffectSentence(result, false); }

QString ShownLargestEffectSentence(const SensitivityResult &result) { return largestEffectSentence(result, true); }

std::optional<double> SmoothTimeAtDistance(const RunTrace &run, double feet)
{
    double t0 = 0.0, d0 = 0.0;
    for (const RunSample &sample : run.samples) {
        const double t1 = sample.timeIndex / 100.0, d1 = sample.distance;
        if (d1 >= feet) {
            if (d1 <= d0)
                return t1;
            return t0 + (t1 - t0) * (feet - d0) / (d1 - d0);
        }
        t0 = t1;
        d0 = d1;
    }
    return std::nullopt;
}

double DistanceReached(const RunTrace &run) { return run.samples.empty() ? 0.0 : run.samples.back().distance; }

} // namespace zindle
