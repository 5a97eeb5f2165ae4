// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewPanel.h"

#include "MainWindow.h"
#include "SheetImage.h"
#include "ShellWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace zindle {

PreviewPanel::PreviewPanel(MainWindow &window, QWidget *parent) : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("PreviewStatePanel"));
    auto *row = new QHBoxLayout(this);
    rewindPvBtn_ = speedButton(QStringLiteral("RewindPvBtn"), tr("Rewind"),
                               tr("Preview the first template"), this);
    stepPVBtn_ = speedButton(QStringLiteral("StepPVBtn"), tr("Next"),
                             tr("Preview the next template"), this);
    row->addWidget(rewindPvBtn_);
    row->addWidget(stepPVBtn_);
    previewLabel_ = new QLabel(QString(), this);
    previewLabel_->setObjectName(QStringLiteral("PreviewLabel"));
    previewLabel_->setMinimumWidth(80); // room for "12 of 14" before the layout catches up
    row->addWidget(previewLabel_);
    connect(stepPVBtn_, &QToolButton::clicked, &window, &MainWindow::StepPVBtnClick);
    connect(rewindPvBtn_, &QToolButton::clicked, &window, &MainWindow::RewindPvBtnClick);
    row->addStretch();
}

void PreviewPanel::reset()
{
    stepPVBtn_->setEnabled(true);
    rewindPvBtn_->setEnabled(false);
}

void PreviewPanel::showPrepared()
{
    preview_.enter(TemplateCount(window_.workspace().results));
    window_.PreviewIndex = preview_.PreviewIndex;
    showTemplate();
}

void PreviewPanel::syncButtons()
{
    stepPVBtn_->setEnabled(preview_.stepEnabled);
    rewindPvBtn_->setEnabled(preview_.rewindEnabled);
}

void PreviewPanel::showTemplate()
{
    SheetImage *image = window_.image();
    image->fitCanvas();
    const QString label = ShowTemplatePreview(image->canvas(), window_.workspace(), preview_.PreviewIndex,
                                              window_.backgroundColor(), window_.width());
    previewLabel_->setText(label);
    syncButtons();
    image->update();
}

void PreviewPanel::StepPVBtnClick()
{
    if (preview_.step())
        showTemplate();
    window_.PreviewIndex = preview_.PreviewIndex;
    syncButtons();
}

void PreviewPanel::RewindPvBtnClick()
{
    preview_.rewind();
    window_.PreviewIndex = preview_.PreviewIndex;
    showTemplate();
}

} // namespace zindle
