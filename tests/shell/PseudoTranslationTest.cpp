// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's texts, bracketed: the walk covers the parts of the window whose texts are
// translatable so far; each part that follows joins it here.

#include "GuiTestSupport.h"
#include "support/PseudoTranslation.h"

#include <QComboBox>
#include <QMenuBar>

namespace zindle::test {
namespace {

TEST(PseudoTranslation, TheMenusAndEveryModesStripAreTranslated)
{
    const BracketedTexts bracketed;
    StartedWindow s;
    MainWindow &w = s.w();
    TranslationWalk walk;
    for (const QAction *title : w.menuBar()->actions())
        walk.menu(title->menu());
    walk.visibleWidgets(w.findChild<QWidget *>(QStringLiteral("DesignStatePanel")));
    for (const char *bar : {"DesignList", "NewBtn", "OpenBtn", "SaveBtn", "RemoveBtn", "RenameBtn", "DefineMatlBtn"})
        walk.widget(w.findChild<QWidget *>(QLatin1String(bar)));
    for (const char *mode : {"VPSetBtn", "VPBuildBtn", "VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn",
                             "VPPrintBtn", "Label7", "Label9", "Label10", "Label11", "Label12", "Label13", "Label18"})
        walk.widget(w.findChild<QWidget *>(QLatin1String(mode)));
    const auto *parts = w.findChild<QComboBox *>(QStringLiteral("PartNameBox"));
    for (int i = 0; i < parts->count(); ++i)
        walk.check(QStringLiteral("PartNameBox item"), parts->itemText(i));
    // Each mode's strip, with the result fields' captions, as the mode shows it.
    const std::pair<void (MainWindow::*)(), const char *> modes[] = {
        {&MainWindow::VPBuild, "BuildStatePanel"},      {&MainWindow::VPProperties, "PropStatePanel"},
        {&MainWindow::VPDynamic, "DynamicStatePanel"}, {&MainWindow::VPRace, "RaceStatePanel"},
        {&MainWindow::VPPreview, "PreviewStatePanel"}};
    for (const auto &[enter, panel] : modes) {
        (w.*enter)();
        walk.visibleWidgets(w.findChild<QWidget *>(QLatin1String(panel)));
    }
    EXPECT_EQ(walk.failures.join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace zindle::test
