// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignListBar.h"

#include "MainWindow.h"
#include "ShellWidgets.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QToolButton>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesignListBar)
};

} // namespace

DesignListBar::DesignListBar(MainWindow &window, QWidget *panel, QBoxLayout *row) : window_(window)
{
    auto *listBox = new QVBoxLayout;
    designList_ = new QComboBox(panel);
    designList_->setObjectName(QStringLiteral("DesignList"));
    designList_->setToolTip(Texts::tr("Select an existing car design, or edit the name of a custom design."));
    designList_->setToolTipDuration(HintDuration);
    designList_->setMinimumWidth(200);
    designList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Each switch asks to save or forgets the undo history: only a deliberate pick makes one.
    chooseOnlyDeliberately(designList_);
    QObject::connect(designList_, &QComboBox::activated, &window, [this](int index) { DesignListClick(index); });
    listBox->addWidget(designList_);
    auto *listButtons = new QHBoxLayout;
    struct ListButton {
        const char *name, *text, *hint;
        void (MainWindow::*slot)();
    };
    const ListButton listButtonTable[] = {
        {"NewBtn", QT_TRANSLATE_NOOP("DesignListBar", "New"),
         QT_TRANSLATE_NOOP("DesignListBar", "Start a new design.  New designs start with the default shape."), &MainWindow::NewBtnClick},
        {"OpenBtn", QT_TRANSLATE_NOOP("DesignListBar", "Open"),
         QT_TRANSLATE_NOOP("DesignListBar", "Load a previously saved design from disk"), &MainWindow::OpenBtnClick},
        {"SaveBtn", QT_TRANSLATE_NOOP("DesignListBar", "Save"),
         QT_TRANSLATE_NOOP("DesignListBar", "Save the currently selected design to disk"), &MainWindow::SaveBtnClick},
        {"RemoveBtn", QT_TRANSLATE_NOOP("DesignListBar", "Remove"),
         QT_TRANSLATE_NOOP("DesignListBar", "Remove the currently selected design from the list (can reload later if saved).  The five standard designs cannot be removed."),
         &MainWindow::RemoveBtnClick},
        {"RenameBtn", QT_TRANSLATE_NOOP("DesignListBar", "Rename"),
         QT_TRANSLATE_NOOP("DesignListBar", "Rename the selected design"), &MainWindow::RenameBtnClick},
        {"DefineMatlBtn", QT_TRANSLATE_NOOP("DesignListBar", "Materials"),
         QT_TRANSLATE_NOOP("DesignListBar", "Define your own materials"), &MainWindow::DefineMaterials},
    };
    for (const ListButton &b : listButtonTable) {
        QToolButton *button = speedButton(QLatin1String(b.name), Texts::tr(b.text), Texts::tr(b.hint), panel);
        QObject::connect(button, &QToolButton::clicked, &window, b.slot);
        listButtons->addWidget(button);
    }
    listBox->addLayout(listButtons);
    row->addLayout(listBox);
}

void DesignListBar::sync()
{
    const DesignList &list = window_.workspace().list;
    syncing_ = true;
    if (designList_->count() != list.items.size() ||
        [&] {
            for (int i = 0; i < list.items.size(); ++i)
                if (designList_->itemText(i) != list.items[i])
                    return true;
            return false;
        }()) {
        designList_->clear();
        designList_->addItems(list.items);
    }
    designList_->setCurrentIndex(list.CurrentDesign);
    syncing_ = false;
}

void DesignListBar::DesignListClick(int index)
{
    if (syncing_)
        return;
    window_.listOps().ChangeDesignWithPrompt(index);
    window_.afterListOperation();
}

void DesignListBar::NewBtnClick()
{
    DesignListOps &ops = window_.listOps();
    if (!goesOn(ops.PromptUnsaved())) {
        window_.afterListOperation();
        return;
    }
    ops.NewDesign();
    window_.afterListOperation();
}

void DesignListBar::OpenBtnClick()
{
    DesignListOps &ops = window_.listOps();
    if (!goesOn(ops.PromptUnsaved())) {
        window_.afterListOperation();
        return;
    }
    if (ops.OpenDesign())
        window_.workspace().list.current().DesignSaved = true;
    window_.afterListOperation();
}

void DesignListBar::SaveBtnClick()
{
    window_.listOps().SaveCurrent();
    window_.afterListOperation();
}

void DesignListBar::RenameBtnClick()
{
    const QString before = window_.workspace().list.current().DesignName;
    window_.listOps().RenameDesign();
    // The name is not part of any step: no undo brings back the state the file holds.
    if (window_.workspace().list.current().DesignName != before)
        window_.history().forgetSavedState();
    window_.afterListOperation();
}

void DesignListBar::RemoveBtnClick()
{
    window_.listOps().RemoveDesign();
    window_.afterListOperation();
}

} // namespace zindle
