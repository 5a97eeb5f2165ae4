// SPDX-License-Identifier: GPL-3.0-or-later
// The command line under a comma-decimal locale: every text it prints and every file it writes
// is the C locale's, byte for byte. The real program runs here, as a student's shell starts it,
// once with LC_ALL=C and once with the German locale the build made.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include "support/FolderFiles.h"

#include <gtest/gtest.h>

namespace {

struct Finished {
    int status = -1;
    QByteArray out, err;
};

const QString CommaLocale = QStringLiteral(ZINDLE_TEST_LOCALE_PATH);

Finished runIn(const QString &locale, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANG", "LANGUAGE", "LC_NUMERIC", "LC_MESSAGES", "LC_MEASUREMENT"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_ALL"), QFileInfo(locale).fileName());
    // Both in English: standard error is compared as well, and only the locale may differ.
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    environment.insert(QStringLiteral("LOCPATH"), QFileInfo(CommaLocale).absolutePath());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZINDLE_CLI_PATH), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

QByteArray pdfTextBytes(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

class CommaDecimalLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(CommaLocale + QStringLiteral("/LC_NUMERIC")))
            GTEST_SKIP() << "the comma-decimal locale could not be made (see the CommaDecimalLocale test)";
        ASSERT_TRUE(dir.isValid());
    }
    // Runs `arguments` in both locales, with OUT standing for a file of each run's own; expects
    // the same status and output, and returns the two files.
    std::pair<QString, QString> same(QStringList arguments, const QString &suffix = {})
    {
        const QString ours = dir.filePath(QStringLiteral("c") + suffix);
        const QString theirs = dir.filePath(QStringLiteral("de") + suffix);
        QStringList inDe = arguments;
        arguments.replaceInStrings(QStringLiteral("OUT"), ours);
        inDe.replaceInStrings(QStringLiteral("OUT"), theirs);
        Finished c = runIn(QStringLiteral("C"), arguments);
        Finished de = runIn(CommaLocale, inDe);
        EXPECT_EQ(c.status, 0) << arguments.join(' ').toStdString() << "\n" << c.err.constData();
        EXPECT_EQ(de.status, c.status) << arguments.join(' ').toStdString();
        EXPECT_EQ(de.out.replace(theirs.toUtf8(), ours.toUtf8()), c.out) << arguments.join(' ').toStdString();
        EXPECT_EQ(de.err.replace(theirs.toUtf8(), ours.toUtf8()), c.err) << arguments.join(' ').toStdString();
        return {ours, theirs};
    }
    QTemporaryDir dir;
};

TEST_F(CommaDecimalLocale, PhysicsAndFilesAreTheCLocales)
{
    for (const char *design : {"Default Design", "Racer", "Tow Truck"})
        for (const char *command : {"analyze", "simulate", "show"})
            same({QString::fromLatin1(command), QString::fromLatin1(design)});
    same({"simulate", "Pickup", "--json"});
    same({"race", "Racer", "Pickup", "Wheelie"});
    same({"sweep", "Racer"});
    same({"sweep", "Racer", "--width", "1:2:0.5", "--csv", "OUT"}, ".csv");

    const auto saved = same({"save", "Racer", "OUT"}, ".zndl");
    EXPECT_EQ(test::contentOf(saved.second), test::contentOf(saved.first));
    // What one locale wrote, the other reads the same.
    same({"show", saved.second});
    const auto converted = same({"convert", ZINDLE_TEST_DATA "/wedge-older.txt", "OUT"}, ".zndl");
    EXPECT_EQ(test::contentOf(converted.second), test::contentOf(converted.first));

    QDir(dir.path()).mkdir(QStringLiteral("class"));
    QFile::copy(saved.first, dir.filePath(QStringLiteral("class/racer.zndl")));
    QFile::copy(converted.first, dir.filePath(QStringLiteral("class/wedge.zndl")));
    const auto standings = same({"league", dir.filePath(QStringLiteral("class")), "--csv", "OUT"}, ".csv");
    EXPECT_EQ(test::contentOf(standings.second), test::contentOf(standings.first));
}

TEST_F(CommaDecimalLocale, TemplatesHaveTheCLocalesPagesAndText)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    // The paper is given: it follows the locale otherwise. A PDF carries its creation time, so
    // its text is compared, which holds every page and number.
    const auto pdf = same({"templates", "Racer", "OUT", "--page", "a4"}, ".pdf");
    const QByteArray text = pdfTextBytes(pdf.first);
    EXPECT_EQ(text.count('\f'), 9);
    EXPECT_EQ(pdfTextBytes(pdf.second), text);
}

// --lang outdoes the desktop's language (English here) for the messages alone: the results and
// the chart written are the same in every language, though the window translates the chart.
TEST(CliLanguage, GermanSaysTheRefusalAndLeavesResultsAndChartsAsInEnglish)
{
    const Finished refused = runIn(QStringLiteral("C"), {"--lang", "de", "analyze", "Racer", "--element-size", "nine"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.startsWith("zindle-cli analyze: die Elementgröße muss eine ganze Zahl von Punkten sein\n"))
        << refused.err.constData();

    QTemporaryDir dir;
    const Finished german = runIn(QStringLiteral("C"), {"simulate", "Racer", "--lang=de", "--chart", dir.filePath("de.svg")});
    const Finished english = runIn(QStringLiteral("C"), {"simulate", "Racer", "--chart", dir.filePath("en.svg")});
    ASSERT_EQ(german.status, 0) << german.err.constData();
    EXPECT_TRUE(german.out.contains("\nTimeEF=")) << german.out.constData();
    EXPECT_EQ(german.out, english.out);
    EXPECT_EQ(german.err, english.err);
    EXPECT_TRUE(test::contentOf(dir.filePath("de.svg")) == test::contentOf(dir.filePath("en.svg")));
    const Finished unreadable = runIn(QStringLiteral("C"), {"--lang", "de", "show", dir.path()});
    EXPECT_EQ(unreadable.err,
              QStringLiteral("\u201e%1\u201c kann nicht gelesen werden: es ist ein Ordner, keine Datei\n")
                  .arg(dir.path())
                  .toUtf8());

    const Finished twice = runIn(QStringLiteral("C"), {"--lang", "de", "show", "Racer", "--lang", "fr"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_EQ(twice.err, "zindle-cli: --lang is given more than once.\n");
    EXPECT_TRUE(twice.out.isEmpty());
}

} // namespace
