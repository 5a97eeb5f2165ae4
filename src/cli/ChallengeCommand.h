// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Challenge.h"

#include <QJsonArray>
#include <QStringList>
#include <QTextStream>
#include <vector>

namespace zindle::cli {

extern const char *const ChallengeHelp;
extern const char *const CheckHelp;
// zindle-cli challenge new C.json [--title T] [--rule R]... [--force] ...
int challengeCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// zindle-cli check DESIGN --challenge C.json [--json]
int checkCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// Reads the challenge a --challenge option names; on failure the reason goes to `err`.
bool readChallengeOption(const QString &path, Challenge &challenge, QTextStream &err);
// Each rule's check as the JSON of check and league write it: name, rule, passed, value,
// limit, text.
QJsonArray ruleChecksJson(const std::vector<RuleCheck> &checks);

} // namespace zindle::cli
