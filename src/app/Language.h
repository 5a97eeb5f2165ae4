// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which language the program speaks to a person, and the translators that make it so. Only
// texts meant for reading are translated: numbers, files and the command line's data output are
// the same in every language.

#include <QString>
#include <QStringList>
#include <vector>

class QCoreApplication;

namespace zindle {

struct LanguageChoice {
    const char *code; // "en", "de", "es", "fr"
    const char *name; // as its speakers write it, so it can be found in any language
};
const std::vector<LanguageChoice> &offeredLanguages();

// The setting that keeps the language chosen in the window; empty means the desktop's.
inline constexpr char LanguageSettingKey[] = "language";

// The language to speak: the one asked for (a --lang option, then the window's setting) when it
// is offered, else the first of the desktop's languages that is, else English.
QString chooseLanguage(const QString &asked, const QString &stored, const QStringList &desktopLanguages);
bool isOfferedLanguage(const QString &code);

// Takes "--lang CODE" or "--lang=CODE" out of the arguments and returns CODE (empty when not
// given). A code not offered, or the option twice or without its code, is an error for a person.
QString takeLanguageOption(QStringList &arguments, QString *error);

// The folder of the installed translations (../share/zindle/translations from the program), or
// the build's own; empty when neither holds them.
QString findTranslationsFolder(const QString &applicationDir);

// Installs the program's and Qt's own translations of `code` into the application; English
// needs none. Returns an error for a person when the program's translation cannot be loaded.
QString installLanguage(QCoreApplication &application, const QString &code, const QString &folder);

} // namespace zindle
