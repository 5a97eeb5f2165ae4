// SPDX-License-Identifier: GPL-3.0-or-later
#include "Logbook.h"

#include "JsonFileRead.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

// The reading stops at the first thing wrong; `reason` is said after the file's name.
using Broken = BrokenJsonFile;

QJsonObject unknownOf(const QJsonObject &object, const QSet<QString> &known)
{
    QJsonObject unknown;
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            unknown.insert(it.key(), it.value());
    return unknown;
}

QString textField(const QJsonObject &object, const QString &key, const FileText &where, bool required)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && !required)
        return {};
    if (!value.isString())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has no text \"%2\"")).arg(where).arg(key)};
    return value.toString();
}

std::optional<double> numberField(const QJsonObject &object, const QString &key, const FileText &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isDouble())
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"%2\" that is not a number")).arg(where).arg(key)};
    return value.toDouble();
}

QJsonArray arrayField(const QJsonObject &object, const QString &key, const FileText &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"%2\" that is not a list")).arg(where).arg(key)};
    return value.toArray();
}

QJsonObject objectAt(const QJsonArray &array, qsizetype i, const FileText &where)
{
    if (!array.at(i).isObject())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 is not an object")).arg(where)};
    return array.at(i).toObject();
}

LoggedRun decodeRun(const QJsonObject &object, const FileText &where)
{
    LoggedRun logged;
    MeasuredRun &run = logged.run;
    const QString date = textField(object, QStringLiteral("date"), where, true);
    run.date = QDate::fromString(date, Qt::ISODate);
    run.track = textField(object, QStringLiteral("track"), where, true);
    run.note = textField(object, QStringLiteral("note"), where, false);
    const QJsonArray marks = arrayField(object, QStringLiteral("marks"), where);
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const FileText markWhere = FileText(QT_TRANSLATE_NOOP("FileErrors", "%1, mark %2,")).arg(where).arg(i + 1);
        const QJsonObject mark = objectAt(marks, i, markWhere);
        const auto distance = numberField(mark, QStringLiteral("distanceFt"), markWhere);
        const auto time = numberField(mark, QStringLiteral("timeS"), markWhere);
        if (!distance || !time)
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 lacks its distance or its time")).arg(markWhere)};
        run.marks.push_back({*distance, *time});
    }
    run.restFt = numberField(object, QStringLiteral("restFt"), where);
    run.massLbm = numberField(object, QStringLiteral("massLbm"), where);
    const std::vector<RunMark> stored = run.marks;
    const RunRule broken = checkRun(run);
    if (broken.broken()) {
        FileText rule("MeasuredRun", broken.source);
        for (const QString &value : broken.values)
            rule.arg(value);
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1: %2")).arg(where).arg(rule)};
    }
    // The file is written in order; marks found out of it were edited by hand, and put in
    // order they would be written back other than they were read.
    if (run.marks != stored)
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has its marks out of order of distance")).arg(where)};
    logged.unknown = unknownOf(object, {QStringLiteral("date"), QStringLiteral("track"), QStringLiteral("note"),
                                        QStringLiteral("marks"), QStringLiteral("restFt"),
                                        QStringLiteral("massLbm")});
    return logged;
}

LoggedDesign decodeDesign(const QJsonObject &object, qsizetype position)
{
    LoggedDesign design;
    const FileText where = FileText(QT_TRANSLATE_NOOP("FileErrors", "design entry %1")).arg(position + 1);
    design.name = textField(object, QStringLiteral("name"), where, false);
    design.file = textField(object, QStringLiteral("file"), where, false);
    if (design.name.isEmpty() && design.file.isEmpty())
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 names no design (neither \"name\" nor \"file\"), so its runs belong to none"))
                .arg(where)};
    const FileText named =
        FileText(QT_TRANSLATE_NOOP("FileErrors", "design \"%1\""))
            .arg(design.name.isEmpty() ? design.file : design.name);
    const QJsonArray runs = arrayField(object, QStringLiteral("runs"), named);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const FileText runWhere = FileText(QT_TRANSLATE_NOOP("FileErrors", "run %1 of %2")).arg(i + 1).arg(named);
        design.runs.push_back(decodeRun(objectAt(runs, i, runWhere), runWhere));
    }
    design.predictionS = numberField(object, QStringLiteral("predictionS"), named);
    if (design.predictionS && !(*design.predictionS > 0.0 && *design.predictionS <= MaxMarkTimeS))
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a prediction that is not a time above 0 and up to 100 s"))
                .arg(named)};
    design.unknown = unknownOf(object, {QStringLiteral("name"), QStringLiteral("file"), QStringLiteral("runs"),
                                        QStringLiteral("predictionS")});
    return design;
}

bool flagField(const QJsonObject &object, const QString &key, const FileText &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return false;
    if (!value.isBool())
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"%2\" that is neither true nor false"))
                .arg(where).arg(key)};
    return value.toBool();
}

int countField(const QJsonObject &object, const QString &key, const FileText &where)
{
    const std::optional<double> value = numberField(object, key, where);
    if (!value)
        return 0;
    if (*value < 0 || *value > 1e9 || *value != std::floor(*value))
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"%2\" that is not a count")).arg(where).arg(key)};
    return static_cast<int>(*value);
}

LoggedCalibration decodeCalibration(const QString &track, const QJsonValue &value)
{
    const FileText where = FileText(QT_TRANSLATE_NOOP("FileErrors", "the calibration of \"%1\"")).arg(track);
    if (!value.isObject())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 is not an object")).arg(where)};
    const QJsonObject object = value.toObject();
    LoggedCalibration calibration;
    calibration.track = track;
    calibration.date = QDate::fromString(textField(object, QStringLiteral("date"), where, false), Qt::ISODate);
    const auto friction = numberField(object, QStringLiteral("friction"), where);
    const auto efficiency = numberField(object, QStringLiteral("springEfficiency"), where);
    if (!friction || !efficiency || !(*friction > 0.0 && *friction < 1.0) || !(*efficiency > 0.0 && *efficiency < 2.0))
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 lacks a friction above 0 and below 1 lb or a spring efficiency above 0 and below 2"))
                .arg(where)};
    calibration.friction = *friction;
    calibration.springEfficiency = *efficiency;
    calibration.frictionFitted = flagField(object, QStringLiteral("frictionFitted"), where);
    calibration.efficiencyFitted = flagField(object, QStringLiteral("springEfficiencyFitted"), where);
    calibration.rmsBefore = numberField(object, QStringLiteral("rmsBeforeS"), where).value_or(0.0);
    calibration.rmsAfter = numberField(object, QStringLiteral("rmsAfterS"), where).value_or(0.0);
    calibration.runs = countField(object, QStringLiteral("runs"), where);
    calibration.marks = countField(object, QStringLiteral("marks"), where);
    calibration.observations = countField(object, QStringLiteral("observations"), where);
    calibration.unknown = unknownOf(object, {QStringLiteral("date"), QStringLiteral("friction"),
                                             QStringLiteral("springEfficiency"), QStringLiteral("frictionFitted"),
                                             QStringLiteral("springEfficiencyFitted"), QStringLiteral("rmsBeforeS"),
                                             QStringLiteral("rmsAfterS"), QStringLiteral("runs"),
                                             QStringLiteral("marks"), QStringLiteral("observations")});
    return calibration;
}

QJsonObject encodeCalibration(const LoggedCalibration &calibration)
{
    QJsonObject object = calibration.unknown;
    if (calibration.date.isValid())
        object.insert(QStringLiteral("date"), calibration.date.toString(Qt::ISODate));
    object.insert(QStringLiteral("friction"), calibration.friction);
    object.insert(QStringLiteral("springEfficiency"), calibration.springEfficiency);
    object.insert(QStringLiteral("frictionFitted"), calibration.frictionFitted);
    object.insert(QStringLiteral("springEfficiencyFitted"), calibration.efficiencyFitted);
    object.insert(QStringLiteral("rmsBeforeS"), calibration.rmsBefore);
    object.insert(QStringLiteral("rmsAfterS"), calibration.rmsAfter);
    object.insert(QStringLiteral("runs"), calibration.runs);
    object.insert(QStringLiteral("marks"), calibration.marks);
    object.insert(QStringLiteral("observations"), calibration.observations);
    return object;
}

Logbook decode(const QByteArray &bytes)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a logbook (not JSON: %1 at byte %2)"))
                         .arg(parseError.errorString())
                         .arg(parseError.offset)};
    if (!document.isObject())
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a logbook (no JSON object)"))};
    const QJsonObject top = document.object();
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != LogbookVersion)
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a logbook of version %1, which this release reads"))
                .arg(LogbookVersion)};
    Logbook logbook;
    const QJsonArray designs = arrayField(top, QStringLiteral("designs"),
        FileText(QT_TRANSLATE_NOOP("FileErrors", "the logbook")));
    for (qsizetype i = 0; i < designs.size(); ++i) {
        LoggedDesign design =
            decodeDesign(objectAt(designs, i,
                FileText(QT_TRANSLATE_NOOP("FileErrors", "design entry %1")).arg(i + 1)), i);
        for (const LoggedDesign &earlier : logbook.designs)
            if (earlier.name == design.name && earlier.file == design.file)
                throw Broken{
                    FileText(QT_TRANSLATE_NOOP("FileErrors", "design entry %1 lists \"%2\" (%3) a second time"))
                                 .arg(i + 1)
                                 .arg(design.name)
                                 .arg(design.file)};
        logbook.designs.push_back(std::move(design));
    }
    const QJsonValue calibrations = top.value(QStringLiteral("calibrations"));
    if (!calibrations.isUndefined() && !calibrations.isObject())
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "the logbook has \"calibrations\" that are not an object keyed by track"))};
    const QJsonObject byTrack = calibrations.toObject();
    for (auto it = byTrack.begin(); it != byTrack.end(); ++it)
        logbook.calibrations.push_back(decodeCalibration(it.key(), it.value()));
    logbook.unknown = unknownOf(top, {QStringLiteral("version"), QStringLiteral("designs"), QStringLiteral("calibrations")});
    return logbook;
}

QJsonObject encodeRun(const LoggedRun &logged)
{
    QJsonObject object = logged.unknown;
    const MeasuredRun &run = logged.run;
    object.insert(QStringLiteral("date"), run.date.toString(Qt::ISODate));
    object.insert(QStringLiteral("track"), run.track);
    QJsonArray marks;
    for (const RunMark &mark : run.marks)
        marks.append(QJsonObject{{QStringLiteral("distanceFt"), mark.distanceFt}, {QStringLiteral("timeS"), mark.timeS}});
    object.insert(QStringLiteral("marks"), marks);
    if (run.restFt)
        object.insert(QStringLiteral("restFt"), *run.restFt);
    if (run.massLbm)
        object.insert(QStringLiteral("massLbm"), *run.massLbm);
    object.insert(QStringLiteral("note"), run.note);
    return object;
}

} // namespace

QString LogbookPathBeside(const QString &designPath)
{
    return QFileInfo(designPath).dir().filePath(LogbookFileName);
}

LogbookRead DecodeLogbook(const QByteArray &bytes, const QString &path)
{
    return DecodeJsonFile<LogbookRead>(bytes, path, [](LogbookRead &read, const QByteArray &b) {
        read.existed = true;
        read.logbook = decode(b);
    });
}

LogbookRead ReadLogbook(const QString &path)
{
    return ReadJsonFileIfThere<LogbookRead>(path, MaxLogbookBytes, DecodeLogbook);
}

QByteArray EncodeLogbook(const Logbook &logbook)
{
    QJsonObject top = logbook.unknown;
    top.insert(QStringLiteral("version"), LogbookVersion);
    QJsonArray designs;
    for (const LoggedDesign &design : logbook.designs) {
        QJsonObject object = design.unknown;
        object.insert(QStringLiteral("name"), design.name);
        object.insert(QStringLiteral("file"), design.file);
        QJsonArray runs;
        for (const LoggedRun &run : design.runs)
            runs.append(encodeRun(run));
        object.insert(QStringLiteral("runs"), runs);
        if (design.predictionS)
            object.insert(QStringLiteral("predictionS"), *design.predictionS);
        designs.append(object);
    }
    top.insert(QStringLiteral("designs"), designs);
    // A logbook that never had a calibration is written as it was read.
    if (!logbook.calibrations.empty()) {
        QJsonObject byTrack;
        for (const LoggedCalibration &calibration : logbook.calibrations)
            byTrack.insert(calibration.track, encodeCalibration(calibration));
        top.insert(QStringLiteral("calibrations"), byTrack);
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

WriteOutcome WriteLogbook(const QString &path, const Logbook &logbook)
{
    return WriteFileAtomically(path, EncodeLogbook(logbook));
}

const LoggedCalibration *Logbook::calibrationOf(const QString &track) const
{
    for (const LoggedCalibration &calibration : calibrations)
        if (calibration.track.trimmed() == track.trimmed())
            return &calibration;
    return nullptr;
}

void Logbook::storeCalibration(const LoggedCalibration &calibration)
{
    for (LoggedCalibration &earlier : calibrations)
        if (earlier.track.trimmed() == calibration.track.trimmed()) {
            const QJsonObject unknown = earlier.unknown;
            earlier = calibration;
            earlier.track = calibration.track.trimmed();
            earlier.unknown = unknown;
            return;
        }
    calibrations.push_back(calibration);
    calibrations.back().track = calibration.track.trimmed();
    std::sort(calibrations.begin(), calibrations.end(),
              [](const LoggedCalibration &a, const LoggedCalibration &b) { return a.track < b.track; });
}

DesignMatch FindLoggedDesign(const Logbook &logbook, const QString &folder, const QString &name,
                             const QString &file)
{
    DesignMatch byFile, byName;
    for (size_t i = 0; i < logbook.designs.size(); ++i) {
        const LoggedDesign &design = logbook.designs[i];
        const bool sameName = design.name == name, sameFile = design.file == file;
        if (sameName && sameFile)
            return {static_cast<int>(i), true, true};
        if (sameFile && byFile.index < 0)
            byFile = {static_cast<int>(i), false, true};
        const bool fileGone = design.file.isEmpty() || !QFileInfo::exists(QDir(folder).filePath(design.file));
        if (sameName && fileGone && byName.index < 0)
            byName = {static_cast<int>(i), true, false};
    }
    return byFile.index >= 0 ? byFile : byName;
}

} // namespace zindle
