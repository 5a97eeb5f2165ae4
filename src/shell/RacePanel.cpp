#include "RacePanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSlider>

namespace zindle {

RacePanel::RacePanel(QWidget *parent) : ModePanel(parent)
{
    setObjectName(QStringLiteral("RaceStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *bevel = new QGroupBox(QStringLiteral("Race playback speed"), this);
    bevel->setObjectName(QStringLiteral("RaceStateBevel"));
    auto *bevelRow = new QHBoxLayout(bevel);
    auto *slider = new QSlider(Qt::Horizontal, bevel);
    slider->setObjectName(QStringLiteral("RaceSlider"));
    slider->setRange(0, 2);
    slider->setValue(1);
    slider->setFixedWidth(100);
    slider->setToolTip(QStringLiteral("Race playback speed (0.25x is slow motion, 1x is real time)."));
    bevelRow->addWidget(slider);
    row->addWidget(bevel);
    row->addStretch();
}

} // namespace zindle
