// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace zindle {

const std::vector<LanguageChoice> &offeredLanguages()
{
    static const std::vector<LanguageChoice> languages{
        {"en", "English"}, {"de", "Deutsch"}, {"es", "Espa\u00f1ol"}, {"fr", "Fran\u00e7ais"}};
    return languages;
}

bool isOfferedLanguage(const QString &code)
{
    for (const LanguageChoice &choice : offeredLanguages())
        if (code == QLatin1String(choice.code))
            return true;
    return false;
}

QString chooseLanguage(const QString &asked, const QString &stored, const QStringList &desktopLanguages)
{
    // "de_AT", "de-CH" and "de" all speak German.
    const auto base = [](const QString &tag) { return tag.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower(); };
    for (const QString &wanted : {asked, stored})
        if (!wanted.isEmpty() && isOfferedLanguage(base(wanted)))
            return base(wanted);
    for (const QString &desktop : desktopLanguages)
        if (isOfferedLanguage(base(desktop)))
            return base(desktop);
    return QStringLiteral("en");
}

QString takeLanguageOption(QStringList &arguments, QString *error)
{
    QString code;
    int found = 0;
    for (int i = 0; i < arguments.size();) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--lang")) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("--lang needs a language: en, de, es or fr.");
                return {};
            }
            code = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (argument.startsWith(QLatin1String("--lang="))) {
            code = argument.mid(7);
            arguments.remove(i);
        } else {
            ++i;
            continue;
        }
        ++found;
    }
    if (found > 1) {
        *error = QStringLiteral("--lang is given more than once.");
        return {};
    }
    if (found == 1 && !isOfferedLanguage(code)) {
        *error = QStringLiteral("--lang takes en, de, es or fr, not \"%1\".").arg(code);
        return {};
    }
    return code;
}

QString findTranslationsFolder(const QString &applicationDir)
{
    QStringList candidates{applicationDir + QStringLiteral("/../share/zindle/translations")};
#ifdef ZINDLE_BUILD_TRANSLATIONS_DIR
    candidates << QStringLiteral(ZINDLE_BUILD_TRANSLATIONS_DIR);
#endif
    for (const QString &candidate : candidates)
        if (QFileInfo::exists(candidate + QStringLiteral("/zindle_de.qm")))
            return QDir::cleanPath(candidate);
    return {};
}

QString installLanguage(QCoreApplication &application, const QString &code, const QString &folder)
{
    if (code == QLatin1String("en"))
        return {};
    auto *own = new QTranslator(&application);
    if (folder.isEmpty() || !own->load(QStringLiteral("zindle_") + code, folder)) {
        delete own;
        return QStringLiteral("zindle: no translation for \"%1\" was found; the program speaks English.").arg(code);
    }
    QCoreApplication::installTranslator(own);
    // Qt's own buttons and dialogs (OK, Cancel, the file dialog) speak the same language.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return {};
}

} // namespace zindle
