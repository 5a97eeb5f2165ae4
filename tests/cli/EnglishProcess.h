// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// zindle-cli speaks the desktop's language on standard error; the tests that read what it says
// there run it in English, whatever the machine's language.

#include <QProcess>
#include <QProcessEnvironment>

namespace zindle::test {

inline void speakEnglish(QProcess &process)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    process.setProcessEnvironment(environment);
}

} // namespace zindle::test
