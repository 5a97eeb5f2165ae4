// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalFile.h"

#include "JsonFileRead.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace zindle {

namespace {

using Broken = BrokenJsonFile;

constexpr const char *FormatName = "zindle-journal";

QString textField(const QJsonObject &object, const char *key, const FileText &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isString())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has no text \"%2\"")).arg(where).arg(QLatin1String(key))};
    return value.toString();
}

std::optional<double> numberField(const QJsonObject &object, const char *key, const FileText &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"%2\" that is not a number"))
                         .arg(where).arg(QLatin1String(key))};
    return value.toDouble();
}

JournalVersion decodeVersion(const QJsonObject &object, const FileText &where)
{
    JournalVersion version;
    version.when = QDateTime::fromString(textField(object, "when", where), Qt::ISODate);
    if (!version.when.isValid())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has no time \"when\"")).arg(where)};
    version.when = version.when.toUTC();
    const auto design = QByteArray::fromBase64Encoding(textField(object, "design", where).toLatin1(),
                                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!design)
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a design that is not Base64")).arg(where)};
    version.design = *design;
    version.timeS = numberField(object, "timeS", where);
    const QJsonValue reaches = object.value(QStringLiteral("reaches15ft"));
    if (!reaches.isUndefined() && !reaches.isBool())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"reaches15ft\" that is neither true nor false"))
                         .arg(where)};
    version.reaches15ft = reaches.toBool(false);
    version.topSpeedFtS = numberField(object, "topSpeedFtS", where);
    version.massLb = numberField(object, "massLb", where);
    version.note = textField(object, "note", where);
    return version;
}

DesignJournal decode(const QByteArray &bytes)
{
    const QJsonObject top = VersionedJsonTop(
        bytes, {FormatName, JournalFileVersion,
                QT_TRANSLATE_NOOP("FileErrors", "it is not a design journal (not JSON: %1 at byte %2)"),
                QT_TRANSLATE_NOOP("FileErrors", "it is not a design journal"),
                QT_TRANSLATE_NOOP("FileErrors", "the design journal has no version"),
                QT_TRANSLATE_NOOP("FileErrors", "it is a design journal of version %1, made by a later release; "
                                                "this release reads version %2")});
    DesignJournal journal;
    journal.designName = textField(top, "designName", FileText(QT_TRANSLATE_NOOP("FileErrors", "the design journal")));
    const QJsonValue versions = top.value(QStringLiteral("versions"));
    if (!versions.isUndefined() && !versions.isArray())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "the design journal has no list \"versions\""))};
    const QJsonArray list = versions.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const FileText where = FileText(QT_TRANSLATE_NOOP("FileErrors", "journal version %1")).arg(i + 1);
        if (!list.at(i).isObject())
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 is not an object")).arg(where)};
        journal.versions.push_back(decodeVersion(list.at(i).toObject(), where));
    }
    const QJsonValue answers = top.value(QStringLiteral("answers"));
    if (!answers.isUndefined() && !answers.isArray())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "the design journal has no list \"answers\""))};
    const QJsonArray answerList = answers.toArray();
    for (qsizetype i = 0; i < answerList.size(); ++i) {
        const FileText where = FileText(QT_TRANSLATE_NOOP("FileErrors", "journal answer %1")).arg(i + 1);
        if (!answerList.at(i).isObject())
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 is not an object")).arg(where)};
        const QJsonObject object = answerList.at(i).toObject();
        JournalAnswer answer{textField(object, "prompt", where), textField(object, "answer", where),
                             QDateTime::fromString(textField(object, "when", where), Qt::ISODate).toUTC()};
        journal.answers.push_back(answer);
    }
    return journal;
}

void putNumber(QJsonObject &object, const char *key, const std::optional<double> &value)
{
    if (value && std::isfinite(*value))
        object.insert(QLatin1String(key), *value);
}

} // namespace

QString JournalPathOf(const QString &designPath) { return designPath + QStringLiteral(".journal.json"); }

JournalRead DecodeJournal(const QByteArray &bytes, const QString &path)
{
    return DecodeJsonFile<JournalRead>(bytes, path, [](JournalRead &read, const QByteArray &b) {
        read.existed = true;
        read.journal = decode(b);
    });
}

JournalRead ReadJournal(const QString &path)
{
    return ReadJsonFileIfThere<JournalRead>(path, MaxJournalFileBytes, DecodeJournal);
}

QByteArray EncodeJournal(const DesignJournal &journal)
{
    QJsonArray versions;
    for (const JournalVersion &version : journal.versions) {
        QJsonObject object{{QStringLiteral("when"), version.when.toUTC().toString(Qt::ISODate)},
                           {QStringLiteral("design"), QString::fromLatin1(version.design.toBase64())},
                           {QStringLiteral("reaches15ft"), version.reaches15ft}};
        putNumber(object, "timeS", version.timeS);
        putNumber(object, "topSpeedFtS", version.topSpeedFtS);
        putNumber(object, "massLb", version.massLb);
        if (!version.note.isEmpty())
            object.insert(QStringLiteral("note"), version.note);
        versions.append(object);
    }
    QJsonObject top{{QStringLiteral("format"), QString::fromLatin1(FormatName)},
                          {QStringLiteral("version"), JournalFileVersion},
                          {QStringLiteral("designName"), journal.designName},
                          {QStringLiteral("versions"), versions}};
    if (!journal.answers.empty()) {
        QJsonArray answers;
        for (const JournalAnswer &a : journal.answers)
            answers.append(QJsonObject{{QStringLiteral("prompt"), a.prompt},
                                       {QStringLiteral("answer"), a.answer},
                                       {QStringLiteral("when"), a.when.toUTC().toString(Qt::ISODate)}});
        top.insert(QStringLiteral("answers"), answers);
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

WriteOutcome WriteJournal(const QString &path, const DesignJournal &journal)
{
    return WriteFileAtomically(path, EncodeJournal(journal));
}

} // namespace zindle
