#include "BuildPanel.h"

#include "MainWindow.h"
#include "ResultFieldsView.h"
#include "SheetImage.h"
#include "ShellWidgets.h"
#include "sheet/EmptySheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>

namespace zindle {

BuildPanel::BuildPanel(MainWindow &window, ResultFieldsView &results, QWidget *parent)
    : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("BuildStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    results.addField(this, grid, 0, 0, QStringLiteral("Outer Layers"), QStringLiteral("/help/h-outerlayers.html"),
                     QStringLiteral("LayersFullEF"), QStringLiteral("Label20"));
    results.addField(this, grid, 1, 0, QStringLiteral("Inner Layers"), QStringLiteral("/help/h-innerlayers.html"),
                     QStringLiteral("LayersCoredEF"), QStringLiteral("Label19"));
    results.addField(this, grid, 0, 2, QStringLiteral("Body width (in)"), QStringLiteral("/help/h-bodywidth.html"),
                     QStringLiteral("CarWidthEF"), QStringLiteral("Label17"));
    results.addField(this, grid, 1, 2, QStringLiteral("Bottles needed"), QString(),
                     QStringLiteral("BottlesNeededEF"), QStringLiteral("BottlesLabel"));
    row->addLayout(grid);
    play3DPanel_ = new QWidget(this);
    play3DPanel_->setObjectName(QStringLiteral("Play3DPanel"));
    auto *play = new QHBoxLayout(play3DPanel_);
    stepForward3DBtn_ = speedButton(QStringLiteral("StepForward3DBtn"), QStringLiteral("Step"),
                                    QStringLiteral("Add the next layer"), play3DPanel_);
    toEnd3DBtn_ = speedButton(QStringLiteral("ToEnd3DBtn"), QStringLiteral("To end"),
                              QStringLiteral("Build all remaining layers"), play3DPanel_);
    play->addWidget(stepForward3DBtn_);
    play->addWidget(toEnd3DBtn_);
    row->addWidget(play3DPanel_);
    row->addStretch();
}

void BuildPanel::enter()
{
    // The panel itself comes up with the 3D view; its results are useful at once.
    show();
    play3DPanel_->show();
}

void BuildPanel::leave()
{
    hide();
    play3DPanel_->hide();
}

void BuildPanel::disableStepping()
{
    stepForward3DBtn_->setEnabled(false);
    toEnd3DBtn_->setEnabled(false);
}

void BuildPanel::drawView()
{
    const Build3DRequest request = view3D_.refreshRequest();
    if (request.clearSheet)
        window_.paintEmptySheet(BuildMode);
    SheetImage *image = window_.image();
    QPainter painter(&image->canvas());
    const Build3DPlacementInput placement{window_.width(), window_.imageOrigin().x()};
    view3D_.draw(painter, window_.workspace(), placement, request);
    window_.Built3DStage = view3D_.Built3DStage;
    stepForward3DBtn_->setEnabled(view3D_.controls.stepEnabled);
    toEnd3DBtn_->setEnabled(view3D_.controls.toEndEnabled);
}

} // namespace zindle
