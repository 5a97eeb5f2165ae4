#include "Cli.h"
#include "TemplatesCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
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
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = zindle::cli::run(app->arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
