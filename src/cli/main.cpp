// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"
#include "Interrupt.h"
#include "TemplatesCommand.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <unistd.h>

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
    zindle::cli::installInterruptHandler();

    // Unbuffered on the descriptor, so that a failed write (a full device) is seen at once.
    QFile standardOutput;
    standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    int status = zindle::cli::run(arguments, out, err);
    out.flush();
    if (out.status() != QTextStream::Ok || standardOutput.error() != QFileDevice::NoError) {
        err << "zindle-cli: cannot write to standard output: " << standardOutput.errorString() << '\n';
        status = zindle::cli::FileFailure;
    }
    err.flush();
    return status;
}
