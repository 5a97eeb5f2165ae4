// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window and dialog tests share: one QApplication on the offscreen platform, a started
// main window with a scripted prompter, and a temporary folder for design files.

#include "dialogs/AboutDialog.h"
#include "app/Workspace.h"
#include "shell/MainWindow.h"
#include "dialogs/ClickLabel.h"
#include "support/ScriptedPrompter.h"

#include <QLineEdit>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace zindle::test {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zindle-tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
        // The recent files and the window's place go to a store of the tests' own, never the
        // user's.
        static QTemporaryDir store;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
    }
};

// Forgets what earlier windows of the test program remembered (recent files, window place).
// build/screenshots, where the tests leave the pictures they take for a person to look at.
inline QString shotFolder()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots"));
}

inline void forgetWindowMemory()
{
    QSettings(QStringLiteral("Zindle"), QStringLiteral("zindle")).clear();
}

inline ::testing::Environment *const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Records the refreshes a window runs: the window only notifies, the record is the test's. A
// refresh begun inside another fails the test, whichever test it is.
class RefreshLog : public MainWindowObserver {
public:
    std::vector<SheetMode> modes;
    void refreshStarting(SheetMode mode) override { modes.push_back(mode); }
    void refreshNested(SheetMode mode) override
    {
        ADD_FAILURE() << "a refresh of mode " << int(mode) << " started inside another refresh";
    }
};

// The modes `window` refreshed so far, in order; the window must be watched by a RefreshLog.
inline const std::vector<SheetMode> &refreshLog(const MainWindow &window)
{
    if (auto *log = dynamic_cast<RefreshLog *>(window.observer()))
        return log->modes;
    ADD_FAILURE() << "the window has no RefreshLog";
    static const std::vector<SheetMode> none;
    return none;
}

// Answers the About window by pressing "Start designing"; every other dialog is handed to
// `other` (or left alone, counting as cancelled).
struct StartedWindow {
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    RefreshLog refreshes; // outlives the window, which notifies it
    std::unique_ptr<MainWindow> window;
    std::function<int(QDialog &)> other;
    std::vector<QString> urls;

    StartedWindow()
    {
        forgetWindowMemory();
        window = std::make_unique<MainWindow>(workspace, workers, prompter);
        window->setObserver(&refreshes);
        // What a refresh animates is played at once: the tests check what it leaves. The tests
        // of the playing itself turn this off.
        window->player().setImmediate(true);
        window->modalRunner = [this](QDialog &dialog) {
            if (auto *about = qobject_cast<AboutDialog *>(&dialog)) {
                about->Dismiss();
                return about->result();
            }
            return other ? other(dialog) : int(QDialog::Rejected);
        };
        window->help().launcher = [this](const QUrl &url) {
            urls.push_back(url.toString());
            return false;
        };
        window->ShowStartUpWindow();
    }
    ~StartedWindow()
    {
        if (window) // a test may have closed it
            window->hide();
    }
    MainWindow &w() { return *window; }
};

} // namespace zindle::test
