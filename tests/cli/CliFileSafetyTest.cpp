// SPDX-License-Identifier: GPL-3.0-or-later
// The command line run as a separate program against real failures: a file-size limit makes
// the kernel refuse writes (as a full disk does), /dev/full refuses standard output, /dev/zero
// never ends. Nothing a student had may be lost, and no failure may pass for success.

#include "support/CliRunner.h"
#include "support/FolderFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <sys/types.h>

using zindle::test::CliResult;
using zindle::test::runCli;

namespace {

struct Finished {
    int status = -1;
    QByteArray out, err;
};

// Runs zindle-cli through the shell, so that a test can limit it or redirect it as a user would.
// `setup` runs first in the same shell (for example "ulimit -f 0").
Finished runShell(const QString &setup, const QStringList &arguments, const QString &redirect = {})
{
    QString line = setup + QStringLiteral("; exec \"$0\" --lang en");
    for (int i = 0; i < arguments.size(); ++i)
        line += QStringLiteral(" \"${%1}\"").arg(i + 1);
    line += QLatin1Char(' ') + redirect;
    QProcess process;
    process.start(QStringLiteral("bash"), QStringList{QStringLiteral("-c"), line, QStringLiteral(ZINDLE_CLI_PATH)} + arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

// Writes over a file size of 0 fail as a full disk's do (the signal that would end the
// program is ignored, so the write returns its error).
const QString FullDisk = QStringLiteral("trap '' XFSZ; ulimit -f 0");

} // namespace

TEST(FullDisk, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("car.zndl");
    ASSERT_EQ(runCli({"save", "Pickup", target}).status, 0);
    const QByteArray before = test::contentOf(target);

    for (const char *command : {"save", "convert"}) {
        const QString source = QString::fromLatin1(command) == "save" ? QStringLiteral("Racer") : QStringLiteral(ZINDLE_TEST_DATA "/wedge-v3.txt");
        const Finished run = runShell(FullDisk, {command, source, target});
        EXPECT_EQ(run.status, 1) << command;
        // The system's own words, in the user's language.
        EXPECT_TRUE(run.err.startsWith("Cannot write \"" + target.toUtf8() + "\": " + strerror(EFBIG)))
            << run.err.constData();
        EXPECT_EQ(test::contentOf(target), before) << command;
    }
    const Finished fresh = runShell(FullDisk, {"save", "Racer", dir.filePath("new.zndl")});
    EXPECT_EQ(fresh.status, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"car.zndl"});
}

TEST(FullDisk, AFailedPdfLeavesNoPartialFileAndPrintsNoPageCount)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("report.pdf");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("%PDF-1.4 an earlier report\n");
    old.close();
    for (const QStringList &arguments : {QStringList{"report", "Racer", target}, QStringList{"templates", "Racer", target}}) {
        const Finished run = runShell(FullDisk, arguments);
        EXPECT_EQ(run.status, 1) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.out.contains("Pages=")) << run.out.constData();
        EXPECT_TRUE(run.err.contains("Cannot write")) << run.err.constData();
        EXPECT_EQ(test::contentOf(target), "%PDF-1.4 an earlier report\n");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
}

TEST(FileSizeLimit, AWriteOverTheLimitFailsWithTheMessageAndLeavesNoTemporary)
{
    // Without the shell's trap: the program itself must keep the limit's signal from ending it.
    if (QStandardPaths::findExecutable(QStringLiteral("prlimit")).isEmpty())
        GTEST_SKIP() << "no prlimit here";
    QTemporaryDir dir;
    const QString target = dir.filePath("templates.pdf");
    QProcess process;
    process.start(QStringLiteral("prlimit"), {QStringLiteral("--fsize=8192"), QStringLiteral(ZINDLE_CLI_PATH),
                                              QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("templates"), QStringLiteral("Racer"), target});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1) << err.constData();
    EXPECT_TRUE(err.contains("Cannot write \"" + target.toUtf8() + "\": " + strerror(EFBIG))) << err.constData();
    EXPECT_EQ(zindle::test::everything(dir.path()), QStringList());
}

TEST(FullDevice, EveryPrintingCommandNoticesAFailedStandardOutput)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const QList<QStringList> commands = {{"show", "Racer"}, {"analyze", "Racer"}, {"simulate", "Racer", "--trace"},
                                         {"race", "Racer", "Pickup"}, {"--help"}, {"show", "--help"},
                                         {"save", "Racer", "-"}, {"report", "Racer", "-"}};
    for (const QStringList &arguments : commands) {
        const Finished run = runShell(QStringLiteral(":"), arguments, QStringLiteral(">/dev/full"));
        EXPECT_EQ(run.status, 1) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(runShell(QStringLiteral(":"), {"show", "Racer"}, QStringLiteral(">/dev/null")).status, 0);

    // A reader that has gone (head, a closed pager) is a failed write too, not a signal.
    // The signal's default comes back first: an ignored signal would be inherited from here.
    QProcess piped;
    piped.start("bash", {"-c", "env --default-signal=PIPE \"$0\" --lang en report Racer - | (exec 0<&-; sleep 1); "
                               "exit ${PIPESTATUS[0]}",
                         ZINDLE_CLI_PATH});
    ASSERT_TRUE(piped.waitForFinished(60000));
    const QByteArray pipedErr = piped.readAllStandardError();
    EXPECT_EQ(piped.exitCode(), 1) << pipedErr.constData();
    EXPECT_TRUE(pipedErr.contains("standard output")) << pipedErr.constData();
}

TEST(OutputNames, DevicesPipesAndFoldersAreNeverReplacedAndDashMeansStandardOutput)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &target : {QStringLiteral("/dev/null"), fifo, dir.path()}) {
        const CliResult saved = runCli({"save", "Racer", target});
        EXPECT_EQ(saved.status, 1) << target.toStdString();
        EXPECT_TRUE(saved.err.contains("not a regular file") || saved.err.contains("folder")) << saved.err.toStdString();
    }
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    // Links that lead nowhere stay links.
    const QString dangling = dir.filePath("dangling.zndl"), loop = dir.filePath("loop.zndl");
    ASSERT_TRUE(QFile::link(dir.filePath("gone.zndl"), dangling));
    ASSERT_TRUE(QFile::link(loop, loop));
    for (const QString &target : {dangling, loop}) {
        const CliResult saved = runCli({"save", "Racer", target});
        EXPECT_EQ(saved.status, 1) << target.toStdString();
        EXPECT_TRUE(saved.err.contains("it is a link")) << saved.err.toStdString();
        EXPECT_TRUE(QFileInfo(target).isSymLink()) << target.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("gone.zndl")));
    EXPECT_EQ(runCli({"report", "Racer", "/dev/null"}).status, 1);

    const CliResult design = runCli({"save", "Racer", "-"});
    ASSERT_EQ(design.status, 0);
    EXPECT_TRUE(design.outBytes.startsWith(QByteArray("\x1c\0\0\0:::::VersionInformation:::::", 32)));
    const CliResult converted = runCli({"convert", ZINDLE_TEST_DATA "/wedge-v3.txt", "-"});
    ASSERT_EQ(converted.status, 0);
    EXPECT_TRUE(converted.outBytes.contains("Old Wedge"));
    const CliResult pdf = runCli({"report", "Racer", "-"});
    ASSERT_EQ(pdf.status, 0) << pdf.err.toStdString();
    EXPECT_TRUE(pdf.outBytes.startsWith("%PDF"));
    EXPECT_TRUE(pdf.outBytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdf.err, "Pages=2\n");

    // What `save -` writes reads back as the same design.
    const QString copy = dir.filePath("copy.zndl");
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(design.outBytes);
    file.close();
    EXPECT_EQ(runCli({"show", copy}).out, runCli({"show", "Racer"}).out);
}

TEST(FileNames, NamesThatAreNotUtf8AreWrittenAndReadByteExact)
{
    QTemporaryDir dir;
    // The name is made by the shell from octal escapes: "d", 0xE9, "sign.zndl" (Latin-1 bytes).
    const QString setup = QStringLiteral("cd \"%1\" && name=$(printf 'd\\351sign.zndl')").arg(dir.path());
    QProcess process;
    const QString line = setup + QStringLiteral(" && \"$0\" save Racer \"$name\" && \"$0\" show \"$name\" && ls");
    process.start("bash", {"-c", line, ZINDLE_CLI_PATH});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QByteArray out = process.readAllStandardOutput();
    EXPECT_TRUE(out.contains("Name=Racer"));
    EXPECT_TRUE(out.endsWith("d\xe9sign.zndl\n")) << out.right(40).toHex().constData();

    const Finished missing = runShell(QStringLiteral("cd \"%1\"").arg(dir.path()), {"show", "\x1b[31mred.zndl"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.contains('\x1b'));
    EXPECT_TRUE(missing.err.contains("\\x1b[31mred.zndl"));
}

TEST(HostileInput, EndlessAndHugeFilesEndAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    const Finished zero = runShell(QStringLiteral(":"), {"show", "/dev/zero"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_TRUE(zero.err.contains("larger than")) << zero.err.constData();
    EXPECT_LT(clock.elapsed(), 20000);

    QTemporaryDir dir;
    const QString tail = dir.filePath("tail.zndl");
    ASSERT_EQ(runCli({"save", "Racer", tail}).status, 0);
    QFile file(tail);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("extra");
    file.close();
    const CliResult shown = runCli({"show", tail});
    EXPECT_EQ(shown.status, 0);
    EXPECT_TRUE(shown.err.contains("5 bytes after the end of the design were ignored")) << shown.err.toStdString();
}

TEST(HostileInput, BoardsTooThinToCutAreNotPrintedAsAMillionPages)
{
    QTemporaryDir dir;
    QFile fixture(ZINDLE_TEST_DATA "/wedge-v3.txt");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = fixture.readAll().split('\n');
    lines[22] = "0.000001"; // the user board's thickness, used by the inner body
    QFile text(dir.filePath("thin.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(lines.join('\n'));
    text.close();
    ASSERT_EQ(runCli({"convert", dir.filePath("thin.txt"), dir.filePath("thin.zndl")}).status, 0);
    QElapsedTimer clock;
    clock.start();
    const CliResult set = runCli({"templates", dir.filePath("thin.zndl"), dir.filePath("thin.pdf")});
    EXPECT_EQ(set.status, 1);
    EXPECT_TRUE(set.err.contains("layers; at most 500 layer templates can be printed")) << set.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("thin.pdf")));
    EXPECT_LT(clock.elapsed(), 30000);
}

TEST(Usage, OptionsAreNamedRepeatsRefusedAndRacesLimited)
{
    const CliResult unknown = runCli({"show", "--colour", "Racer"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("unknown option --colour")) << unknown.err.toStdString();
    const CliResult twice = runCli({"sweep", "Racer", "--wheel", "4:5:0.5", "--wheel", "5:6:0.5"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_TRUE(twice.err.contains("option --wheel is given twice"));
    EXPECT_EQ(runCli({"simulate", "Racer", "--json", "--json"}).status, 2);

    QStringList seventeen{"race"};
    for (int i = 0; i < 17; ++i)
        seventeen << "Racer";
    const CliResult race = runCli(seventeen);
    EXPECT_EQ(race.status, 2);
    EXPECT_TRUE(race.err.contains("at most 16 designs can race, 17 were given")) << race.err.toStdString();
}

TEST(LongSweeps, HugeGridsAreRefusedAndCtrlCPrintsTheBestSoFar)
{
    const CliResult huge = runCli({"sweep", "Racer", "--width", "0.1:6:0.01", "--length", "1:240:0.01", "--wheel", "0.1:7.5:0.01"});
    EXPECT_EQ(huge.status, 2);
    EXPECT_TRUE(huge.err.contains("--force")) << huge.err.toStdString();
    EXPECT_TRUE(huge.out.isEmpty());

    // About 15,000 simulations on one thread: long enough to report progress and to be interrupted.
    QProcess sweep;
    sweep.start(ZINDLE_CLI_PATH,
                {"--lang", "en", "sweep", "Default Design", "--length", "10:200:0.1", "--wheel", "4:7.5:0.5", "--threads", "1"});
    ASSERT_TRUE(sweep.waitForStarted());
    QByteArray err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains("Sweep: ") && clock.elapsed() < 60000 && sweep.state() == QProcess::Running) {
        sweep.waitForReadyRead(200);
        err += sweep.readAllStandardError();
    }
    ASSERT_TRUE(err.contains("Sweep: ")) << "no progress line: " << err.constData();
    EXPECT_FALSE(err.contains("Combinations"));
    ::kill(static_cast<pid_t>(sweep.processId()), SIGINT);
    ASSERT_TRUE(sweep.waitForFinished(60000));
    err += sweep.readAllStandardError();
    const QByteArray out = sweep.readAllStandardOutput();
    EXPECT_EQ(sweep.exitCode(), 130) << err.constData();
    EXPECT_TRUE(out.contains("BestYet=")) << out.constData();
    EXPECT_TRUE(err.contains("stopped after")) << err.constData();
}

TEST(LongSweeps, AForcedGridOfBillionsRunsAtOnceInLittleMemory)
{
    // About ten billion combinations: more than an int counts. They are handed out as they run,
    // so the first progress line comes within a second or two and memory stays that of a few.
    QProcess sweep;
    sweep.start(ZINDLE_CLI_PATH, {"--lang", "en", "sweep", "Racer", "--width", "0.1:6:0.01", "--length", "1:240:0.01", "--wheel",
                                  "0.1:7.5:0.01", "--force", "--threads", "1"});
    ASSERT_TRUE(sweep.waitForStarted());
    QByteArray err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains("Sweep: ") && clock.elapsed() < 30000 && sweep.state() == QProcess::Running) {
        sweep.waitForReadyRead(200);
        err += sweep.readAllStandardError();
    }
    ASSERT_TRUE(err.contains("Sweep: ")) << err.constData();
    EXPECT_TRUE(err.contains(" of 1046")) << err.constData();
    QFile status(QStringLiteral("/proc/%1/status").arg(sweep.processId()));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    qint64 peakKb = -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            peakKb = line.mid(6).trimmed().split(' ').value(0).toLongLong();
    EXPECT_GT(peakKb, 0);
#ifdef ZINDLE_SANITIZE
    // The instrumented program's own shadow memory and larger image come on top; the bound
    // there only catches a grid held whole.
    const qint64 limitKb = 600 * 1024;
#else
    const qint64 limitKb = 200 * 1024;
#endif
    EXPECT_LT(peakKb, limitKb);
    ::kill(static_cast<pid_t>(sweep.processId()), SIGINT);
    ASSERT_TRUE(sweep.waitForFinished(60000));
    EXPECT_EQ(sweep.exitCode(), 130);
    EXPECT_TRUE(sweep.readAllStandardOutput().contains("BestYet="));
}
