// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks: an option outranks the window's choice, which outranks the
// desktop's languages; a language not offered falls through to the next, and English is last.

#include "app/Language.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace zindle {
namespace {

TEST(Language, TheOptionThenTheSettingThenTheDesktopThenEnglish)
{
    EXPECT_EQ(chooseLanguage({}, {}, {"de-DE", "en-US"}), QStringLiteral("de"));
    EXPECT_EQ(chooseLanguage({}, {}, {"ja-JP", "fr_CA"}), QStringLiteral("fr"));
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("es"), {"de-DE"}), QStringLiteral("es"));
    EXPECT_EQ(chooseLanguage(QStringLiteral("en"), QStringLiteral("es"), {"de-DE"}), QStringLiteral("en"));
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("xx"), {"pt-BR"}), QStringLiteral("en"));
}

TEST(Language, TheOptionIsTakenOutOfTheArgumentsOrRefusedByName)
{
    QString error;
    QStringList arguments{"--lang", "de", "car.zndl"};
    EXPECT_EQ(takeLanguageOption(arguments, &error), QStringLiteral("de"));
    EXPECT_EQ(arguments, QStringList{"car.zndl"});
    arguments = {"car.zndl", "--lang=fr"};
    EXPECT_EQ(takeLanguageOption(arguments, &error), QStringLiteral("fr"));
    EXPECT_EQ(arguments, QStringList{"car.zndl"});
    EXPECT_EQ(error, QString());

    const std::pair<QStringList, const char *> refused[] = {
        {{"--lang", "xx"}, "--lang takes en, de, es or fr, not \"xx\"."},
        {{"--lang"}, "--lang needs a language: en, de, es or fr."},
        {{"--lang=de", "--lang", "fr"}, "--lang is given more than once."},
    };
    for (auto [given, message] : refused) {
        error.clear();
        EXPECT_EQ(takeLanguageOption(given, &error), QString());
        EXPECT_EQ(error, QLatin1String(message));
    }
}

TEST(Language, TheBuiltTranslationsAreFoundAndSpeakAndEnglishNeedsNone)
{
    QCoreApplication &app = *QCoreApplication::instance();
    const QString folder = findTranslationsFolder(QCoreApplication::applicationDirPath());
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_EQ(installLanguage(app, QStringLiteral("en"), folder), QString());
    EXPECT_TRUE(app.findChildren<QTranslator *>().isEmpty());
    EXPECT_EQ(installLanguage(app, QStringLiteral("de"), folder), QString());
    EXPECT_EQ(QCoreApplication::translate("LanguageMenu", "Language"), QStringLiteral("Sprache"));
    for (QTranslator *translator : app.findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(installLanguage(app, QStringLiteral("de"), QString()),
              QStringLiteral("zindle: no translation for \"de\" was found; the program speaks English."));
}

} // namespace
} // namespace zindle
