// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the physics commands share: the headless workspace set-up, the result fields in their
// printing order, and Key=Value or JSON output.

#include "app/Workspace.h"
#include "physics/ResultFieldTable.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <utility>
#include <vector>

namespace zindle::cli {

// The sentence every physics command's --help carries (a literal, so that the help texts of
// the command table can include it).
#define ZINDLE_HEADLESS_SCALE_HELP                                                              \
    "Computed without a window, at the scale of a window with an available area of\n"        \
    "1152 x 864 pixels (screen scale 4/3) and a 600 dpi printer.\n"

// Loads DESIGN into a fresh workspace with the headless sheet scale. On failure writes the
// error to `err` and returns false.
bool loadHeadless(Workspace &workspace, const QString &design, QTextStream &err);

using Fields = std::vector<std::pair<QString, QString>>;

// The fields of one listing of the result field table, in its order.
Fields listingFields(const Workspace &workspace, CliListing listing);
// The fields of the Analyze refresh, in their printing order.
Fields analyzeFields(const Workspace &workspace);

// Key=Value lines, then one Advisory=<text> line per shown advisory.
void printFields(const Fields &fields, QTextStream &out);
void printAdvisories(const Workspace &workspace, QTextStream &out);

QJsonObject fieldsJson(const Fields &fields);
void addAdvisoriesJson(QJsonObject &object, const Workspace &workspace);
void printJson(const QJsonObject &object, QTextStream &out);

// Splits the arguments into positional ones and the flags in `flags` (given without value).
// Options in `valued` take the next argument as their value; after "--" every argument is
// positional. Returns false on an unknown, repeated or valueless option, with a message
// naming it in `error`.
struct ParsedArguments {
    QStringList positional;
    QStringList flags;
    std::vector<std::pair<QString, QString>> values;
    QString value(const QString &option) const;
    bool has(const QString &flag) const { return flags.contains(flag); }
    bool hasValue(const QString &option) const;
};
bool parseArguments(const QStringList &args, const QStringList &flags, const QStringList &valued,
                    ParsedArguments &parsed, QString &error);
// An option given once per thing it names (--range once per parameter) is taken out first:
// returns the other arguments for parseArguments and appends the option's values to `values`,
// with `error` set when the last one lacks its value.
QStringList takeRepeatedOption(const QStringList &args, const QString &option, QStringList &values, QString &error);

} // namespace zindle::cli
