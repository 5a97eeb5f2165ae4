// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalyzePanel.h"

#include "MainWindow.h"
#include "ResultFieldsView.h"
#include "ShellWidgets.h"
#include "WindowRefreshHooks.h"
#include "sheet/EmptySheet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace zindle {

AnalyzePanel::AnalyzePanel(MainWindow &window, ResultFieldsView &results, QWidget *parent)
    : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("PropStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    results.addField(this, grid, 0, 0, QStringLiteral("ProjectedMassEF"), QStringLiteral("ProjectedMassLabel"));
    results.addField(this, grid, 1, 0, QStringLiteral("FoamMassEF"), QStringLiteral("Label26"));
    results.addField(this, grid, 0, 2, QStringLiteral("SpringMassEF"), QStringLiteral("Label27"));
    results.addField(this, grid, 1, 2, QStringLiteral("AxleMassEF"), QStringLiteral("Label28"));
    results.addField(this, grid, 0, 4, QStringLiteral("MaxRealTorqueEF"), QStringLiteral("MaxTorqueLabel"));
    results.addField(this, grid, 1, 4, QStringLiteral("RevsEF"), QStringLiteral("Label22"));
    row->addLayout(grid);
    elementSizeGroupBox_ = new QGroupBox(tr("Element size (in)"), this);
    elementSizeGroupBox_->setObjectName(QStringLiteral("ElementSizeGroupBox"));
    // The strip above the sheet is low: slider and captions are packed tight.
    auto *sizeColumn = new QVBoxLayout(elementSizeGroupBox_);
    sizeColumn->setContentsMargins(6, 0, 6, 0);
    sizeColumn->setSpacing(0);
    auto *slider = new QSlider(Qt::Horizontal, elementSizeGroupBox_);
    slider->setObjectName(QStringLiteral("ElementSizeSlider"));
    slider->setRange(0, 5);
    slider->setPageStep(1);
    slider->setValue(3);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setFixedWidth(190);
    slider->setToolTip(QStringLiteral("1, 1/2, 1/4, 1/8, 1/16, 1/32"));
    sizeColumn->addWidget(slider, 0, Qt::AlignHCenter);
    auto *captions = new SliderTickLabels(slider,
                                          {QStringLiteral("1"), QStringLiteral("1/2"), QStringLiteral("1/4"),
                                           QStringLiteral("1/8"), QStringLiteral("1/16"), QStringLiteral("1/32")},
                                          elementSizeGroupBox_);
    QFont small = captions->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    captions->setFont(small);
    // Wider than the slider, so that the outer captions stay centred under their ticks.
    captions->setFixedWidth(190 + 2 * QFontMetrics(small).horizontalAdvance(QStringLiteral("1/32")) / 2);
    sizeColumn->addWidget(captions, 0, Qt::AlignHCenter);
    sizeColumn->addStretch();
    slider_ = slider;
    // While the button is held on the slider nothing happens; the size is taken when it is let go.
    connect(slider, &QSlider::valueChanged, this, [this, slider](int position) {
        if (!slider->isSliderDown() && !syncing_)
            window_.views().ElementSizeChanged(position);
    });
    connect(slider, &QSlider::sliderReleased, this,
            [this, slider] { window_.views().ElementSizeChanged(slider->value()); });
    row->addWidget(elementSizeGroupBox_);
    row->addStretch();
}

void AnalyzePanel::enter()
{
    show();
    elementSizeGroupBox_->show();
    syncSlider();
    window_.paintEmptySheet(SheetMode::Analyze);
    for (QWidget *w : forceWidgets) {
        w->resize(0, 0);
        w->hide();
    }
}

void AnalyzePanel::syncSlider()
{
    // The slider shows the element size the design holds, when it is one of its six sizes.
    bool ok = false;
    const int size = window_.workspace().design.StepSize.trimmed().toInt(&ok);
    for (int position = 0; ok && position <= 5; ++position)
        if (72 >> position == size) {
            syncing_ = true;
            slider_->setValue(position);
            syncing_ = false;
        }
}

void AnalyzePanel::leave()
{
    hide();
    elementSizeGroupBox_->hide();
    for (QWidget *w : forceWidgets)
        w->hide();
}

} // namespace zindle
