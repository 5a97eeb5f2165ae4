// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChallengeFile.h"

#include "JsonFileRead.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace zindle {

namespace {

using Broken = BrokenJsonFile;

QString text(const QJsonObject &object, const char *key, const FileText &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isString())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has no text \"%2\"")).arg(where).arg(QLatin1String(key))};
    return value.toString();
}

QJsonArray list(const QJsonObject &object, const char *key, const FileText &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has no list \"%2\"")).arg(where).arg(QLatin1String(key))};
    return value.toArray();
}

QJsonObject item(const QJsonArray &array, qsizetype i, const char *place)
{
    const FileText where = FileText(place).arg(i + 1);
    if (!array.at(i).isObject())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 is not an object")).arg(where)};
    return array.at(i).toObject();
}

Challenge decode(const QByteArray &bytes)
{
    const QJsonObject top = VersionedJsonTop(
        bytes, {"zindle-challenge", ChallengeFileVersion,
                QT_TRANSLATE_NOOP("FileErrors", "it is not a challenge (not JSON: %1 at byte %2)"),
                QT_TRANSLATE_NOOP("FileErrors", "it is not a challenge"),
                QT_TRANSLATE_NOOP("FileErrors", "the challenge has no version"),
                QT_TRANSLATE_NOOP("FileErrors", "it is a challenge of version %1, made by a later release; this "
                                                "release reads version %2")});
    const FileText where(QT_TRANSLATE_NOOP("FileErrors", "the challenge"));
    Challenge challenge;
    challenge.title = text(top, "title", where);
    challenge.text = text(top, "text", where);

    const QJsonArray rules = list(top, "rules", where);
    for (qsizetype i = 0; i < rules.size(); ++i) {
        if (!rules.at(i).isString())
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "rule %1 is not a text")).arg(i + 1)};
        RuleRefusal refusal;
        const std::optional<ChallengeRule> rule = parseRule(rules.at(i).toString(), refusal);
        if (!rule)
            throw Broken{FileText("Challenge", refusal.source).arg(refusal.rule).arg(refusal.detail)};
        challenge.rules.push_back(*rule);
    }

    const QString scoring = text(top, "scoring", where);
    if (!scoring.isEmpty()) {
        const std::optional<ChallengeScoring> read = parseScoring(scoring);
        if (!read)
            throw Broken{FileText(QT_TRANSLATE_NOOP(
                "FileErrors", "the challenge's scoring is not time, distance, target:SECONDS or efficiency"))};
        challenge.scoring = *read;
    }

    const QJsonArray rubric = list(top, "rubric", where);
    for (qsizetype i = 0; i < rubric.size(); ++i) {
        const QJsonObject row = item(rubric, i, QT_TRANSLATE_NOOP("FileErrors", "rubric row %1"));
        const QJsonValue weight = row.value(QStringLiteral("weight"));
        if (!weight.isUndefined() && !(weight.isDouble() && weight.toDouble() >= 0))
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "rubric row %1 has a weight that is not a number of 0 or more"))
                             .arg(i + 1)};
        challenge.rubric.push_back(
            {text(row, "text", FileText(QT_TRANSLATE_NOOP("FileErrors", "rubric row %1")).arg(i + 1)),
             weight.toDouble(1.0)});
    }

    const QJsonArray prompts = list(top, "prompts", where);
    for (qsizetype i = 0; i < prompts.size(); ++i) {
        const QJsonObject prompt = item(prompts, i, QT_TRANSLATE_NOOP("FileErrors", "prompt %1"));
        const std::optional<PromptWhen> when = parsePromptWhen(prompt.value(QStringLiteral("when")).toString());
        if (!when)
            throw Broken{FileText(QT_TRANSLATE_NOOP(
                             "FileErrors", "prompt %1 is asked neither before-first-simulation nor after-race"))
                             .arg(i + 1)};
        challenge.prompts.push_back(
            {text(prompt, "text", FileText(QT_TRANSLATE_NOOP("FileErrors", "prompt %1")).arg(i + 1)), *when});
    }
    return challenge;
}

} // namespace

ChallengeRead DecodeChallenge(const QByteArray &bytes, const QString &path)
{
    return DecodeJsonFile<ChallengeRead>(bytes, path, [](ChallengeRead &read, const QByteArray &b) { read.challenge = decode(b); });
}

ChallengeRead ReadChallenge(const QString &path)
{
    return ReadJsonFile<ChallengeRead>(path, MaxChallengeFileBytes, DecodeChallenge);
}

QByteArray EncodeChallenge(const Challenge &challenge)
{
    QJsonArray rules, rubric, prompts;
    for (const ChallengeRule &rule : challenge.rules)
        rules.append(rule.text);
    for (const RubricRow &row : challenge.rubric)
        rubric.append(QJsonObject{{QStringLiteral("text"), row.text}, {QStringLiteral("weight"), row.weight}});
    for (const ChallengePrompt &prompt : challenge.prompts)
        prompts.append(QJsonObject{{QStringLiteral("text"), prompt.text},
                                   {QStringLiteral("when"), promptWhenText(prompt.when)}});
    const QJsonObject top{{QStringLiteral("format"), QStringLiteral("zindle-challenge")},
                          {QStringLiteral("version"), ChallengeFileVersion},
                          {QStringLiteral("title"), challenge.title},
                          {QStringLiteral("text"), challenge.text},
                          {QStringLiteral("rules"), rules},
                          {QStringLiteral("scoring"), scoringText(challenge.scoring)},
                          {QStringLiteral("rubric"), rubric},
                          {QStringLiteral("prompts"), prompts}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

WriteOutcome WriteChallenge(const QString &path, const Challenge &challenge)
{
    return WriteFileAtomically(path, EncodeChallenge(challenge));
}

} // namespace zindle
