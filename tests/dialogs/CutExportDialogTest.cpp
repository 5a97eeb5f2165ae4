// SPDX-License-Identifier: GPL-3.0-or-later
// The cut export dialog: the machine's kerf and the foam warning, a kerf typed with the
// desktop's decimal comma, and the refusals; a kerf per board material.

#include "dialogs/CutExportDialog.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace zindle::test {
namespace {

TEST(CutExportDialog, TheChoicesComeBackAsAProfileAndALaserOnFoamIsWarnedOf)
{
    ScriptedPrompter prompter;
    CutExportDialog dialog(prompter);
    dialog.setBoardMaterials({QStringLiteral("Balsa 1/8"), QStringLiteral("Foam board 3/16")});
    EXPECT_TRUE(dialog.warningText().isEmpty());
    dialog.machineField()->setCurrentIndex(0);
    EXPECT_EQ(dialog.kerfField()->text(), QStringLiteral("0.008"));
    EXPECT_TRUE(dialog.warningText().startsWith(QStringLiteral("Many school labs forbid foam board on a laser cutter")));
    dialog.coloursField()->setCurrentIndex(1);
    dialog.boardField()->setText(QStringLiteral("500x750mm"));
    dialog.gapField()->setText(QStringLiteral("0.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CutProfile profile = dialog.profile();
    EXPECT_EQ(profile.machine, CutMachine::Laser);
    EXPECT_EQ(profile.kerfIn, 0.008);
    EXPECT_EQ(profile.cutColour, QColor(0, 128, 0));
    EXPECT_EQ(profile.gapIn, 0.5);
    EXPECT_DOUBLE_EQ(dialog.board().widthIn, 500 / 25.4);
    dialog.machineField()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.warningText().isEmpty());
}

TEST(CutExportDialog, AKerfTypedWithTheDesktopsCommaIsTakenAndBadValuesAreRefused)
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
        EXPECT_EQ(prompter.messages().value(0), QStringLiteral("\"twelve\" is not a board size; write it as 20x30 or 500x750mm."));
    } else {
        EXPECT_EQ(prompter.messages().value(0), QStringLiteral("The kerf is a number of inches from 0 to 0.25."));
        dialog.kerfField()->setText(QStringLiteral("0.01"));
    }
    dialog.boardField()->setText(QStringLiteral("12x12"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.profile().kerfIn, 0.01);
}

TEST(CutExportDialog, AKerfPerMaterialOfTheDesignComesBackInTheProfileBesideTheRememberedOnes)
{
    ScriptedPrompter prompter;
    CutExportDialog dialog(prompter);
    CutExportChoices remembered;
    remembered.kerfByMaterial = {{QStringLiteral("Card"), 0.004}, {QStringLiteral("Default Foamcore"), 0.012}};
    dialog.setChoices(remembered);
    dialog.setBoardMaterials({QStringLiteral("Default Foamcore"), QStringLiteral("Balsa 1/8"), QStringLiteral("Balsa 1/8")});
    dialog.show();
    QLineEdit *foam = dialog.materialKerfField(QStringLiteral("Default Foamcore"));
    QLineEdit *balsa = dialog.materialKerfField(QStringLiteral("Balsa 1/8"));
    ASSERT_TRUE(foam && balsa && !dialog.materialKerfField(QStringLiteral("Card")));
    EXPECT_EQ(foam->text(), QStringLiteral("0.012"));
    balsa->setText(QStringLiteral("0.3"));
    dialog.accept();
    EXPECT_EQ(prompter.messages().value(0), QStringLiteral("The kerf for Balsa 1/8 is a number of inches from 0 to 0.25."));
    balsa->clear();
    QTest::keyClicks(balsa, QLocale::system().decimalPoint() == QLatin1String(",") ? QStringLiteral("0,006")
                                                                                   : QStringLiteral("0.006"));
    foam->clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const std::map<QString, double> expected{{QStringLiteral("Balsa 1/8"), 0.006}, {QStringLiteral("Card"), 0.004}};
    EXPECT_EQ(dialog.profile().kerfByMaterial, expected);
    // Another machine cuts every material with its own kerf.
    dialog.machineField()->setCurrentIndex(0);
    EXPECT_EQ(balsa->text(), QString());
}

} // namespace
} // namespace zindle::test
