// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GuiTestSupport.h"

#include "dialogs/MaterialDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace zindle::test {
namespace {

QStringList itemsOf(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Opens Setup > Define Materials and lets `inside` work in it.
void withMaterials(StartedWindow &s, std::function<void(MaterialsDialog &)> inside)
{
    s.other = [inside](QDialog &dialog) {
        auto *materials = qobject_cast<MaterialsDialog *>(&dialog);
        EXPECT_NE(materials, nullptr);
        if (materials)
            inside(*materials);
        return int(QDialog::Accepted);
    };
    s.w().DefineMaterials();
}

// A define dialog answered with the given field texts; Done is pressed until it closes or refuses.
ModalRunner typing(QStringList texts, bool *closed = nullptr)
{
    return [texts, closed](QDialog &dialog) {
        auto &define = static_cast<DefineMaterialDialog &>(dialog);
        for (int i = 0; i < define.fieldCount() && i < texts.size(); ++i)
            define.field(i)->setText(texts[i]);
        const bool done = define.DoneClick();
        if (closed)
            *closed = done;
        return done ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
}

TEST(MaterialDialogs, DefineEditAndDeleteBoardsThroughTheDialogs)
{
    StartedWindow s;
    withMaterials(s, [](MaterialsDialog &m) {
        EXPECT_EQ(m.windowTitle(), QStringLiteral("Material Definitions"));
        EXPECT_EQ(m.list(MaterialKind::Board)->item(0)->text(), QStringLiteral("Default Foamcore"));
        EXPECT_EQ(m.list(MaterialKind::Tread)->item(0)->text(), QStringLiteral("Ideal rubber"));
        for (const char *name : {"Balsa", "Cork", "Pine"}) {
            m.modalRunner = typing({QLatin1String(name), QStringLiteral("0.25"), QStringLiteral("0.004")});
            m.NewClick(MaterialKind::Board);
        }
        EXPECT_EQ(m.list(MaterialKind::Board)->count(), 4);

        // Edit entry 3 keeping its name: stored in place, list texts unchanged.
        m.list(MaterialKind::Board)->setCurrentRow(3);
        m.modalRunner = [](QDialog &dialog) {
            auto &define = static_cast<DefineMaterialDialog &>(dialog);
            EXPECT_EQ(define.field(0)->text(), QStringLiteral("Pine")); // Edit loads the entry
            define.field(2)->setText(QStringLiteral("0.02"));
            return define.DoneClick() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        m.EditClick(MaterialKind::Board);
    });
    const MaterialCatalogue &cat = s.workspace.catalogue;
    ASSERT_EQ(cat.count(MaterialKind::Board), 4);
    EXPECT_EQ(cat.boards[3].BoardDensity, QStringLiteral("0.02"));
    // Every board combo of the main window lists the new boards.
    EXPECT_EQ(itemsOf(s.w().materialCombo(OuterBodyPart)),
              (QStringList{QStringLiteral("Default Foamcore"), QStringLiteral("Balsa"), QStringLiteral("Cork"),
                           QStringLiteral("Pine")}));
    EXPECT_EQ(s.w().materialCombo(DriveWheelPart)->count(), 4);
    EXPECT_EQ(s.w().materialCombo(SpringPart)->count(), 1);

    // The outer layer uses Pine; deleting Cork moves Pine to entry 2 and the part follows it.
    s.w().MaterialComboChange(OuterBodyPart, 3);
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    withMaterials(s, [&s](MaterialsDialog &m) {
        m.list(MaterialKind::Board)->setCurrentRow(2);
        s.prompter.confirmAnswers = {Answer::Yes};
        m.DeleteClick(MaterialKind::Board);
        EXPECT_EQ(m.list(MaterialKind::Board)->count(), 3);
    });
    EXPECT_EQ(cat.boards[2].BoardName, QStringLiteral("Pine"));
    EXPECT_EQ(cat.boards[2].BoardDensity, QStringLiteral("0.02"));
    EXPECT_EQ(s.workspace.design.MatIndex[OuterBodyPart], 2);
    EXPECT_EQ(s.w().materialCombo(OuterBodyPart)->currentText(), QStringLiteral("Pine"));
}

TEST(MaterialDialogs, RefusalsKeepTheDialogOpenWithTheirMessages)
{
    StartedWindow s;
    bool closed = true;
    withMaterials(s, [&closed](MaterialsDialog &m) {
        m.modalRunner = typing({QStringLiteral("Thin"), QStringLiteral("0.5"), QStringLiteral("0.0001")}, &closed);
        m.NewClick(MaterialKind::Board);
    });
    EXPECT_FALSE(closed);
    EXPECT_EQ(s.prompter.shown.back().text,
              QStringLiteral("The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch."));
    EXPECT_EQ(s.prompter.shown.back().caption, QStringLiteral("Please try again"));
    EXPECT_EQ(s.workspace.catalogue.count(MaterialKind::Board), 1);

    withMaterials(s, [&closed](MaterialsDialog &m) {
        m.modalRunner = typing({QStringLiteral("Thin"), QStringLiteral("0.5"), QStringLiteral("0.00011")}, &closed);
        m.NewClick(MaterialKind::Board);
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(s.workspace.catalogue.count(MaterialKind::Board), 2);
}

TEST(MaterialDialogs, SpringGridLabelsTorqueCellsAndEmptyCellsStoredAsZero)
{
    StartedWindow s;
    MaterialsDialog *materials = s.w().materialsDialog();
    DefineMaterialDialog *spring = materials->defineDialog(MaterialKind::Spring);
    EXPECT_EQ(spring->windowTitle(), QStringLiteral("Define a Spring Material"));
    QTableWidget *grid = spring->torqueGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 50);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Revs Unwound"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Torque (in-lb)"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("0 (fully wound):"));
    EXPECT_EQ(grid->item(49, 0)->text(), QStringLiteral("48"));

    withMaterials(s, [](MaterialsDialog &m) {
        m.modalRunner = [](QDialog &dialog) {
            auto &define = static_cast<DefineMaterialDialog &>(dialog);
            const QStringList texts = {QStringLiteral("Steel"), QStringLiteral("0.01"), QStringLiteral("0.28"),
                                       QStringLiteral("1")};
            for (int i = 0; i < 4; ++i)
                define.field(i)->setText(texts[i]);
            define.torqueGrid()->item(1, 1)->setText(QStringLiteral("2.5"));
            define.torqueGrid()->item(5, 1)->setText(QStringLiteral("abc"));
            EXPECT_FALSE(define.DoneClick());
            define.torqueGrid()->item(5, 1)->setText(QStringLiteral("7"));
            return define.DoneClick() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        m.NewClick(MaterialKind::Spring);
    });
    EXPECT_EQ(s.prompter.messages().value(0),
              QStringLiteral("All torque values must be positive, greater than zero, and no more than 3 lb-inches -- some values are not valid."));
    ASSERT_EQ(s.workspace.catalogue.count(MaterialKind::Spring), 2);
    const SpringMaterial &steel = s.workspace.catalogue.springs[1];
    EXPECT_EQ(steel.SpringTorqueCurve[0], QStringLiteral("2.5"));
    EXPECT_EQ(steel.SpringTorqueCurve[4], QStringLiteral("7"));
    EXPECT_EQ(steel.SpringTorqueCurve[1], QStringLiteral("0"));
    EXPECT_EQ(steel.SpringTorqueCurve[48], QStringLiteral("0"));
    EXPECT_EQ(itemsOf(s.w().materialCombo(SpringPart)).value(1), QStringLiteral("Steel"));
}

TEST(MaterialDialogs, AnotherEntrysNameIsRefusedAndChooseColorOnlyTalks)
{
    StartedWindow s;
    bool closed = true;
    withMaterials(s, [&closed](MaterialsDialog &m) {
        m.modalRunner = typing({QStringLiteral("Maple"), QStringLiteral("0.03")});
        m.NewClick(MaterialKind::Axle);
        m.list(MaterialKind::Axle)->setCurrentRow(0);
        m.modalRunner = typing({QStringLiteral("Maple"), QStringLiteral("0.04")}, &closed);
        m.NewClick(MaterialKind::Axle);
    });
    EXPECT_FALSE(closed);
    EXPECT_EQ(s.prompter.shown.back().text, nameTakenRefusal(QStringLiteral("Maple")).message);
    EXPECT_EQ(s.workspace.catalogue.count(MaterialKind::Axle), 2);
    EXPECT_EQ(s.workspace.catalogue.axles[1].AxleDensity, QStringLiteral("0.03"));

    s.w().materialsDialog()->defineDialog(MaterialKind::Axle)->ChooseColorClick();
    s.w().materialsDialog()->defineDialog(MaterialKind::Tread)->ChooseColorClick();
    ASSERT_GE(s.prompter.shown.size(), 2u);
    const Shown &axle = s.prompter.shown[s.prompter.shown.size() - 2];
    EXPECT_EQ(axle.text, QStringLiteral("Sorry, this computer does not have the ColorPicker component installed.  "
                                        "A default color will be used instead."));
    EXPECT_EQ(axle.caption, QStringLiteral("Colors not available"));
    EXPECT_EQ(s.prompter.shown.back().caption, QStringLiteral("Please try again."));
}

// Pressed as a student would: the buttons clicked, the names typed.
TEST(MaterialDialogs, NewNeedsANameOfItsOwnAndBuiltInsSayWhyTheyStay)
{
    StartedWindow s;
    const auto button = [](QWidget &in, const char *name) {
        QPushButton *found = in.findChild<QPushButton *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    const MaterialCatalogue &catalogue = s.workspace.catalogue;
    withMaterials(s, [&](MaterialsDialog &m) {
        m.show();
        // Each New types `name` over the selected name field and presses Done.
        QStringList names = {QStringLiteral("Balsa"), QString(), QStringLiteral("Cork")};
        m.modalRunner = [&](QDialog &dialog) {
            dialog.show();
            dialog.setResult(0); // as exec() starts
            auto &define = static_cast<DefineMaterialDialog &>(dialog);
            if (define.field(1)->text().isEmpty()) { // the first time: thickness and density
                QTest::keyClicks(define.field(1), QStringLiteral("0.25"));
                QTest::keyClicks(define.field(2), QStringLiteral("0.004"));
            }
            for (;;) {
                const QString name = names.takeFirst();
                if (!name.isEmpty()) {
                    define.field(0)->selectAll();
                    QTest::keyClicks(define.field(0), name);
                }
                QTest::mouseClick(button(define, "DBDoneBtn"), Qt::LeftButton);
                if (define.result() == QDialog::Accepted || names.isEmpty())
                    break;
            }
            dialog.hide();
            return define.result();
        };
        QTest::mouseClick(button(m, "NewBoardBtn"), Qt::LeftButton);
        ASSERT_EQ(catalogue.count(MaterialKind::Board), 2);
        // The second New opens with Balsa's texts: unchanged, the name is refused, not
        // stored into Balsa; a name of its own makes a new entry.
        QTest::mouseClick(button(m, "NewBoardBtn"), Qt::LeftButton);
        EXPECT_EQ(s.prompter.messages().value(0), nameTakenRefusal(QStringLiteral("Balsa")).message);
        EXPECT_EQ(catalogue.count(MaterialKind::Board), 3);
        EXPECT_EQ(catalogue.boards[2].BoardName, QStringLiteral("Cork"));

        m.list(MaterialKind::Board)->setCurrentRow(0);
        QTest::mouseClick(button(m, "EditBoardBtn"), Qt::LeftButton);
        QTest::mouseClick(button(m, "DeleteBoardBtn"), Qt::LeftButton);
        EXPECT_EQ(s.prompter.messages().mid(1),
                  QStringList({QStringLiteral("\"Default Foamcore\" is built in and cannot be edited. Press New to "
                                              "define a material of your own."),
                               QStringLiteral("\"Default Foamcore\" is built in and cannot be deleted. Press New to "
                                              "define a material of your own.")}));
        // Deleting asks first; No keeps the entry.
        m.list(MaterialKind::Board)->setCurrentRow(1);
        s.prompter.confirmAnswers = {Answer::No};
        QTest::mouseClick(button(m, "DeleteBoardBtn"), Qt::LeftButton);
        EXPECT_EQ(s.prompter.shown.back().text,
                  QStringLiteral("Delete the material \"Balsa\"? Parts made of it go back to the built-in material."));
        EXPECT_EQ(catalogue.count(MaterialKind::Board), 3);
        m.hide();
    });
}

TEST(MaterialDialogs, DefineDialogsShowTheirLabelsAndDefaults)
{
    StartedWindow s;
    DefineMaterialDialog *board = s.w().materialsDialog()->defineDialog(MaterialKind::Board);
    QStringList texts;
    for (QLabel *label : board->findChildren<QLabel *>())
        texts << label->text();
    for (const char *expected : {"Defaults", "Board Name", "Board thickness (inches)", "Board density (lbm/cu in)",
                                 "Foamcore", "0.50", "0.0023"})
        EXPECT_TRUE(texts.contains(QLatin1String(expected))) << expected;
    EXPECT_EQ(s.w().materialsDialog()->defineDialog(MaterialKind::Tread)->field(1)->objectName(),
              QStringLiteral("TreadFrictionEF"));
}

TEST(MaterialDialogs, TheCommaKeyTypesTheDecimalPointInTheNumbersWhereTheDesktopWritesACommaButNotInTheName)
{
    StartedWindow s;
    bool closed = false;
    withMaterials(s, [&closed](MaterialsDialog &m) {
        m.modalRunner = [&closed](QDialog &dialog) {
            auto &define = static_cast<DefineMaterialDialog &>(dialog);
            define.show();
            const QStringList texts = {QStringLiteral("Steel, thin"), QStringLiteral("0,01"), QStringLiteral("0.28"),
                                       QStringLiteral("1")};
            for (int i = 0; i < 4; ++i) {
                define.field(i)->clear();
                QTest::keyClicks(define.field(i), texts[i]);
            }
            QTableWidget *grid = define.torqueGrid();
            grid->editItem(grid->item(1, 1));
            auto *cell = qobject_cast<QLineEdit *>(grid->indexWidget(grid->model()->index(1, 1)));
            EXPECT_NE(cell, nullptr);
            if (cell) {
                QTest::keyClicks(cell, QStringLiteral("2,5"));
                QTest::keyClick(cell, Qt::Key_Tab);
            }
            closed = define.DoneClick();
            return closed ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        m.NewClick(MaterialKind::Spring);
    });
    if (QLocale::system().decimalPoint() == QLatin1String(",")) {
        ASSERT_TRUE(closed);
        const SpringMaterial &steel = s.workspace.catalogue.springs[1];
        EXPECT_EQ(steel.SpringName, QStringLiteral("Steel, thin"));
        EXPECT_EQ(steel.SpringThickness, QStringLiteral("0.01"));
        EXPECT_EQ(steel.SpringTorqueCurve[0], QStringLiteral("2.5"));
    } else {
        EXPECT_FALSE(closed);
        EXPECT_EQ(s.prompter.messages().value(0),
                  QStringLiteral("\"0,01\" is not a number (a period is the decimal point). "
                                 "The thickness must be positive, greater than zero, and no more than 0.125 inches. "));
    }
}

} // namespace
} // namespace zindle::test
