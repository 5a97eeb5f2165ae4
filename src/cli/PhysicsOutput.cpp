// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhysicsOutput.h"

#include "DesignArgument.h"
#include "files/PathText.h"
#include "physics/ResultFieldTable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

} // namespace

bool loadHeadless(Workspace &workspace, const QString &design, QTextStream &err)
{
    if (!loadDesign(workspace, design, err))
        return false;
    workspace.scale = HeadlessSheetScale();
    return true;
}

Fields listingFields(const Workspace &workspace, CliListing listing)
{
    Fields fields;
    for (const ResultFieldRow &row : resultFieldTable())
        if (row.cli == listing)
            fields.emplace_back(QLatin1String(row.name), row.value(workspace.design, workspace.results));
    return fields;
}

Fields analyzeFields(const Workspace &workspace)
{
    return listingFields(workspace, CliListing::Analyze);
}

void printFields(const Fields &fields, QTextStream &out)
{
    for (const auto &[key, value] : fields)
        out << key << '=' << printableText(value) << '\n';
}

void printAdvisories(const Workspace &workspace, QTextStream &out)
{
    for (const QString &text : workspace.advisories.shownTexts())
        out << "Advisory=" << printableText(text) << '\n';
}

QJsonObject fieldsJson(const Fields &fields)
{
    QJsonObject object;
    for (const auto &[key, value] : fields)
        object.insert(key, value);
    return object;
}

void addAdvisoriesJson(QJsonObject &object, const Workspace &workspace)
{
    object.insert(QStringLiteral("Advisories"), QJsonArray::fromStringList(workspace.advisories.shownTexts()));
}

void printJson(const QJsonObject &object, QTextStream &out)
{
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString ParsedArguments::value(const QString &option) const
{
    for (const auto &[key, value] : values)
        if (key == option)
            return value;
    return {};
}

bool parseArguments(const QStringList &args, const QStringList &flags, const QStringList &valued,
                    ParsedArguments &parsed, QString &error)
{
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            parsed.positional << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true; // what follows are names, even when they begin with --
        } else if (parsed.has(arg) || parsed.hasValue(arg)) {
            // A second value would silently win or lose; the user meant one of them.
            error = Texts::tr("option %1 is given twice").arg(arg);
            return false;
        } else if (flags.contains(arg)) {
            parsed.flags << arg;
        } else if (valued.contains(arg)) {
            if (i + 1 >= args.size()) {
                error = Texts::tr("option %1 needs a value").arg(arg);
                return false;
            }
            parsed.values.emplace_back(arg, args[++i]);
        } else {
            error = Texts::tr("unknown option %1").arg(arg);
            return false;
        }
    }
    return true;
}

QStringList takeRepeatedOption(const QStringList &args, const QString &option, QStringList &values, QString &error)
{
    QStringList rest;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--"))
            optionsEnded = true;
        if (optionsEnded || args[i] != option) {
            rest << args[i];
            continue;
        }
        if (i + 1 >= args.size()) {
            error = Texts::tr("option %1 needs a value").arg(option);
            return rest;
        }
        values << args[++i];
    }
    return rest;
}

bool ParsedArguments::hasValue(const QString &option) const
{
    for (const auto &entry : values)
        if (entry.first == option)
            return true;
    return false;
}

} // namespace zindle::cli
