// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeButtons.h"

#include "dialogs/ClickLabel.h"
#include "MainWindow.h"
#include "ShellWidgets.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QToolButton>

namespace zindle {

ModeButtons::ModeButtons(MainWindow &window, QWidget *panel, QBoxLayout *row)
{
    struct ModeButton {
        SheetMode mode;
        const char *name, *text, *hint, *label, *helpPath;
        void (MainWindow::*slot)();
    };
    const ModeButton modeTable[] = {
        {SheetMode::Design, "VPSetBtn", "Design", "Edit the car design", "Label7", "/help/h-design.html", &MainWindow::VPSet},
        {SheetMode::Build, "VPBuildBtn", "Build", "\"Build\" a virtual prototype", "Label9", "/help/h-build.html", &MainWindow::VPBuild},
        {SheetMode::Analyze, "VPPropBtn", "Analyze", "Compute the physical properties of the design", "Label10", "/help/h-analyze.html",
         &MainWindow::VPProperties},
        {SheetMode::Simulate, "VPDynPerfBtn", "Simulate", "Dynamically simulate the design", "Label11", "/help/h-simulate.html",
         &MainWindow::VPDynamic},
        {SheetMode::Race, "VPRaceBtn", "Race", "Race against other designs", "Label12", "/help/h-race.html", &MainWindow::VPRace},
        {SheetMode::Preview, "VPPreviewBtn", "Preview", "Inspect the parts-cutting templates for the main car body, before printing them",
         "Label13", "/help/h-preview.html", &MainWindow::VPPreview},
        {SheetMode::Print, "VPPrintBtn", "Print", "Print parts-cutting templates to help you build the car", "Label18",
         "/help/h-print.html", &MainWindow::VPPrint},
    };
    auto *group = new QButtonGroup(&window);
    group->setExclusive(true);
    auto *modeGrid = new QGridLayout;
    modeGrid->setVerticalSpacing(0);
    int column = 0;
    for (const ModeButton &m : modeTable) {
        QToolButton *button = speedButton(QLatin1String(m.name), QLatin1String(m.text), QLatin1String(m.hint), panel);
        button->setCheckable(true);
        button->setMinimumWidth(64);
        group->addButton(button, ModeNumber(m.mode));
        buttons_[static_cast<size_t>(ModeNumber(m.mode))] = button;
        QObject::connect(button, &QToolButton::clicked, &window, m.slot);
        ClickLabel *caption = helpCaption(QLatin1String(m.text), QLatin1String(m.helpPath), window.help(), panel);
        caption->setObjectName(QLatin1String(m.label));
        caption->setCursor(Qt::PointingHandCursor);
        caption->setStyleSheet(QStringLiteral("color: #0000aa; font-size: 8pt;"));
        modeGrid->addWidget(button, 0, column, Qt::AlignHCenter);
        modeGrid->addWidget(caption, 1, column, Qt::AlignHCenter);
        ++column;
    }
    buttons_[ModeNumber(SheetMode::Design)]->setChecked(true);
    row->addLayout(modeGrid);
}

void ModeButtons::check(SheetMode mode)
{
    if (QToolButton *button = buttons_[static_cast<size_t>(ModeNumber(mode))])
        button->setChecked(true);
}

} // namespace zindle
