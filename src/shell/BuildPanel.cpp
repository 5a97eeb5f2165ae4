// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildPanel.h"

#include "MainWindow.h"
#include "ResultFieldsView.h"
#include "SheetImage.h"
#include "ShellWidgets.h"
#include "sheet/EmptySheet.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace zindle {

BuildPanel::BuildPanel(MainWindow &window, ResultFieldsView &results, QWidget *parent)
    : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("BuildStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    results.addField(this, grid, 0, 0, QStringLiteral("LayersFullEF"), QStringLiteral("Label20"));
    results.addField(this, grid, 1, 0, QStringLiteral("LayersCoredEF"), QStringLiteral("Label19"));
    results.addField(this, grid, 0, 2, QStringLiteral("CarWidthEF"), QStringLiteral("Label17"));
    results.addField(this, grid, 1, 2, QStringLiteral("BottlesNeededEF"), QStringLiteral("BottlesLabel"));
    row->addLayout(grid);

    play3DPanel_ = new QWidget(this);
    play3DPanel_->setObjectName(QStringLiteral("Play3DPanel"));
    auto *play = new QHBoxLayout(play3DPanel_);
    play->setContentsMargins(6, 0, 6, 0);
    rewind3DBtn_ = speedButton(QStringLiteral("Rewind3DBtn"), tr("Rewind"),
                               tr("Start again"), play3DPanel_);
    stepForward3DBtn_ = speedButton(QStringLiteral("StepForward3DBtn"), tr("Step"),
                                    tr("Draw the next layer"), play3DPanel_);
    toEnd3DBtn_ = speedButton(QStringLiteral("ToEnd3DBtn"), tr("To end"),
                              tr("Draw the whole car"), play3DPanel_);
    drawCancelBtn_ = speedButton(QStringLiteral("DrawCancelBtn"), tr("Cancel"), QString(), play3DPanel_);
    drawCancelBtn_->hide();
    progress3DLabel_ = new QLabel(QString(), play3DPanel_);
    progress3DLabel_->setObjectName(QStringLiteral("Progress3DLabel"));
    progress3DLabel_->setToolTip(tr("Layer"));
    progress3DLabel_->setMinimumWidth(70);
    play->addWidget(rewind3DBtn_);
    play->addWidget(stepForward3DBtn_);
    play->addWidget(toEnd3DBtn_);
    play->addWidget(drawCancelBtn_);
    play->addWidget(progress3DLabel_);

    auto *size = new QGroupBox(tr("Picture Size"), play3DPanel_);
    size->setObjectName(QStringLiteral("PictureSizeGroup"));
    // The strip above the sheet is low: slider and captions are packed tight.
    auto *sizeLayout = new QGridLayout(size);
    sizeLayout->setContentsMargins(6, 0, 6, 0);
    sizeLayout->setVerticalSpacing(0);
    slider3D_ = new QSlider(Qt::Horizontal, size);
    slider3D_->setObjectName(QStringLiteral("Slider3D"));
    slider3D_->setRange(0, 2);
    slider3D_->setPageStep(1);
    slider3D_->setMinimumWidth(130);
    slider3D_->setFixedHeight(16);
    slider3D_->setToolTip(tr("Size of 3D image (smaller is faster).  Press Build button to redraw."));
    slider3D_->setToolTipDuration(HintDuration);
    sizeLayout->addWidget(slider3D_, 0, 0, 1, 3);
    const std::pair<const char *, Qt::Alignment> captions[] = {
        {QT_TR_NOOP("Small"), Qt::AlignLeft}, {QT_TR_NOOP("Med"), Qt::AlignHCenter}, {QT_TR_NOOP("Large"), Qt::AlignRight}};
    int column = 0;
    for (const auto &[caption, alignment] : captions) {
        auto *label = new QLabel(tr(caption), size);
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        label->setFont(font);
        label->setFixedHeight(label->sizeHint().height());
        sizeLayout->addWidget(label, 1, column++, alignment);
    }
    play->addWidget(size);
    row->addWidget(play3DPanel_);
    row->addStretch();

    connect(rewind3DBtn_, &QToolButton::clicked, this, &BuildPanel::Rewind3DBtnClick);
    connect(stepForward3DBtn_, &QToolButton::clicked, this, &BuildPanel::StepForward3DBtnClick);
    connect(toEnd3DBtn_, &QToolButton::clicked, this, &BuildPanel::ToEnd3DBtnClick);
    connect(drawCancelBtn_, &QToolButton::clicked, this, &BuildPanel::DrawCancelBtnClick);
    // The size counts only once the mouse has let go of the slider.
    connect(slider3D_, &QSlider::valueChanged, this, [this](int position) {
        if (!slider3D_->isSliderDown())
            Slider3DChange(position);
    });
    connect(slider3D_, &QSlider::sliderReleased, this, [this] { Slider3DChange(slider3D_->value()); });
    syncControls();
}

BuildPanel::~BuildPanel() { view3D_.stop(); }

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

void BuildPanel::modeSwitched()
{
    // Nothing may go on drawing into a mode that is gone.
    view3D_.stop();
    view3D_.modeSwitched();
}

void BuildPanel::disableStepping()
{
    view3D_.controls.stepEnabled = false;
    view3D_.controls.toEndEnabled = false;
    syncControls();
}

void BuildPanel::syncControls()
{
    const Build3DControls &c = view3D_.controls;
    rewind3DBtn_->setEnabled(c.rewindEnabled);
    stepForward3DBtn_->setEnabled(c.stepEnabled);
    toEnd3DBtn_->setEnabled(c.toEndEnabled);
    slider3D_->setEnabled(c.sliderEnabled);
    drawCancelBtn_->setText(c.cancelCaption);
    drawCancelBtn_->setVisible(c.cancelVisible);
}

void BuildPanel::lockWindow(bool lock)
{
    // The design list, the mode buttons and the menus: everything that could change the design
    // or the mode under the drawing.
    QWidget *process = window_.findChild<QWidget *>(QStringLiteral("ProcessPanel"));
    QMenuBar *menu = window_.menuBar();
    if (lock) {
        processWasEnabled_ = process && process->isEnabled();
        menuWasEnabled_ = menu->isEnabled();
        if (process)
            process->setEnabled(false);
        menu->setEnabled(false);
        const auto actions = window_.findChildren<QAction *>();
        lockedActions_.clear();
        for (QAction *action : actions)
            if (action->isEnabled() && !action->shortcut().isEmpty()) {
                lockedActions_.push_back(action);
                action->setEnabled(false);
            }
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        if (process)
            process->setEnabled(processWasEnabled_);
        menu->setEnabled(menuWasEnabled_);
        for (QAction *action : lockedActions_)
            if (action)
                action->setEnabled(true);
        lockedActions_.clear();
        QApplication::restoreOverrideCursor();
    }
}

void BuildPanel::run(const Build3DRequest &request)
{
    if (request.clearSheet)
        window_.paintEmptySheet(SheetMode::Build);
    SheetImage *image = window_.image();
    image->fitCanvas();
    const Build3DPlacementInput placement{window_.width(), window_.imageOrigin().x()};
    view3D_.begin(window_.workspace(), placement, request.from, request.to);
    lockWindow(true);
    syncControls();
    progress3DLabel_->setText(view3D_.progressText());
    // A stage per tick of the window's player; Stop and a new refresh take effect between two.
    RefreshPlayer &player = window_.player();
    player.add({[this, image, from = request.from] {
                    const auto repaint = [image] {
                        if (image->isVisible())
                            image->repaint();
                    };
                    // The stages below `from` are only walked, which is quick, and end no tick: a
                    // Stop there would end a step before it had drawn its stage.
                    while (view3D_.hasNextStage()) {
                        int stage = 0;
                        {
                            QPainter painter(&image->canvas());
                            stage = view3D_.drawNextStage(painter, repaint);
                        }
                        window_.Built3DStage = view3D_.Built3DStage;
                        progress3DLabel_->setText(view3D_.progressText());
                        if (stage >= from)
                            break;
                    }
                    image->update();
                    return view3D_.hasNextStage();
                },
                [this, image](bool) {
                    view3D_.finish();
                    lockWindow(false);
                    syncControls();
                    image->update();
                    if (window_.CurrentMode() == SheetMode::Build)
                        show();
                },
                nullptr});
    player.start();
}

void BuildPanel::drawView()
{
    // A refresh stops the player before it draws, which ends a drawing in progress.
    run(view3D_.refreshRequest());
}

void BuildPanel::Rewind3DBtnClick()
{
    if (!view3D_.isDrawing())
        run(view3D_.rewindRequest());
}

void BuildPanel::StepForward3DBtnClick()
{
    if (!view3D_.isDrawing() && view3D_.Built3DStage < view3D_.stageCount())
        run(view3D_.stepRequest());
}

void BuildPanel::ToEnd3DBtnClick()
{
    if (!view3D_.isDrawing())
        run(view3D_.toEndRequest());
}

void BuildPanel::DrawCancelBtnClick() { view3D_.stop(); }

void BuildPanel::Slider3DChange(int position)
{
    if (view3D_.sliderMoved(position, window_.workspace().scale.PreviewZoom))
        syncControls();
}

} // namespace zindle
