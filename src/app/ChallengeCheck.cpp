// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChallengeCheck.h"

#include "app/RefreshChain.h"
#include "model/NumberText.h"
#include "geometry/SheetScale.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>

namespace zindle {

namespace {

constexpr const char *Context = "ChallengeCheck";

// A sentence with its values, said in English and in the window's language. The first value may
// be a quantity's caption, which is translated with the sentence.
void say(RuleCheck &check, const char *pattern, const char *caption, const QStringList &values)
{
    const auto fill = [&](bool translated) {
        QStringList all;
        if (caption)
            all << (translated ? QCoreApplication::translate(Context, caption) : QString::fromUtf8(caption));
        all << values;
        QString text = translated ? QCoreApplication::translate(Context, pattern) : QString::fromUtf8(pattern);
        // One value at a time would read a "%2" inside a material's name as a placeholder.
        switch (all.size()) {
        case 0: return text;
        case 1: return text.arg(all[0]);
        case 2: return text.arg(all[0], all[1]);
        default: return text.arg(all[0], all[1], all[2]);
        }
    };
    check.sentence = fill(false);
    check.shownSentence = fill(true);
}

int decimalsOf(const QString &number)
{
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    if (point < 0)
        return 0;
    qsizetype end = point + 1;
    while (end < number.size() && number[end].isDigit())
        ++end;
    return static_cast<int>(end - point - 1);
}

// The measured value and the limit as a person reads them, with a unit: as many decimals as the
// rule was written with (two at least for a size or a mass), more where a failing value would
// otherwise read the same as its limit.
std::pair<QString, QString> numberTexts(float value, float limit, const RuleKind &kind, const QString &written,
                                        bool passed)
{
    int decimals = std::max(decimalsOf(written), *kind.unit ? 2 : 0);
    while (!passed && decimals < 6 && fixedText(value, decimals) == fixedText(limit, decimals))
        ++decimals;
    const QString unit = *kind.unit ? QLatin1Char(' ') + QLatin1String(kind.unit) : QString();
    return {fixedText(value, decimals) + unit, fixedText(limit, decimals) + unit};
}

// The body outline's extent on the sheet, in inches: across (x) or up (y).
std::optional<float> outlineExtent(const DesignRecord &design, bool across)
{
    if (design.OuterPts.size() < 2)
        return std::nullopt;
    const auto coordinate = [across](const QPoint &p) { return across ? p.x() : p.y(); };
    const auto [low, high] = std::minmax_element(design.OuterPts.begin(), design.OuterPts.end(),
                                                 [&](const QPoint &a, const QPoint &b) {
                                                     return coordinate(a) < coordinate(b);
                                                 });
    return static_cast<float>(coordinate(*high) - coordinate(*low)) / 72.0f;
}

struct Measured {
    QString data;              // as the program holds it
    std::optional<float> value; // none: the model could not find it for this car
};

Measured measuredNumber(const Workspace &workspace, const QString &name)
{
    const DesignRecord &design = workspace.design;
    const ResultFields &r = workspace.results;
    const auto field = [](const QString &text) { return Measured{text, parseFloat(text)}; };
    if (name == QLatin1String("mass"))
        return workspace.checks.cannotWeigh() ? Measured{} : field(r.ProjectedMassEF);
    if (name == QLatin1String("layers"))
        return field(r.LayersWideEF);
    if (name == QLatin1String("drive-wheel"))
        return field(design.DriveWhlDia);
    if (name == QLatin1String("other-wheel"))
        return field(design.OtherWhlDia);
    if (name == QLatin1String("spring-length"))
        return field(design.SpringLength);
    if (name == QLatin1String("spring-width"))
        return field(design.SpringWidth);
    const std::optional<float> extent = outlineExtent(design, name == QLatin1String("body-length"));
    return extent ? Measured{floatText(*extent), extent} : Measured{};
}

bool compare(float value, const ChallengeRule &rule)
{
    const float limit = parseFloat(rule.limit).value_or(0.0f);
    switch (rule.op) {
    case RuleOperator::AtMost: return value <= limit;
    case RuleOperator::AtLeast: return value >= limit;
    // Equal at the precision the rule was written with: "= 4.8" takes a wheel of 4.80.
    default: return fixedText(value, decimalsOf(rule.limit)) == fixedText(limit, decimalsOf(rule.limit));
    }
}

void checkNumber(RuleCheck &check, const Workspace &workspace, const ChallengeRule &rule, const RuleKind &kind)
{
    const Measured measured = measuredNumber(workspace, rule.name);
    check.value = measured.data;
    if (!measured.value) {
        say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "%1: not known for this car"), kind.caption, {});
        return;
    }
    check.passed = compare(*measured.value, rule);
    const auto [value, limit] =
        numberTexts(*measured.value, parseFloat(rule.limit).value_or(0.0f), kind, rule.limit, check.passed);
    const char *pattern = nullptr;
    switch (rule.op) {
    case RuleOperator::AtMost:
        pattern = check.passed ? QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: within the %3 limit")
                               : QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: over the %3 limit");
        break;
    case RuleOperator::AtLeast:
        pattern = check.passed ? QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: at least the %3 minimum")
                               : QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: under the %3 minimum");
        break;
    default:
        pattern = check.passed ? QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: the %3 asked for")
                               : QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: not the %3 asked for");
        break;
    }
    say(check, pattern, kind.caption, {value, limit});
}

void sayWord(RuleCheck &check, const RuleKind &kind, const QString &allowed)
{
    if (check.passed)
        say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: allowed"), kind.caption, {check.value});
    else
        say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "%1 %2: not allowed (%3)"), kind.caption, {check.value, allowed});
}

QString driveWord(DriveKind drive)
{
    switch (drive) {
    case DriveKind::FrontWD: return DriveWords[1];
    case DriveKind::AllWD: return DriveWords[2];
    case DriveKind::RearWD: break;
    }
    return DriveWords[0];
}

// Every material rule together names the boards allowed; the body's and the wheels' boards must
// each be one of them.
void checkMaterial(RuleCheck &check, const Workspace &workspace, const Challenge &challenge, const RuleKind &kind)
{
    QStringList allowed;
    for (const ChallengeRule &rule : challenge.rules)
        if (rule.name == QLatin1String("material") && !allowed.contains(rule.limit, Qt::CaseInsensitive))
            allowed << rule.limit;
    check.passed = true;
    for (const Part part : {OuterBodyPart, InnerBodyPart, DriveWheelPart, OtherWheelPart}) {
        const QString name = workspace.catalogue.name(MaterialKind::Board, workspace.design.MatIndex[part]).trimmed();
        if (check.value.isEmpty())
            check.value = name;
        if (!allowed.contains(name, Qt::CaseInsensitive)) {
            check.passed = false;
            check.value = name;
            break;
        }
    }
    sayWord(check, kind, allowed.join(QStringLiteral(", ")));
}

void checkFlag(RuleCheck &check, const Workspace &workspace, const ChallengeRule &rule)
{
    const ResultFields &r = workspace.results;
    const bool ran = !workspace.checks.cannotRun();
    if (rule.name == QLatin1String("no-skid")) {
        const bool skid = workspace.advisories.skidShown();
        check.passed = !skid;
        check.value = skid ? QStringLiteral("yes") : QStringLiteral("no");
        if (skid)
            say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "Skid advisory: the drive wheels skid"), nullptr, {});
        else
            say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "No skid advisory"), nullptr, {});
        return;
    }
    // An unfinished run's time is written in brackets. The value is what tells most: the time
    // of a car that finishes, the distance of one that stops short (in ft).
    check.passed = ran && !r.TimeEF.isEmpty() && !r.TimeEF.startsWith(QLatin1Char('['));
    check.value = check.passed ? r.TimeEF : ran ? r.PoweredDistanceEF : QString();
    if (check.passed)
        say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "Reaches 15 ft in %1 s"), nullptr,
            {text00(floatOr(r.TimeEF, 0.0f))});
    else if (ran)
        say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "Stops short of 15 ft, at %1 ft"), nullptr,
            {text00(floatOr(r.PoweredDistanceEF, 0.0f))});
    else
        say(check, QT_TRANSLATE_NOOP("ChallengeCheck", "Does not reach 15 ft: the model cannot run this car"), nullptr,
            {});
}

} // namespace

void RefreshForChallenge(Workspace &workspace)
{
    workspace.scale = HeadlessSheetScale();
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
}

std::vector<RuleCheck> CheckChallenge(const Workspace &workspace, const Challenge &challenge)
{
    std::vector<RuleCheck> checks;
    for (const ChallengeRule &rule : challenge.rules) {
        RuleCheck check;
        check.rule = rule.text;
        check.name = rule.name;
        check.limit = rule.limit;
        const RuleKind *kind = ruleKind(rule.name);
        if (!kind)
            continue; // refused when the challenge was read
        if (kind->value == RuleValue::Number) {
            checkNumber(check, workspace, rule, *kind);
        } else if (rule.name == QLatin1String("drive")) {
            check.value = driveWord(workspace.design.Drive);
            check.passed = check.value == rule.limit;
            sayWord(check, *kind, rule.limit);
        } else if (rule.name == QLatin1String("material")) {
            checkMaterial(check, workspace, challenge, *kind);
        } else {
            checkFlag(check, workspace, rule);
        }
        checks.push_back(check);
    }
    return checks;
}

bool KeepsEveryRule(const std::vector<RuleCheck> &checks)
{
    return std::all_of(checks.begin(), checks.end(), [](const RuleCheck &check) { return check.passed; });
}

QString BrokenRulesText(const std::vector<RuleCheck> &checks)
{
    QStringList broken;
    for (const RuleCheck &check : checks)
        if (!check.passed)
            broken << check.rule;
    return broken.join(QStringLiteral("; "));
}

} // namespace zindle
