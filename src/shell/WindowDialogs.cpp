// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDialogs.h"

#include "DesignPanel.h"
#include "MainWindow.h"
#include "app/ParameterCheck.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ConvertDialog.h"
#include "dialogs/MaterialDialogs.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "sheet/EmptySheet.h"

#include <QCoreApplication>
#include <QColorDialog>
#include <QGuiApplication>
#include <QScreen>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WindowDialogs)
};

} // namespace

WindowDialogs::WindowDialogs(MainWindow &window) : window_(window)
{
    about_ = new AboutDialog(window.help(), &window);
    QObject::connect(about_, &AboutDialog::dismissed, &window, [&window] {
        if (!window.started())
            window.StartUp();
    });
    Workspace &workspace = window.workspace();
    Prompter &prompter = window.prompter();
    paperPrototype_ = new PaperPrototypeDialog(workspace, window.workers(), prompter, &window);
    paperPrototype_->enterSimulate = [&window] { window.VPDynamic(); };
    paperPrototype_->afterPrint = [&window] { window.RefreshMode(0, 0, SheetMode::Design); };
    paperPrototype_->afterClose = [&window] { window.leavePrintTemplates(); };
    paperPrototype_->modalRunner = [&window](QDialog &dialog) { return window.runModalDialog(dialog); };
    paperPrototype_->cutChoices = window.memory().cutExportChoices();
    paperPrototype_->cutChoicesChosen = [&window](const CutExportChoices &choices) {
        window.memory().setCutExportChoices(choices);
    };
    preferences_ = new PreferencesDialog(workspace, prompter, &window);
    preferences_->validateParameters = [&workspace, &prompter](const QString &caseRatio, const QString &friction) {
        ParameterTexts texts;
        const DesignRecord &d = workspace.design;
        texts.DriveWhlDia = d.DriveWhlDia;
        texts.OtherWhlDia = d.OtherWhlDia;
        texts.DriveAxleDia = d.DriveAxleDia;
        texts.DriveAxleLength = d.DriveAxleLength;
        texts.OtherAxleDia = d.OtherAxleDia;
        texts.OtherAxleLength = d.OtherAxleLength;
        texts.SpringWidth = d.SpringWidth;
        texts.SpringLength = d.SpringLength;
        texts.CaseRatio = caseRatio;
        texts.Friction = friction;
        texts.CaseOuterD = workspace.results.CaseOuterDEF;
        return ValidateParameters(texts, prompter);
    };
    materials_ = new MaterialsDialog(workspace, prompter, &window);
    materials_->catalogueChanged = [&window] { window.design_->syncMaterialCombos(); };
    convert_ = new ConvertDialog(&window);
}

void WindowDialogs::ShowAbout()
{
    const QScreen *screen = window_.screen();
    about_->CentreOnScreen(screen ? screen : QGuiApplication::primaryScreen());
    window_.runModalDialog(*about_);
}

void WindowDialogs::DefineMaterials()
{
    // A sweep under way ends as its own step, before this one begins.
    window_.settleBeforeModal();
    DesignEdit edit = window_.history().begin();
    materials_->Reload();
    window_.runModalDialog(*materials_);
    window_.design_->syncMaterialCombos();
    edit.commit(Texts::tr("Define materials"));
}

void WindowDialogs::ShowPreferences()
{
    // Whatever the dialog took into the design, by OK or by leaving its fields, is one step; a
    // sweep under way ends as its own step, before this one begins.
    window_.settleBeforeModal();
    DesignEdit edit = window_.history().begin();
    preferences_->LoadFromDesign();
    window_.runModalDialog(*preferences_);
    if (preferences_->closedByOK()) {
        // Print Templates has no picture of its own to update: the new settings show in Design.
        if (!window_.leavePrintTemplates())
            window_.RefreshMode(0, 0, window_.CurrentMode());
    }
    edit.commit(Texts::tr("Change preferences"));
}

void WindowDialogs::ChooseBackgroundColor()
{
    // The dialog always proposes the program's own colour, not the current one.
    std::optional<QColor> chosen;
    if (window_.colorChooser) {
        chosen = window_.colorChooser(DefaultBackgroundColor);
    } else {
        const QColor colour = QColorDialog::getColor(DefaultBackgroundColor, &window_);
        if (colour.isValid())
            chosen = colour;
    }
    if (!chosen || !chosen->isValid())
        return;
    window_.background_ = *chosen;
    // The panels change at once; the sheet shows the colour from its next redraw.
    window_.applyPanelColours();
}

void WindowDialogs::ConvertFile()
{
    if (window_.runModalDialog(*convert_) != QDialog::Accepted)
        return;
    window_.listOps().ConvertDesign();
    window_.afterListOperation();
}

} // namespace zindle
