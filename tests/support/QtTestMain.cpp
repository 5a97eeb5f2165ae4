// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test program: a Qt application object first (painting text and widgets need
// one), then GoogleTest. The offscreen platform keeps the tests independent of a display.
//
// Every test program also runs a second time under a comma-decimal locale (ZINDLE_TEST_LOCALE
// names the folder and locale that the build made): the same expectations must hold there, in
// this process and in the programs it starts, since numbers never follow the locale.

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Exit status that CTest counts as skipped.
constexpr int SkipStatus = 77;

// Points the C library at the locale made for the tests, before the application object sets
// the locale from the environment.
void selectTestLocale(const QByteArray &path)
{
    const QFileInfo locale(QString::fromLocal8Bit(path));
    setenv("LOCPATH", QFile::encodeName(locale.absolutePath()).constData(), 1);
    setenv("LC_ALL", QFile::encodeName(locale.fileName()).constData(), 1);
    // The desktop's language is then the locale's alone, whatever the machine's LANGUAGE says.
    unsetenv("LANGUAGE");
}

bool commaDecimalLocaleActive()
{
    const lconv *conventions = std::localeconv();
    return conventions && std::strcmp(conventions->decimal_point, ",") == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray testLocale = qgetenv("ZINDLE_TEST_LOCALE");
    if (!testLocale.isEmpty())
        selectTestLocale(testLocale);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!testLocale.isEmpty() && !GTEST_FLAG_GET(list_tests) && !commaDecimalLocaleActive()) {
        std::fprintf(stderr, "Skipped: the comma-decimal locale %s could not be made (localedef failed).\n",
                     testLocale.constData());
        return SkipStatus;
    }
    return RUN_ALL_TESTS();
}
