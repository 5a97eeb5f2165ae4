// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears in the dialogs: every control a student can reach has a name.

#include "dialogs/ClassResultsDialog.h"
#include "dialogs/CutExportDialog.h"
#include "dialogs/MaterialDialogs.h"
#include "dialogs/NewEventDialog.h"
#include "dialogs/OptimiserDialog.h"
#include "dialogs/PointsDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "dialogs/RaceDayWindow.h"
#include "support/AccessibleAudit.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zindle;

TEST(AccessibilityAudit, EveryControlOfTheDialogsHasANameAndTabReachesIt)
{
    Workspace workspace;
    WorkerPool workers;
    test::ScriptedPrompter prompter;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<PreferencesDialog>(workspace, prompter));
    dialogs.push_back(std::make_unique<MaterialsDialog>(workspace, prompter));
    dialogs.push_back(std::make_unique<ClassResultsDialog>(workers, prompter));
    dialogs.push_back(std::make_unique<RaceDayWindow>(workers, prompter));
    dialogs.push_back(std::make_unique<NewEventDialog>());
    dialogs.push_back(std::make_unique<OptimiserDialog>(workspace, workers, nullptr));
    auto cutExport = std::make_unique<CutExportDialog>(prompter);
    cutExport->setBoardMaterials({QStringLiteral("Foam board")});
    cutExport->machineField()->setCurrentIndex(0);
    dialogs.push_back(std::move(cutExport));
    auto points = std::make_unique<PointsDialog>(prompter);
    points->prepare({QPoint(36, 200), QPoint(684, 200), QPoint(684, 400), QPoint(36, 400), QPoint(36, 250)}, {},
                    false, PointsLayer::Outer);
    dialogs.push_back(std::move(points));
    for (const std::unique_ptr<QWidget> &dialog : dialogs) {
        dialog->show();
        const QStringList unnamed = test::unnamedControls(*dialog);
        EXPECT_TRUE(unnamed.isEmpty()) << qPrintable(dialog->objectName()) << ": "
                                       << qPrintable(unnamed.join(QStringLiteral(", ")));
        const QStringList unreached = test::controlsTabNeverReaches(*dialog);
        EXPECT_TRUE(unreached.isEmpty()) << qPrintable(dialog->objectName()) << ": "
                                         << qPrintable(unreached.join(QStringLiteral(", ")));
        dialog->hide();
    }
}
