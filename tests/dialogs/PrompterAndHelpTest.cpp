// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GuiTestSupport.h"

#include "dialogs/HelpLinks.h"
#include "dialogs/QtPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace zindle::test {
namespace {

TEST(QtPrompter, FiltersBecomeQtsForm)
{
    EXPECT_EQ(QtPrompter::qtFilter({QStringLiteral("Zindle|*.zndl"), QStringLiteral("All Files|*.*"),
                                    QStringLiteral("Zindle Design Portfolio|*.zddp")}),
              QStringLiteral("Zindle (*.zndl);;All Files (*.*);;Zindle Design Portfolio (*.zddp)"));
}

TEST(QtPrompter, ANameWithoutExtensionTakesTheSelectedTypes)
{
    EXPECT_EQ(QtPrompter::withSelectedSuffix(QStringLiteral("/tmp/run"), QStringLiteral("SVG drawing (*.svg)")),
              QStringLiteral("/tmp/run.svg"));
    EXPECT_EQ(QtPrompter::withSelectedSuffix(QStringLiteral("/tmp/run.pdf"), QStringLiteral("SVG drawing (*.svg)")),
              QStringLiteral("/tmp/run.pdf"));
    EXPECT_EQ(QtPrompter::withSelectedSuffix(QStringLiteral("/tmp/run"), QStringLiteral("All Files (*.*)")),
              QStringLiteral("/tmp/run"));
    EXPECT_EQ(QtPrompter::withSelectedSuffix(QString(), QStringLiteral("PNG picture (*.png)")), QString());
}

TEST(HelpPages, EveryPathTheProgramOpensIsAPageOfTheHelpFolder)
{
    const QString folder = findHelpFolder(QCoreApplication::applicationDirPath());
    ASSERT_FALSE(folder.isEmpty());
    const HelpLinks links(folder);
    const char *paths[] = {
        "/", "/download.html", "/forum/", "/help/index.html", "/index.html",
        "/help/h-totalmass.html", "/help/h-outerlayers.html", "/help/h-innerlayers.html", "/help/h-bodywidth.html",
        "/help/h-revolutions.html", "/help/h-boardmass.html", "/help/h-springmass.html", "/help/h-axlemass.html",
        "/help/h-timeto15feet.html", "/help/h-speedat15feet.html", "/help/h-projecteddistance.html",
        "/help/h-elapsedtime.html", "/help/h-elapseddistance.html", "/help/h-elapsedrevsleft.html",
        "/help/h-elapsedrevsright.html", "/help/h-propulsion.html", "/help/h-traction.html",
        "/help/h-normalforce.html", "/help/h-design.html", "/help/h-build.html", "/help/h-analyze.html",
        "/help/h-simulate.html", "/help/h-race.html", "/help/h-preview.html", "/help/h-print.html",
        "/help/h-part.html", "/help/h-material.html", "/help/h-diawidth.html", "/help/h-lengths.html"};
    for (const char *path : paths) {
        const QString file = links.url(QLatin1String(path)).toLocalFile();
        QFile page(file);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << path;
        const QByteArray text = page.readAll();
        EXPECT_TRUE(text.contains("<h1>")) << path;
        // Links between pages stay inside the folder.
        for (qsizetype at = text.indexOf("href=\""); at >= 0; at = text.indexOf("href=\"", at + 1)) {
            const qsizetype end = text.indexOf('"', at + 6);
            const QString target = QString::fromUtf8(text.mid(at + 6, end - at - 6));
            EXPECT_TRUE(QFileInfo::exists(QFileInfo(file).dir().filePath(target))) << path << " -> " << target.toStdString();
        }
    }
}

// A folder tree for the help lookup: `pages` gets the two index files the lookup checks.
void makeHelpPages(const QString &pages)
{
    ASSERT_TRUE(QDir().mkpath(pages + QStringLiteral("/help")));
    for (const QString &file : {pages + QStringLiteral("/index.html"), pages + QStringLiteral("/help/index.html")}) {
        QFile page(file);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<h1>Zindle</h1>");
    }
}

TEST(HelpPages, FoundFromABuildFolderAnywhere)
{
    // A program in a folder that is neither installed nor below the source tree.
    QTemporaryDir elsewhere;
    const QString bin = elsewhere.filePath(QStringLiteral("build/src"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString folder = findHelpFolder(bin);
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/help/h-totalmass.html")));
    EXPECT_FALSE(folder.startsWith(elsewhere.path()));
}

TEST(HelpPages, InstalledPagesComeFirstAndAFailedSearchNamesEveryFolderTried)
{
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString source = prefix.filePath(QStringLiteral("source/help"));
    makeHelpPages(source);

    QStringList looked;
    EXPECT_EQ(findHelpFolder(bin, source, &looked), QDir::cleanPath(source));
    makeHelpPages(prefix.filePath(QStringLiteral("share/zindle/help")));
    EXPECT_EQ(findHelpFolder(bin, source), QDir::cleanPath(prefix.filePath(QStringLiteral("share/zindle/help"))));

    QTemporaryDir empty;
    const QString lonely = empty.filePath(QStringLiteral("a/b"));
    ASSERT_TRUE(QDir().mkpath(lonely));
    looked.clear();
    EXPECT_TRUE(findHelpFolder(lonely, empty.filePath(QStringLiteral("gone/help")), &looked).isEmpty());
    ASSERT_GE(looked.size(), 3);
    EXPECT_EQ(looked[0], QDir::cleanPath(empty.filePath(QStringLiteral("a/share/zindle/help"))));
    EXPECT_EQ(looked[1], QDir::cleanPath(empty.filePath(QStringLiteral("gone/help"))));
    EXPECT_EQ(looked[2], QDir::cleanPath(lonely + QStringLiteral("/help")));
}

// A left click as the window system delivers it: press and release on the widget, passed on
// to the parents while nobody accepts it.
void clickWith(QWidget *widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST(HelpPages, ALinkOfTheStartUpWindowOnlyOpensItsPage)
{
    StartedWindow s;
    AboutDialog *about = s.w().aboutDialog();
    int dismissals = 0;
    QObject::connect(about, &AboutDialog::dismissed, [&dismissals] { ++dismissals; });
    about->show();
    QApplication::processEvents();
    for (const char *name : {"Label4", "Label2"}) {
        auto *link = about->findChild<ClickLabel *>(QLatin1String(name));
        clickWith(link);
        EXPECT_TRUE(about->isVisible()) << name;
        // Still shown as a link.
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 0xcc)) << name;
    }
    EXPECT_EQ(s.urls.size(), 2u);
    EXPECT_EQ(dismissals, 0);
    // The window's own closing clicks still close it.
    clickWith(about->findChild<ClickLabel *>(QStringLiteral("Label1")));
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(dismissals, 1);
    EXPECT_EQ(s.urls.size(), 2u);
}

TEST(HelpPages, TheStartUpWindowIsCentredOnTheScreen)
{
    // The main window is not shown yet when the start-up window comes up.
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    forgetWindowMemory();
    MainWindow window(workspace, workers, prompter);
    window.move(0, 0);
    QRect shown;
    window.modalRunner = [&shown](QDialog &dialog) {
        dialog.show();
        QApplication::processEvents();
        shown = dialog.frameGeometry();
        static_cast<AboutDialog &>(dialog).Dismiss();
        return int(QDialog::Accepted);
    };
    window.ShowStartUpWindow();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE(std::abs(shown.center().x() - screen.center().x()), 2);
    EXPECT_LE(std::abs(shown.center().y() - screen.center().y()), 20); // a title bar at most
    window.hide();
}

TEST(HelpPages, ClickingACaptionOpensItsPageAndAFailedLaunchChangesNothing)
{
    StartedWindow s;
    s.w().VPProperties();
    auto *label = s.w().findChild<ClickLabel *>(QStringLiteral("ProjectedMassLabel"));
    ASSERT_NE(label, nullptr);
    const SheetMode mode = s.w().CurrentMode();
    const size_t refreshes = refreshLog(s.w()).size();
    emit label->clicked();
    emit s.w().findChild<ClickLabel *>(QStringLiteral("Label9"))->clicked();
    ASSERT_EQ(s.urls.size(), 2u);
    EXPECT_TRUE(s.urls[0].endsWith(QStringLiteral("help/help/h-totalmass.html")));
    EXPECT_TRUE(s.urls[1].endsWith(QStringLiteral("help/help/h-build.html")));
    EXPECT_EQ(s.w().CurrentMode(), mode);
    EXPECT_EQ(refreshLog(s.w()).size(), refreshes);
    EXPECT_TRUE(s.prompter.shown.empty());
}

TEST(HelpPages, TabReachesACaptionAndEnterOrSpaceOpensItsPage)
{
    StartedWindow s;
    s.w().VPProperties();
    auto *label = s.w().findChild<ClickLabel *>(QStringLiteral("ProjectedMassLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->focusPolicy(), Qt::TabFocus);
    QWidget *before = label->previousInFocusChain();
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), label);
    EXPECT_TRUE(label->font().underline());
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Space);
    QTest::keyClick(label, Qt::Key_A);
    ASSERT_EQ(s.urls.size(), 2u);
    EXPECT_TRUE(s.urls[1].endsWith(QStringLiteral("help/help/h-totalmass.html")));
}

TEST(HelpPages, TheStartUpWindowLinksOpenTheSiteAndTheDownloadPage)
{
    StartedWindow s;
    AboutDialog *about = s.w().aboutDialog();
    emit about->findChild<ClickLabel *>(QStringLiteral("Label4"))->clicked();
    auto *download = about->findChild<ClickLabel *>(QStringLiteral("Label2"));
    EXPECT_EQ(download->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(download, Qt::Key_Return);
    ASSERT_EQ(s.urls.size(), 2u);
    EXPECT_TRUE(s.urls[0].endsWith(QStringLiteral("help/index.html")));
    EXPECT_TRUE(s.urls[1].endsWith(QStringLiteral("help/download.html")));
    EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("20 Oct 03"));
}

} // namespace
} // namespace zindle::test
