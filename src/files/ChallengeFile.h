// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The challenge file (JSON, docs/challenge-format.md), written whole and atomically. A read
// that fails leaves the caller's challenge as it was and names the file; a file of a later
// version than this release knows is refused rather than half understood.

#include "FileErrors.h"
#include "model/Challenge.h"

#include <QByteArray>
#include <QString>

namespace zindle {

inline constexpr int ChallengeFileVersion = 1;
inline constexpr qint64 MaxChallengeFileBytes = 1024 * 1024;

struct ChallengeRead {
    bool ok = false;
    Challenge challenge;
    QString error; // one line naming the file and what is wrong, in English
    FileText errorText;
    void fail(const FileText &text) { errorText = text; error = text.english(); }
    QString shownError() const { return errorText.isEmpty() ? error : errorText.shown(); }
};

ChallengeRead ReadChallenge(const QString &path);
// `path` only names the file in the error.
ChallengeRead DecodeChallenge(const QByteArray &bytes, const QString &path);

QByteArray EncodeChallenge(const Challenge &challenge);
WriteOutcome WriteChallenge(const QString &path, const Challenge &challenge);

} // namespace zindle
