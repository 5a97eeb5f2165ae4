// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChallengeCommand.h"

#include "Cli.h"
#include "DesignArgument.h"
#include "PhysicsOutput.h"
#include "app/ChallengeCheck.h"
#include "files/ChallengeFile.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChallengeCommand)
};

} // namespace

#define ZINDLE_RULE_NAMES_HELP                                                                   \
    "Rules (--rule repeats; a rule is a name, or a name, one of <=, >= and = and a number, or\n" \
    "for a rule whose value is a word, the name, = and the word):\n"                           \
    "  mass            the total car mass in lb (analyze's ProjectedMassEF)\n"                  \
    "  body-length     the body outline from front to back, in inches\n"                        \
    "  body-height     the body outline from bottom to top, in inches\n"                        \
    "  drive-wheel     the drive wheel's diameter as built, in inches\n"                        \
    "  other-wheel     the other wheel's diameter, in inches\n"                                 \
    "  layers          the number of board layers of the body (analyze's LayersWideEF)\n"       \
    "  spring-length   the spring's length as built, in inches\n"                               \
    "  spring-width    the spring's width, in inches\n"                                         \
    "  drive           = rear, front or all: the drive arrangement (\"drive = rear\")\n"        \
    "  material        = NAME: the body and wheel boards are of the material NAME (with\n"      \
    "                  several material rules, of any of their materials)\n"                    \
    "  reaches-15ft    the simulated run reaches 15 ft (measured: the time to 15 ft in s,\n"      \
    "                  or the distance in ft where a car stops short)\n"                         \
    "  no-skid         the run gives no skid advisory\n"                                        \
    "= with a number holds at the precision it is written with. A period is the decimal\n"     \
    "point.\n"

const char *const ChallengeHelp =
    "Usage: zindle-cli challenge new C.json [--title T] [--text X] [--rule R]...\n"
    "                                [--scoring S] [--rubric WEIGHT:TEXT]...\n"
    "                                [--prompt-before TEXT]... [--prompt-after TEXT]...\n"
    "                                [--force]\n"
    "Writes a challenge file (JSON, described in docs/challenge-format.md) for\n"
    "'zindle-cli check' and 'zindle-cli league --challenge': a title and a text, the rules\n"
    "a car must keep to, what is scored (--scoring time, distance, target:SECONDS or\n"
    "efficiency; time by default), rubric rows with their weights and the prompts a\n"
    "student answers before the first simulation and after a race. An existing C.json is\n"
    "replaced only with --force, and then only once the new file is written in full. A\n"
    "rule the program does not know is refused (exit status 2) with the names it knows.\n"
    ZINDLE_RULE_NAMES_HELP;

const char *const CheckHelp =
    "Usage: zindle-cli check DESIGN --challenge C.json [--json]\n"
    "Checks DESIGN against every rule of the challenge C.json: the design is built,\n"
    "weighed and run over the course as 'simulate' does, and each rule passes or fails\n"
    "with the value measured. Prints Legal=yes or Legal=no, then for rule N (counted from\n"
    "1) RuleN= the rule, RuleN.Passed=yes|no, RuleN.Value= the value measured (as the\n"
    "result fields hold it; a word for drive and material, yes or no for a skid, the\n"
    "time to 15 ft or the distance reached for reaches-15ft),\n"
    "RuleN.Limit= the rule's number or word and RuleN.Text= the check in words; --json\n"
    "prints one JSON object with \"legal\" and \"rules\" (name, rule, passed, value, limit,\n"
    "text) instead. The rules broken are said on standard error too.\n"
    "Exit status 0 when the design keeps every rule, 1 when a rule fails (or a file cannot\n"
    "be read), 2 for bad usage.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

int usage(const char *command, const char *help, const QString &error, QTextStream &err)
{
    if (!error.isEmpty())
        err << "zindle-cli " << command << ": " << printableText(error) << '\n';
    err << help;
    return UsageFailure;
}

// Options that may be given many times, taken out before the rest is parsed; after "--" every
// argument stays as it is.
QStringList takeRepeated(QStringList &args, const QString &option, QString &error)
{
    QStringList values, rest;
    bool ended = false;
    for (int i = 0; i < args.size(); ++i) {
        ended = ended || args[i] == QLatin1String("--");
        if (ended || args[i] != option) {
            rest << args[i];
        } else if (i + 1 >= args.size()) {
            error = Texts::tr("option %1 needs a value").arg(option);
        } else {
            values << args[++i];
        }
    }
    args = rest;
    return values;
}

bool rubricRow(const QString &text, RubricRow &row)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const std::optional<double> weight = colon > 0 ? parseDouble(text.left(colon)) : std::nullopt;
    if (!weight || *weight < 0)
        return false;
    row = {text.mid(colon + 1).trimmed(), *weight};
    return true;
}

int newChallenge(QStringList args, QTextStream &err)
{
    QString error;
    const QStringList rules = takeRepeated(args, QStringLiteral("--rule"), error);
    const QStringList rubric = takeRepeated(args, QStringLiteral("--rubric"), error);
    const QStringList before = takeRepeated(args, QStringLiteral("--prompt-before"), error);
    const QStringList after = takeRepeated(args, QStringLiteral("--prompt-after"), error);
    ParsedArguments parsed;
    if (!error.isEmpty()
        || !parseArguments(args, {QStringLiteral("--force")},
                           {QStringLiteral("--title"), QStringLiteral("--text"), QStringLiteral("--scoring")}, parsed,
                           error)
        || parsed.positional.size() != 1)
        return usage("challenge", ChallengeHelp, error, err);

    Challenge challenge;
    challenge.title = parsed.value(QStringLiteral("--title"));
    challenge.text = parsed.value(QStringLiteral("--text"));
    for (const QString &text : rules) {
        RuleRefusal refusal;
        const std::optional<ChallengeRule> rule = parseRule(text, refusal);
        if (!rule)
            return usage("challenge", "", refusal.shown(), err);
        challenge.rules.push_back(*rule);
    }
    if (parsed.hasValue(QStringLiteral("--scoring"))) {
        const std::optional<ChallengeScoring> scoring = parseScoring(parsed.value(QStringLiteral("--scoring")));
        if (!scoring)
            return usage("challenge", "",
                         Texts::tr("--scoring is time, distance, target:SECONDS or efficiency, not \"%1\"")
                             .arg(parsed.value(QStringLiteral("--scoring"))),
                         err);
        challenge.scoring = *scoring;
    }
    for (const QString &text : rubric) {
        RubricRow row;
        if (!rubricRow(text, row))
            return usage("challenge", "",
                         Texts::tr("--rubric takes a weight of 0 or more, a colon and the row's text, not \"%1\"")
                             .arg(text),
                         err);
        challenge.rubric.push_back(row);
    }
    for (const QString &text : before)
        challenge.prompts.push_back({text, PromptWhen::BeforeFirstSimulation});
    for (const QString &text : after)
        challenge.prompts.push_back({text, PromptWhen::AfterRace});

    const QString path = parsed.positional[0];
    if ((QFileInfo::exists(path) || QFileInfo(path).isSymLink()) && !parsed.has(QStringLiteral("--force")))
        return usage("challenge", "", Texts::tr("%1 exists already; add --force to replace it").arg(path), err);
    const WriteOutcome written = WriteChallenge(path, challenge);
    if (!written.ok) {
        err << written.shownError() << '\n';
        return FileFailure;
    }
    return Success;
}

} // namespace

QJsonArray ruleChecksJson(const std::vector<RuleCheck> &checks)
{
    QJsonArray rules;
    for (const RuleCheck &check : checks)
        rules.append(QJsonObject{{QStringLiteral("name"), check.name},
                                 {QStringLiteral("rule"), check.rule},
                                 {QStringLiteral("passed"), check.passed},
                                 {QStringLiteral("value"), check.value},
                                 {QStringLiteral("limit"), check.limit},
                                 {QStringLiteral("text"), check.sentence}});
    return rules;
}

bool readChallengeOption(const QString &path, Challenge &challenge, QTextStream &err)
{
    const ChallengeRead read = ReadChallenge(path);
    if (!read.ok) {
        err << read.shownError() << '\n';
        return false;
    }
    challenge = read.challenge;
    return true;
}

int challengeCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    if (args.isEmpty() || args[0] != QLatin1String("new"))
        return usage("challenge", ChallengeHelp, {}, err);
    return newChallenge(args.mid(1), err);
}

int checkCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {QStringLiteral("--json")}, {QStringLiteral("--challenge")}, parsed, error)
        || parsed.positional.size() != 1 || !parsed.hasValue(QStringLiteral("--challenge")))
        return usage("check", CheckHelp, error, err);
    Challenge challenge;
    if (!readChallengeOption(parsed.value(QStringLiteral("--challenge")), challenge, err))
        return FileFailure;
    Workspace workspace;
    if (!loadDesign(workspace, parsed.positional[0], err))
        return FileFailure;
    RefreshForChallenge(workspace);
    const std::vector<RuleCheck> checks = CheckChallenge(workspace, challenge);
    const bool legal = KeepsEveryRule(checks);

    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); };
    if (parsed.has(QStringLiteral("--json"))) {
        printJson(QJsonObject{{QStringLiteral("challenge"), challenge.title},
                              {QStringLiteral("design"), workspace.list.current().DesignName},
                              {QStringLiteral("legal"), legal},
                              {QStringLiteral("rules"), ruleChecksJson(checks)}},
                  out);
    } else {
        out << "Legal=" << yesNo(legal) << '\n';
        for (size_t i = 0; i < checks.size(); ++i) {
            const RuleCheck &check = checks[i];
            const QString key = QStringLiteral("Rule%1").arg(i + 1);
            out << key << '=' << printableText(check.rule) << '\n'
                << key << ".Passed=" << yesNo(check.passed) << '\n'
                << key << ".Value=" << printableText(check.value) << '\n'
                << key << ".Limit=" << printableText(check.limit) << '\n'
                << key << ".Text=" << printableText(check.sentence) << '\n';
        }
    }
    for (const RuleCheck &check : checks)
        if (!check.passed)
            err << "zindle-cli check: " << printableText(check.shownSentence) << '\n';
    return legal ? Success : FileFailure;
}

} // namespace zindle::cli
