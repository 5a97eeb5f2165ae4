// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures of the main window in each mode and of every dialog into the build folder
// (screenshots/), so their look can be checked by eye after a change. Not a test: they assert
// nothing about the look, so scripts/screenshots.sh runs them, not ctest.

#include "ShotSupport.h"

#include "dialogs/ConvertDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/MaterialDialogs.h"
#include "dialogs/PreferencesDialog.h"
#include "shell/DesignPanel.h"
#include "shell/SheetEditing.h"
#include "shell/WindowRefreshHooks.h"

#include <QDir>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>

namespace zindle::test {
namespace {

TEST(Screenshots, MainWindowInEveryModeAndEveryDialog)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    w.DesignListClick(1); // the Racer
    QApplication::processEvents();
    struct Shot {
        void (MainWindow::*enter)();
        const char *name;
    };
    const Shot shots[] = {
        {&MainWindow::VPSet, "main-1-design"},     {&MainWindow::VPBuild, "main-3-build"},
        {&MainWindow::VPProperties, "main-4-analyze"}, {&MainWindow::VPDynamic, "main-5-simulate"},
        {&MainWindow::VPRace, "main-6-race"},      {&MainWindow::VPPreview, "main-7-preview"},
    };
    for (const Shot &shot : shots) {
        (w.*shot.enter)();
        QApplication::processEvents();
        saveShot(&w, QLatin1String(shot.name));
    }
    w.VPSet();
    saveShot(w.aboutDialog(), QStringLiteral("dialog-about"));
    w.preferencesDialog()->LoadFromDesign();
    saveShot(w.preferencesDialog(), QStringLiteral("dialog-preferences"));
    w.materialsDialog()->Reload();
    saveShot(w.materialsDialog(), QStringLiteral("dialog-materials"));
    const char *kinds[] = {"board", "axle", "spring", "tread"};
    for (int k = 0; k < 4; ++k)
        saveShot(w.materialsDialog()->defineDialog(static_cast<MaterialKind>(k)),
             QStringLiteral("dialog-define-") + QLatin1String(kinds[k]));
    saveShot(w.convertDialog(), QStringLiteral("dialog-convert"));
    saveShot(w.paperPrototype(), QStringLiteral("dialog-paper-prototype"));
}


// The Design mode's tool row with +Wt in use, wide and at the smallest window.
TEST(Screenshots, ToolRowWithAToolInUse)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(1600, 1000), QSize(540, 440)}) {
        w.resize(size);
        QApplication::processEvents();
        const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        saveShot(&w, QStringLiteral("tools-idle") + suffix);
        w.findChild<QToolButton *>(QStringLiteral("AddWeightBtn"))->click();
        QApplication::processEvents();
        saveShot(&w, QStringLiteral("tools-add-weight") + suffix);
        w.findChild<DesignPanel *>()->sheetEditing().resetToolStates();
        w.SelectPart(3); // the drive wheels: sizes as well as a material
        QApplication::processEvents();
        saveShot(&w, QStringLiteral("tools-drive-wheels") + suffix);
        w.findChild<QToolButton *>(QStringLiteral("DrawOuterBtn"))->click();
        QApplication::processEvents();
        saveShot(&w, QStringLiteral("tools-draw-outer") + suffix);
        w.findChild<DesignPanel *>()->sheetEditing().resetToolStates();
        w.SelectPart(1);
    }
}

TEST(Screenshots, EveryModeAtTheSmallestWindow)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(w.minimumSize());
    QApplication::processEvents();
    w.DesignListClick(1);
    const std::pair<void (MainWindow::*)(), const char *> shots[] = {
        {&MainWindow::VPBuild, "small-3-build"}, {&MainWindow::VPProperties, "small-4-analyze"},
        {&MainWindow::VPDynamic, "small-5-simulate"}, {&MainWindow::VPRace, "small-6-race"},
        {&MainWindow::VPPreview, "small-7-preview"}};
    for (const auto &[enter, name] : shots) {
        (w.*enter)();
        QApplication::processEvents();
        saveShot(&w, QLatin1String(name));
    }
}

// The start-up window right after its "Visit ..." link was clicked: still up, links still blue.
TEST(Screenshots, StartUpWindowAfterALinkClick)
{
    StartedWindow s;
    AboutDialog *about = s.w().aboutDialog();
    about->show();
    QApplication::processEvents();
    QWidget *link = about->findChild<ClickLabel *>(QStringLiteral("Label4"));
    const QPointF at(link->width() / 2.0, link->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, link->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(link, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, link->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(link, &release);
    QApplication::processEvents();
    ASSERT_TRUE(about->isVisible());
    saveShot(about, QStringLiteral("about-after-link-click"));
    about->Dismiss();
}

// The Analyze strip with the element size captions, Print Templates entered from Simulate, and
// a race with a built-in saved under a new name.
TEST(Screenshots, AnalyzeSliderPrintAfterSimulateAndARenamedDesignRacing)
{
    QTemporaryDir dir;
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    w.DesignListClick(1);
    w.VPProperties();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("analyze-element-size"));
    saveShot(w.findChild<QWidget *>(QStringLiteral("ElementSizeGroupBox")), QStringLiteral("analyze-element-size-slider"));

    w.VPDynamic();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("simulate-before-print"));
    w.VPPrint();
    w.paperPrototype()->hide();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("print-after-simulate"));

    s.prompter.savePaths = {dir.filePath(QStringLiteral("Blue Comet.zndl"))};
    w.VPSet();
    w.SaveBtnClick();
    w.DesignListClick(5);
    w.VPDynamic();
    w.DesignListClick(1);
    w.VPDynamic();
    w.views().raceIntervalOverride = 1;
    w.VPRace();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("race-renamed-design"));
}

TEST(Screenshots, BuildAndPreviewModes)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    auto click = [&w](const char *name) { w.findChild<QToolButton *>(QLatin1String(name))->click(); };
    for (int slot = 0; slot < 5; ++slot) {
        w.DesignListClick(slot);
        w.VPBuild();
        saveShot(&w, QStringLiteral("build-end-%1").arg(slot));
    }
    w.DesignListClick(0);
    w.VPBuild();
    click("Rewind3DBtn");
    for (int i = 0; i < 4; ++i)
        click("StepForward3DBtn");
    saveShot(&w, QStringLiteral("build-middle"));
    w.findChild<QSlider *>(QStringLiteral("Slider3D"))->setValue(2);
    w.VPBuild();
    saveShot(&w, QStringLiteral("build-large"));
    w.DesignListClick(3); // the Tow Truck: its inner layers differ from the outer ones
    w.VPPreview();
    saveShot(&w, QStringLiteral("preview-outer"));
    click("StepPVBtn");
    saveShot(&w, QStringLiteral("preview-inner"));
}

TEST(Screenshots, PaperPrototypeWindowInPrintMode)
{
    StartedWindow s;
    s.w().VPPrint();
    s.w().paperPrototype()->adjustSize();
    saveShot(s.w().paperPrototype(), QStringLiteral("paper-prototype"));
}

} // namespace
} // namespace zindle::test
