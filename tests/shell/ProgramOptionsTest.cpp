// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's own options answer at once and need no display: desktops and package
// tools run `zindle --version` where no window can open.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Finished {
    int status = -1;
    QString out, err;
};

Finished runWithoutDisplay(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZINDLE_GUI_PATH), arguments);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()), QString::fromLocal8Bit(program.readAllStandardError())};
}

} // namespace

TEST(ProgramOptions, VersionAndHelpNeedNoDisplay)
{
    QElapsedTimer clock;
    clock.start();
    const Finished version = runWithoutDisplay({"--version"});
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^zindle \\d+\\.\\d+\\.\\d+\n$")).match(version.out).hasMatch())
        << version.out.toStdString();
    EXPECT_LT(clock.elapsed(), 5000);

    // Qt's own options before it change nothing.
    const Finished afterQtOption = runWithoutDisplay({"-platform", "xcb", "--version"});
    EXPECT_EQ(afterQtOption.status, 0) << afterQtOption.err.toStdString();
    EXPECT_EQ(afterQtOption.out, version.out);

    const Finished help = runWithoutDisplay({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: zindle [--lang en|de|es|fr] [FILE.zndl...]")) << help.out.toStdString();
}

TEST(ProgramOptions, HelpFolderFromTheBuildIsTheSourceTreesPages)
{
    const Finished folder = runWithoutDisplay({"--help-folder"});
    EXPECT_EQ(folder.status, 0) << folder.err.toStdString();
    const QString printed = folder.out.trimmed();
    EXPECT_TRUE(QDir(printed).exists(QStringLiteral("index.html"))) << printed.toStdString();
    EXPECT_TRUE(QDir(printed).exists(QStringLiteral("help/index.html"))) << printed.toStdString();
}
