// SPDX-License-Identifier: GPL-3.0-or-later
// Runs under the real locale of each language the window speaks (see tests/CMakeLists.txt): the
// window takes the desktop's language from it, while the results it shows and the file it saves
// are what they are in every country.

#include "app/Language.h"
#include "files/DesignFile.h"
#include "shell/GuiTestSupport.h"

#include <QLocale>
#include <QMenuBar>
#include <QTranslator>

namespace zindle::test {
namespace {

struct Shown {
    QString fileMenu, mass, time;
    QByteArray file;
};

Shown runTheDefaultDesign()
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPProperties();
    Shown shown{w.menuBar()->actions().value(0)->text(),
                w.findChild<QLineEdit *>(QStringLiteral("ProjectedMassEF"))->text(), {}, {}};
    w.VPDynamic();
    shown.time = w.findChild<QLineEdit *>(QStringLiteral("TimeEF"))->text();
    shown.file = EncodeDesign(s.workspace.design, s.workspace.catalogue, QStringLiteral("Default Design"));
    return shown;
}

TEST(DesktopLanguage, TheWindowSpeaksTheLocalesLanguageAndKeepsItsNumbersAndFiles)
{
    const QString locale = qEnvironmentVariable("LC_ALL");
    const QString code = chooseLanguage({}, {}, QLocale::system().uiLanguages());
    ASSERT_EQ(code, locale.left(2)) << locale.toStdString();
    const Shown english = runTheDefaultDesign();
    ASSERT_EQ(installLanguage(*qApp, code, findTranslationsFolder(QCoreApplication::applicationDirPath())), QString());
    const Shown translated = runTheDefaultDesign();
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    const QString fileMenu = code == QLatin1String("de") ? QStringLiteral("&Datei")
                             : code == QLatin1String("es") ? QStringLiteral("&Archivo")
                                                           : QStringLiteral("&Fichier");
    EXPECT_EQ(english.fileMenu, QStringLiteral("&File"));
    EXPECT_EQ(translated.fileMenu, fileMenu);
    // The same figures as a run in the C locale prints.
    for (const Shown *run : {&english, &translated}) {
        EXPECT_EQ(run->mass, QStringLiteral("0.246353626251221"));
        EXPECT_EQ(run->time, QStringLiteral("[1.35]"));
    }
    EXPECT_EQ(translated.file, english.file);
}

} // namespace
} // namespace zindle::test
