// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A challenge a teacher sets a class: what the car must keep to (rules), how it is scored, the
// rubric the work is marked by and the prompts a student answers. A rule is written the same in
// the challenge file and on the command line: a name alone ("reaches-15ft"), or a name, one of
// <=, >= and =, and a number ("mass <= 0.25") or, for a rule whose value is a word, "= word"
// ("drive = rear"). The text is kept as written, so a file says what its author typed.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zindle {

// What a rule's value is: a number with a unit, a word, or nothing (the rule is a yes/no).
enum class RuleValue { Number, Word, Flag };

struct RuleKind {
    const char *name;    // as written: "mass"
    RuleValue value;
    const char *unit;    // "lb", "in", "" (a count or a word)
    const char *caption; // the quantity in a sentence, "Mass" (translated in "ChallengeCheck");
                         // none for a flag, whose sentences are its own
};

// Every rule a challenge can set, in the order --help lists them.
const std::vector<RuleKind> &ruleKinds();
const RuleKind *ruleKind(const QString &name);
// "mass, body-length, ..." for a refusal that lists them.
QString ruleNamesText();

enum class RuleOperator { None, AtMost, AtLeast, Equal };

struct ChallengeRule {
    QString text;      // as written, trimmed
    QString name;
    RuleOperator op = RuleOperator::None;
    QString limit;     // the number or the word as written; empty for a flag
    double number = 0; // the number's value (Number rules)
};

// The words a `drive` rule takes, for the design's three drive arrangements.
inline const QStringList DriveWords{QStringLiteral("rear"), QStringLiteral("front"), QStringLiteral("all")};

// Why a rule's text was refused: a sentence marked in context "Challenge" with %1 the rule as
// written and %2 (where it has one) the known names or words.
struct RuleRefusal {
    const char *source = nullptr;
    QString rule, detail;
    QString english() const;
    QString shown() const;
};

// Reads one rule; a name not in ruleKinds(), a number rule without its operator and number, a
// word rule without "= word", a flag with a value or an unknown drive word are refused.
std::optional<ChallengeRule> parseRule(const QString &text, RuleRefusal &refusal);

enum class ScoringKind { Time, Distance, Target, Efficiency };
struct ChallengeScoring {
    ScoringKind kind = ScoringKind::Time;
    double targetTime = 0; // seconds, for Target
};
// "time", "distance", "target:3.5", "efficiency"; nullopt for anything else (a target time
// must be a positive number of seconds).
std::optional<ChallengeScoring> parseScoring(const QString &text);
QString scoringText(const ChallengeScoring &scoring);

struct RubricRow {
    QString text;
    double weight = 1;
};

enum class PromptWhen { BeforeFirstSimulation, AfterRace };
struct ChallengePrompt {
    QString text;
    PromptWhen when = PromptWhen::BeforeFirstSimulation;
};
// "before-first-simulation", "after-race".
QString promptWhenText(PromptWhen when);
std::optional<PromptWhen> parsePromptWhen(const QString &text);

struct Challenge {
    QString title, text;
    std::vector<ChallengeRule> rules;
    ChallengeScoring scoring;
    std::vector<RubricRow> rubric;
    std::vector<ChallengePrompt> prompts;
};

// One rule checked on one car. `value` and `limit` are data, as the command line's JSON and CSV
// write them: the measured value as the program holds it (a result field's text, a count, a
// word) and the rule's number or word as written. The sentence says it to a person, in English
// and in the window's language: "Mass 0.34 lb: over the 0.30 lb limit".
struct RuleCheck {
    QString rule, name;
    bool passed = false;
    QString value, limit;
    QString sentence, shownSentence;
};

} // namespace zindle
