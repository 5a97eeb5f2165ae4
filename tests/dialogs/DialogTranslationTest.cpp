// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' texts, bracketed: every text a student reads in them, and what they tell the
// student, goes through the translations.

#include "app/WorkerPool.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ConvertDialog.h"
#include "dialogs/CutExportDialog.h"
#include "dialogs/HowHeavyDialog.h"
#include "dialogs/MaterialDialogs.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/PointsDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "support/PseudoTranslation.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <gtest/gtest.h>
#include <memory>

namespace zindle::test {
namespace {

// What the walk leaves out: the items of the combo boxes and the fixed cells of the tables.
void walkItems(TranslationWalk &walk, const QWidget *root)
{
    for (const QComboBox *combo : root->findChildren<QComboBox *>())
        for (int i = 0; i < combo->count(); ++i)
            walk.check(combo->objectName() + QStringLiteral(" item"), combo->itemText(i));
    for (const QTableWidget *table : root->findChildren<QTableWidget *>())
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem *item = table->item(r, c); item && !(item->flags() & Qt::ItemIsEditable))
                    walk.check(table->objectName() + QStringLiteral(" cell"), item->text());
}

TEST(DialogTranslation, EveryDialogTextAndMessageIsTranslated)
{
    const BracketedTexts bracketed;
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    const HelpLinks help{QString()};
    std::vector<std::unique_ptr<QWidget>> dialogs;
    auto *points = new PointsDialog(prompter);
    points->prepare({QPoint(10, 10), QPoint(90, 10), QPoint(50, 60)}, {}, true, PointsLayer::Outer);
    dialogs.emplace_back(points);
    auto *materials = new MaterialsDialog(workspace, prompter);
    dialogs.emplace_back(materials);
    dialogs.push_back(std::make_unique<PreferencesDialog>(workspace, prompter));
    dialogs.push_back(std::make_unique<AboutDialog>(help));
    dialogs.push_back(std::make_unique<HowHeavyDialog>(workspace.design, prompter));
    dialogs.push_back(std::make_unique<ConvertDialog>());
    dialogs.push_back(std::make_unique<PaperPrototypeDialog>(workspace, workers, prompter));
    auto cutExport = std::make_unique<CutExportDialog>(prompter);
    cutExport->setBoardMaterials({QStringLiteral("Foam board")});
    cutExport->machineField()->setCurrentIndex(0);
    dialogs.push_back(std::move(cutExport));

    TranslationWalk walk;
    std::vector<QWidget *> shown;
    for (const auto &dialog : dialogs)
        shown.push_back(dialog.get());
    for (int k = 0; k < 4; ++k)
        shown.push_back(materials->defineDialog(static_cast<MaterialKind>(k)));
    for (QWidget *dialog : shown) {
        dialog->show();
        QApplication::processEvents();
        walk.visibleWidgets(dialog);
        walkItems(walk, dialog);
        dialog->hide();
    }
    // A define dialog shows the usual material's name beside its field, and the cut export each
    // board's beside its kerf: names, kept as they are.
    walk.failures.removeIf([](const QString &failure) {
        const QString widget = failure.section(QStringLiteral(": "), 0, 0);
        return widget.endsWith(QLatin1String("NameEFDefault")) || widget.startsWith(QLatin1String("CutKerfForName"));
    });

    materials->EditClick(MaterialKind::Board); // nothing selected: the dialog says why
    ASSERT_FALSE(prompter.shown.empty());
    walk.check(QStringLiteral("message"), prompter.shown.back().text);
    walk.check(QStringLiteral("message caption"), prompter.shown.back().caption);
    EXPECT_EQ(walk.failures.join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace zindle::test
