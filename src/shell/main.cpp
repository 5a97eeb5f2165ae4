// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopIdentity.h"
#include "MainWindow.h"
#include "dialogs/HelpLinks.h"
#include "dialogs/QtPrompter.h"
#include "app/Language.h"
#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "model/NumberText.h"
#include "ZindleVersion.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

const char *const UsageText =
    "Usage: zindle [--lang en|de|es|fr] [FILE.zndl...] | --version | --help | --help-folder\n"
    "Starts Zindle, the designer of spring-powered model cars, in its window,\n"
    "and opens the design files named after the start-up window.\n"
    "  --lang CODE    speak English, German, Spanish or French instead of the\n"
    "                 language chosen in Setup or the desktop's\n"
    "  --version      print the program's name and release\n"
    "  --help-folder  print the folder the help pages are opened from\n";

bool printed(const char *text)
{
    return std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0;
}

enum class Option { Window, Version, Help, HelpFolder };

// Answered before any application object exists, so that none of them needs a display.
Option optionOf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return Option::Version;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Option::Help;
        if (std::strcmp(argv[i], "--help-folder") == 0)
            return Option::HelpFolder;
    }
    return Option::Window;
}

} // namespace

int main(int argc, char *argv[])
{
    // A save past a file-size limit (ulimit -f) or a print into a closed pipe then fails with
    // its error and is reported, instead of ending the program and leaving a temporary file.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    switch (optionOf(argc, argv)) {
    case Option::Window:
        break;
    case Option::Version: {
        const QByteArray line = QByteArrayLiteral("zindle ") + zindle::ProgramVersion + '\n';
        return printed(line.constData()) ? 0 : 1;
    }
    case Option::Help:
        return printed(UsageText) ? 0 : 1;
    case Option::HelpFolder: {
        // The program's own folder is all it takes; a core application needs no display.
        QCoreApplication core(argc, argv);
        const QString folder = zindle::findHelpFolder(QCoreApplication::applicationDirPath());
        if (folder.isEmpty())
            return 1; // the folders looked in are already on standard error
        return printed((QDir::toNativeSeparators(folder) + QLatin1Char('\n')).toLocal8Bit().constData()) ? 0 : 1;
    }
    }

    QApplication app(argc, argv);
    zindle::keepNumbersFreeOfLocale();
    // Qt's own options are gone from the arguments by now.
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString problem;
    const QString asked = zindle::takeLanguageOption(arguments, &problem);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "zindle: %s\n", problem.toLocal8Bit().constData());
        return 2;
    }
    const QString stored = QSettings(QStringLiteral("Zindle"), QStringLiteral("zindle"))
                               .value(QLatin1String(zindle::LanguageSettingKey))
                               .toString();
    const QString language = zindle::chooseLanguage(asked, stored, QLocale::system().uiLanguages());
    problem = zindle::installLanguage(app, language, zindle::findTranslationsFolder(QCoreApplication::applicationDirPath()));
    if (!problem.isEmpty())
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
    // Lets the desktop match the window with the installed entry and icon.
    zindle::presentToDesktop(QString::fromLatin1(zindle::DesktopId));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(zindle::ProgramVersion));
    zindle::Workspace workspace;
    // The window's workers outlive it and every dialog it owns.
    zindle::WorkerPool workers;
    zindle::QtPrompter prompter;
    zindle::MainWindow window(workspace, workers, prompter);
    prompter.setParent(&window);
    // The start-up window comes first; dismissing it brings the design environment up.
    window.ShowStartUpWindow();
    if (!window.started())
        return 0;
    window.OpenNamedFiles(arguments);
    return app.exec();
}
