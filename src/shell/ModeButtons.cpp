// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeButtons.h"

#include "dialogs/ClickLabel.h"
#include "MainWindow.h"
#include "ShellWidgets.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QToolButton>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ModeButtons)
};

} // namespace

ModeButtons::ModeButtons(MainWindow &window, QWidget *panel, QBoxLayout *row)
{
    struct ModeButton {
        SheetMode mode;
        const char *name, *text, *hint, *label, *helpPath;
        void (MainWindow::*slot)();
    };
    const ModeButton modeTable[] = {
        {SheetMode::Design, "VPSetBtn", QT_TRANSLATE_NOOP("ModeButtons", "Design"),
         QT_TRANSLATE_NOOP("ModeButtons", "Edit the car design"),
         "Label7", "/help/h-design.html", &MainWindow::VPSet},
        {SheetMode::Build, "VPBuildBtn", QT_TRANSLATE_NOOP("ModeButtons", "Build"),
         QT_TRANSLATE_NOOP("ModeButtons", "\"Build\" a virtual prototype"),
         "Label9", "/help/h-build.html", &MainWindow::VPBuild},
        {SheetMode::Analyze, "VPPropBtn", QT_TRANSLATE_NOOP("ModeButtons", "Analyze"),
         QT_TRANSLATE_NOOP("ModeButtons", "Compute the physical properties of the design"),
         "Label10", "/help/h-analyze.html",
         &MainWindow::VPProperties},
        {SheetMode::Simulate, "VPDynPerfBtn", QT_TRANSLATE_NOOP("ModeButtons", "Simulate"),
         QT_TRANSLATE_NOOP("ModeButtons", "Dynamically simulate the design"),
         "Label11", "/help/h-simulate.html",
         &MainWindow::VPDynamic},
        {SheetMode::Race, "VPRaceBtn", QT_TRANSLATE_NOOP("ModeButtons", "Race"),
         QT_TRANSLATE_NOOP("ModeButtons", "Race against other designs"),
         "Label12", "/help/h-race.html", &MainWindow::VPRace},
        {SheetMode::Preview, "VPPreviewBtn", QT_TRANSLATE_NOOP("ModeButtons", "Preview"),
         QT_TRANSLATE_NOOP("ModeButtons", "Inspect the parts-cutting templates for the main car body, before printing them"),
         "Label13", "/help/h-preview.html", &MainWindow::VPPreview},
        {SheetMode::Print, "VPPrintBtn", QT_TRANSLATE_NOOP("ModeButtons", "Print"),
         QT_TRANSLATE_NOOP("ModeButtons", "Print parts-cutting templates to help you build the car"),
         "Label18",
         "/help/h-print.html", &MainWindow::VPPrint},
    };
    auto *group = new QButtonGroup(&window);
    group->setExclusive(true);
    auto *modeGrid = new QGridLayout;
    modeGrid->setVerticalSpacing(0);
    int column = 0;
    for (const ModeButton &m : modeTable) {
        QToolButton *button = speedButton(QLatin1String(m.name), Texts::tr(m.text), Texts::tr(m.hint), panel);
        button->setCheckable(true);
        button->setMinimumWidth(64);
        group->addButton(button, ModeNumber(m.mode));
        buttons_[static_cast<size_t>(ModeNumber(m.mode))] = button;
        QObject::connect(button, &QToolButton::clicked, &window, m.slot);
        ClickLabel *caption = helpCaption(Texts::tr(m.text), QLatin1String(m.helpPath), window.help(), panel);
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
