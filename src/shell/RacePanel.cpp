// SPDX-License-Identifier: GPL-3.0-or-later
#include "RacePanel.h"

#include "ChartViews.h"
#include "MainWindow.h"
#include "physics/Race.h"
#include "sheet/RaceTrackPainter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>

namespace zindle {

namespace {

QLabel *swatch(const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(24, 10);
    label->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(colour.name()));
    return label;
}

// The skid swatch shows the hatch as well as the colour, as the lanes do.
QLabel *skidSwatch(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(24, 10);
    QPixmap picture(label->size());
    {
        QPainter painter(&picture);
        PaintRaceBrush(painter, picture.rect(), RaceBrush::Skidding);
        painter.setPen(Qt::black);
        painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    }
    label->setPixmap(picture);
    return label;
}

} // namespace

RacePanel::RacePanel(MainWindow &window, QWidget *parent) : ModePanel(parent)
{
    setObjectName(QStringLiteral("RaceStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *bevel = new QGroupBox(tr("Race playback speed"), this);
    bevel->setObjectName(QStringLiteral("RaceStateBevel"));
    auto *bevelRow = new QHBoxLayout(bevel);
    auto *slider = new QSlider(Qt::Horizontal, bevel);
    slider->setObjectName(QStringLiteral("RaceSlider"));
    slider->setRange(0, 2);
    slider->setValue(1);
    slider->setFixedWidth(100);
    slider->setToolTip(tr("Race playback speed (0.25x is slow motion, 1x is real time)."));
    bevelRow->addWidget(slider);
    speed_ = new QLabel(raceSpeedLabel(1), bevel);
    speed_->setObjectName(QStringLiteral("RaceSpeedLabel"));
    speed_->setMinimumWidth(40);
    bevelRow->addWidget(speed_);
    row->addWidget(bevel);

    auto *legend = new QGridLayout;
    legend->addWidget(swatch(RaceSelectedColor, this), 0, 0);
    legend->addWidget(new QLabel(tr("indicates the selected design."), this), 0, 1);
    legend->addWidget(skidSwatch(this), 1, 0);
    legend->addWidget(new QLabel(tr("indicates skidding."), this), 1, 1);
    row->addSpacing(12);
    row->addLayout(legend);
    row->addSpacing(12);
    // The note wraps rather than being cut off where the strip is narrower than its one line.
    auto *note = new QLabel(
        tr("A car design appears on the racetrack if it has been Simulated since its last design change."),
        this);
    note->setObjectName(QStringLiteral("RaceNoteLabel"));
    note->setWordWrap(true);
    // A few words a line at the narrowest, in whatever language the note is written.
    note->setMinimumWidth(note->fontMetrics().horizontalAdvance(note->text()) / 3);
    row->addWidget(note, 1);
    auto *chart = new QPushButton(tr("Race Chart"), this);
    chart->setObjectName(QStringLiteral("RaceChartBtn"));
    chart->setToolTip(tr("Distance against time for every raced design"));
    connect(chart, &QPushButton::clicked, this, [&window] { window.charts().ShowRaceChart(); });
    row->addSpacing(12);
    row->addWidget(chart);
}

void RacePanel::showSpeed(int position) { speed_->setText(raceSpeedLabel(position)); }

} // namespace zindle
