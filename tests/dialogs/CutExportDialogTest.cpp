// SPDX-License-Identifier: GPL-3.0-or-later
// The cut export dialog: the machine's kerf, a kerf typed with the desktop's decimal comma, the
// refusals, and the laser-on-foam warning.

#include "dialogs/CutExportDialog.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

namespace zindle::test {
namespace {

TEST(CutExportDialog, TheChoicesComeBackAsAProfileAndABoard)
{
    ScriptedPrompter prompter;
    CutExportDialog dialog(prompter);
    EXPECT_EQ(dialog.kerfField()->text(), QStringLiteral("0"));
    dialog.machineField()->setCurrentIndex(0);
    EXPECT_EQ(dialog.kerfField()->text(), QStringLiteral("0.008"));
    dialog.coloursField()->setCurrentIndex(1);
    dialog.boardField()->setText(QStringLiteral("500x750mm"));
    dialog.gapField()->setText(QStringLiteral("0.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CutProfile profile = dialog.profile();
    EXPECT_EQ(profile.machine, CutMachine::Laser);
    EXPECT_EQ(profile.kerfIn, 0.008);
    EXPECT_EQ(profile.cutColour, QColor(0, 128, 0));
    EXPECT_EQ(profile.engraveColour, QColor(0, 0, 255));
    EXPECT_EQ(profile.gapIn, 0.5);
    EXPECT_TRUE(dialog.board().metric);
    EXPECT_DOUBLE_EQ(dialog.board().widthIn, 500 / 25.4);

    // The DXF's layers keep the usual colours; a knife removes nothing.
    dialog.coloursField()->setCurrentIndex(2);
    dialog.machineField()->setCurrentIndex(1);
    EXPECT_EQ(dialog.profile().cutColour, QColor(255, 0, 0));
    EXPECT_EQ(dialog.profile().kerfIn, 0.0);
}

TEST(CutExportDialog, AKerfTypedWithTheDesktopsCommaAndABadBoardAreRefusedOrTakenAsTheyShouldBe)
{
    ScriptedPrompter prompter;
    CutExportDialog dialog(prompter);
    dialog.show();
    dialog.boardField()->setText(QStringLiteral("twelve"));
    dialog.kerfField()->clear();
    QTest::keyClicks(dialog.kerfField(), QStringLiteral("0,01"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    if (QLocale::system().decimalPoint() == QLatin1String(",")) {
        EXPECT_EQ(dialog.kerfField()->text(), QStringLiteral("0.01"));
        EXPECT_EQ(prompter.messages().value(0), QStringLiteral("\"twelve\" is not a board size; write it as 20x30 or 500x750mm."));
    } else {
        EXPECT_EQ(prompter.messages().value(0), QStringLiteral("The kerf is a number of inches from 0 to 0.25."));
        dialog.kerfField()->setText(QStringLiteral("0.01"));
    }
    dialog.boardField()->setText(QStringLiteral("12x12"));
    dialog.gapField()->setText(QStringLiteral("2"));
    dialog.accept();
    EXPECT_EQ(prompter.messages().back(), QStringLiteral("The gap between parts is a number of inches from 0.1 to 1."));
    dialog.gapField()->setText(QStringLiteral("0.25"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.profile().kerfIn, 0.01);
}

TEST(CutExportDialog, TheFoamWarningShowsForALaserOnly)
{
    ScriptedPrompter prompter;
    CutExportDialog dialog(prompter);
    dialog.setBoardMaterials({QStringLiteral("Balsa 1/8"), QStringLiteral("Foam board 3/16")});
    EXPECT_TRUE(dialog.warningText().isEmpty());
    dialog.machineField()->setCurrentIndex(0);
    EXPECT_TRUE(dialog.warningText().startsWith(QStringLiteral("Many school labs forbid foam board on a laser cutter")));
    dialog.setBoardMaterials({QStringLiteral("Balsa 1/8")});
    EXPECT_TRUE(dialog.warningText().isEmpty());
}

} // namespace
} // namespace zindle::test
