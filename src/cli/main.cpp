// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"
#include "Interrupt.h"
#include "MessageLanguage.h"
#include "TemplatesCommand.h"
#include "app/Language.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

// --lang as the window takes it, but from the options only: after "--" even "--lang" is a name.
QString takeLanguage(QStringList &arguments, QString *error)
{
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    QStringList options = end < 0 ? arguments : arguments.first(end);
    const QString code = zindle::takeLanguageOption(options, error);
    arguments = end < 0 ? options : options + arguments.mid(end);
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    // A write past a file-size limit (ulimit -f) or into a pipe whose reader has gone then
    // fails with its error, is reported like any failed write and leaves no temporary file,
    // instead of ending the program by a signal halfway through.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // File names are bytes: decoded so that every name, valid UTF-8 or not, opens as given.
    const auto decodedArguments = [&] {
        QStringList decoded;
        for (int i = 1; i < argc; ++i)
            decoded << zindle::pathFromBytes(QByteArray(argv[i]));
        return decoded;
    };
    QStringList arguments = decodedArguments();
    // Before the command is looked at: "--lang de report ..." paints as "report ..." does.
    QString problem;
    const QString asked = takeLanguage(arguments, &problem);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "zindle-cli: %s\n", problem.toLocal8Bit().constData());
        return zindle::cli::UsageFailure;
    }
    // Printing draws text, and fonts need a GUI application; the offscreen platform keeps the
    // command line free of a display.
    std::unique_ptr<QCoreApplication> app;
    if (zindle::cli::commandPaints(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    zindle::keepNumbersFreeOfLocale();
    arguments = decodedArguments(); // without the options the application took for itself
    takeLanguage(arguments, &problem);
    // The command line keeps no settings of its own: --lang, else the desktop's language.
    const QString language = zindle::chooseLanguage(asked, QString(), QLocale::system().uiLanguages());
    problem = zindle::cli::installMessageLanguage(*app, language,
                                                  zindle::findTranslationsFolder(QCoreApplication::applicationDirPath()));
    zindle::cli::installInterruptHandler();

    // Unbuffered on the descriptor, so that a failed write (a full device) is seen at once.
    QFile standardOutput;
    standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << problem << '\n';
    int status = zindle::cli::run(arguments, out, err);
    out.flush();
    if (out.status() != QTextStream::Ok || standardOutput.error() != QFileDevice::NoError) {
        err << "zindle-cli: " << Texts::tr("cannot write to standard output: %1").arg(standardOutput.errorString())
            << '\n';
        status = zindle::cli::FileFailure;
    }
    err.flush();
    return status;
}
