// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIfWindow.h"

#include "app/WorkerPool.h"
#include "charts/RunCharts.h"
#include "model/NumberText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

namespace zindle {

// "1.52 s"; a car that falls short carries its stopping time in brackets.
QString WhatIfWindow::timeWords(const WhatIfRun &run)
{
    // The model's own reason, which says what to change.
    if (!run.runs)
        return run.cannotRun;
    if (run.TimeEF.startsWith(QLatin1Char('[')))
        return tr("falls short of 15 ft (its run ends at %1 s)").arg(run.TimeEF.mid(1).chopped(1));
    const std::optional<float> time = parseFloat(run.TimeEF);
    return tr("%1 s to 15 ft").arg(time ? text00(*time) : run.TimeEF);
}

void WhatIfWindow::paintRuns(QPainter &painter, const QRectF &area, const WhatIfRun *shown, const WhatIfRun *faded,
                             const QString &name)
{
    const RunTrace none;
    RunChartOptions options;
    options.designName = name;
    if (faded && faded->runs) {
        options.compared = faded->run;
        options.runName = tr("What if");
    }
    const RunTrace &run = shown && shown->runs ? shown->run : none;
    const double half = area.height() / 2.0;
    paintRunChart(painter, QRectF(area.left(), area.top(), area.width(), half), run, RunChartKind::Distance, options);
    paintRunChart(painter, QRectF(area.left(), area.top() + half, area.width(), half), run, RunChartKind::Speed,
                  options);
}

QString WhatIfWindow::knobCaption(WhatIfKnob knob, int weight)
{
    switch (knob) {
    case WhatIfKnob::SpringLength:
        return tr("Spring length");
    case WhatIfKnob::SpringWidth:
        return tr("Spring width");
    case WhatIfKnob::DriveWheel:
        return tr("Drive wheel diameter");
    case WhatIfKnob::WeightMass:
        return weight < 0 ? tr("Weight mass") : tr("Weight %1 mass").arg(weight + 1);
    case WhatIfKnob::WeightPosition:
        return weight < 0 ? tr("Weight position") : tr("Weight %1 position").arg(weight + 1);
    case WhatIfKnob::Friction:
        return tr("Friction");
    }
    return {};
}

// Whole sentences rather than the caption set into one: its first letter made small would
// be wrong for a German noun, and each language orders the words its own way.
QString WhatIfWindow::applyText(WhatIfKnob knob, int weight, const QString &value)
{
    switch (knob) {
    case WhatIfKnob::SpringLength:
        return tr("Apply spring length %1 to the design").arg(value);
    case WhatIfKnob::SpringWidth:
        return tr("Apply spring width %1 to the design").arg(value);
    case WhatIfKnob::DriveWheel:
        return tr("Apply drive wheel diameter %1 to the design").arg(value);
    case WhatIfKnob::WeightMass:
        return tr("Apply weight %1 mass %2 to the design").arg(QString::number(weight + 1), value);
    case WhatIfKnob::WeightPosition:
        return tr("Apply weight %1 position %2 to the design").arg(QString::number(weight + 1), value);
    case WhatIfKnob::Friction:
        return tr("Apply friction %1 to the design").arg(value);
    }
    return {};
}

class WhatIfWindow::Canvas : public QWidget {
public:
    explicit Canvas(WhatIfWindow &window) : QWidget(&window), window_(window)
    {
        setMinimumSize(320, 240);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        paintRuns(painter, QRectF(rect()), window_.shown_ ? &*window_.shown_ : nullptr,
                  window_.faded_ ? &*window_.faded_ : nullptr, window_.name_);
    }

private:
    WhatIfWindow &window_;
};

WhatIfWindow::WhatIfWindow(WorkerPool &workers, QWidget *parent) : QWidget(parent, Qt::Tool), workers_(workers)
{
    setObjectName(QStringLiteral("WhatIfWin"));
    setWindowTitle(tr("What If"));
    auto *column = new QVBoxLayout(this);
    auto *weightRow = new QHBoxLayout;
    weightRow->addWidget(new QLabel(tr("Weight:"), this));
    weights_ = new QComboBox(this);
    weights_->setObjectName(QStringLiteral("WhatIfWeight"));
    weightRow->addWidget(weights_, 1);
    column->addLayout(weightRow);
    column->addLayout(buildSliders());
    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("WhatIfTime"));
    time_->setTextFormat(Qt::PlainText);
    time_->setWordWrap(true);
    column->addWidget(time_);
    canvas_ = new Canvas(*this);
    column->addWidget(canvas_, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    apply_ = new QPushButton(this);
    apply_->setObjectName(QStringLiteral("WhatIfApplyBtn"));
    apply_->setAutoDefault(false);
    apply_->hide();
    buttons->addWidget(apply_);
    column->addLayout(buttons);
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyClick(); });
    connect(weights_, &QComboBox::currentIndexChanged, this, [this] { weightChosen(); });
    resize(560, 720);
    // A small screen (1024x600) must still show the charts and the Apply button.
    if (const QScreen *shownOn = screen())
        resize(size().boundedTo(shownOn->availableGeometry().size() - QSize(16, 64)).expandedTo(minimumSizeHint()));
}

WhatIfWindow::~WhatIfWindow() { watch_.wait(); }

QLayout *WhatIfWindow::buildSliders()
{
    auto *grid = new QGridLayout;
    for (size_t i = 0; i < WhatIfKnobs.size(); ++i) {
        Row &row = rows_[i];
        const WhatIfKnob knob = WhatIfKnobs[i];
        row.caption = new QLabel(this);
        row.value = new QLabel(this);
        row.value->setMinimumWidth(row.value->fontMetrics().horizontalAdvance(QStringLiteral("0000.000 lb")));
        row.slider = new QSlider(Qt::Horizontal, this);
        row.slider->setObjectName(QStringLiteral("WhatIfSlider%1").arg(i));
        row.caption->setBuddy(row.slider);
        grid->addWidget(row.caption, static_cast<int>(i), 0);
        grid->addWidget(row.slider, static_cast<int>(i), 1);
        grid->addWidget(row.value, static_cast<int>(i), 2);
        connect(row.slider, &QSlider::sliderPressed, this, [this] {
            faded_ = shown_;
            keepFaded_ = true;
        });
        connect(row.slider, &QSlider::valueChanged, this, [this, knob, &row](int index) {
            if (!syncing_)
                moveKnob(knob, index, !row.slider->isSliderDown());
        });
        connect(row.slider, &QSlider::sliderReleased, this,
                [this, knob, &row] { moveKnob(knob, row.slider->value(), true); });
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

void WhatIfWindow::showDesign(const Workspace &workspace, const QString &name)
{
    base_ = std::make_shared<const Workspace>(workspace);
    name_ = name;
    setWindowTitle(tr("%1 - What If").arg(name));
    syncing_ = true;
    weights_->clear();
    for (int slot = 0; slot < WeightSlotCount; ++slot)
        if (const WeightSlot &weight = workspace.design.Weights[static_cast<size_t>(slot)]; !weight.isFree())
            weights_->addItem(tr("Weight %1 (%2 lb)").arg(QString::number(slot + 1), floatText(weight.Mass)), slot);
    if (weights_->count() == 0)
        weights_->addItem(tr("The design has no added weight"), -1);
    weights_->setEnabled(weights_->count() > 1 || weights_->itemData(0).toInt() >= 0);
    syncing_ = false;
    resetSliders();
    shown_.reset();
    faded_.reset();
    offered_.reset();
    apply_->hide();
    keepFaded_ = false;
    request(Request{});
}

void WhatIfWindow::resetSliders()
{
    if (!base_)
        return;
    const int weight = weights_->currentData().toInt();
    syncing_ = true;
    for (size_t i = 0; i < WhatIfKnobs.size(); ++i) {
        Row &row = rows_[i];
        row.range = whatIfRange(base_->design, WhatIfKnobs[i], weight);
        const bool weightKnob = WhatIfKnobs[i] == WhatIfKnob::WeightMass || WhatIfKnobs[i] == WhatIfKnob::WeightPosition;
        // A weight's knobs name no weight while there is none to move.
        row.caption->setText(row.range.available ? knobCaption(WhatIfKnobs[i], weight)
                             : weightKnob        ? knobCaption(WhatIfKnobs[i], -1)
                                                 : QString());
        row.slider->setEnabled(row.range.available && row.range.steps > 0);
        row.slider->setRange(0, row.range.steps);
        row.slider->setPageStep(std::max(1, row.range.steps / 10));
        row.slider->setValue(row.range.at);
        row.value->setText(row.range.available ? whatIfValueText(row.range, row.range.value) : QString());
    }
    syncing_ = false;
}

void WhatIfWindow::weightChosen()
{
    if (syncing_)
        return;
    // Another weight's sliders start from the design as it is: one change at a time.
    resetSliders();
    offered_.reset();
    apply_->hide();
    faded_ = shown_;
    request(Request{});
}

void WhatIfWindow::moveKnob(WhatIfKnob knob, int index, bool released)
{
    const size_t i = static_cast<size_t>(std::find(WhatIfKnobs.begin(), WhatIfKnobs.end(), knob) - WhatIfKnobs.begin());
    Row &row = rows_[i];
    if (!base_ || !row.range.available)
        return;
    index = std::clamp(index, 0, row.range.steps);
    if (row.slider->value() != index) {
        syncing_ = true;
        row.slider->setValue(index);
        syncing_ = false;
    }
    // One knob at a time: the others go back to the design's values.
    syncing_ = true;
    for (Row &other : rows_)
        if (&other != &row && other.range.available) {
            other.slider->setValue(other.range.at);
            other.value->setText(whatIfValueText(other.range, other.range.value));
        }
    syncing_ = false;
    const double value = index == row.range.at ? row.range.value : row.range.valueAt(index);
    row.value->setText(whatIfValueText(row.range, value));
    if (!keepFaded_)
        faded_ = shown_;
    if (released)
        keepFaded_ = false;
    const Request asked{index != row.range.at, knob, weights_->currentData().toInt(), value};
    request(asked);
    if (!released)
        return;
    offered_.reset();
    apply_->hide();
    if (asked.changed) {
        offered_ = asked;
        apply_->setText(applyText(knob, asked.weight, whatIfValueText(row.range, value)));
        apply_->show();
    }
}

void WhatIfWindow::ApplyClick()
{
    if (!offered_)
        return;
    const Request applied = *offered_;
    offered_.reset();
    apply_->hide();
    emit applyValue(applied.knob, applied.weight, applied.value);
}

void WhatIfWindow::request(const Request &asked)
{
    pending_ = asked;
    startNext();
}

void WhatIfWindow::startNext()
{
    if (watch_.watching() || !pending_ || !base_)
        return;
    const Request asked = *pending_;
    pending_.reset();
    // The copy is taken here, on the window's thread; the worker never sees the design.
    auto copy = std::make_shared<Workspace>(*base_);
    if (asked.changed) {
        const size_t i = static_cast<size_t>(std::find(WhatIfKnobs.begin(), WhatIfKnobs.end(), asked.knob) -
                                             WhatIfKnobs.begin());
        setWhatIfValue(copy->design, asked.knob, asked.weight, rows_[i].range, asked.value);
    }
    running_ = asked;
    watch_.watch(workers_.run([copy] { return RunWhatIf(*copy); }),
                 [this, asked](std::future<WhatIfRun> &done) { finished(done.get(), asked); });
}

void WhatIfWindow::finished(WhatIfRun run, const Request &asked)
{
    shown_ = std::move(run);
    shownAsked_ = asked;
    time_->setText(timeText());
    canvas_->update();
    startNext();
}

QString WhatIfWindow::timeText() const
{
    if (!shown_)
        return {};
    QString now = timeWords(*shown_);
    // The build makes a drive wheel too small for the spring's case larger; the run is of that car.
    if (shownAsked_.changed && shownAsked_.knob == WhatIfKnob::DriveWheel &&
        parseFloat(shown_->DriveWhlDia).value_or(0.0f) > static_cast<float>(shownAsked_.value) + 1e-4f)
        now = tr("%1 (built with a %2 in drive wheel, to fit the spring's case)").arg(now, shown_->DriveWhlDia);
    return faded_ ? tr("Now: %1; before: %2").arg(now, timeWords(*faded_)) : tr("Now: %1").arg(now);
}

QString WhatIfWindow::offerText() const { return offered_ ? apply_->text() : QString(); }

QImage WhatIfWindow::picture(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRuns(painter, QRectF(QPointF(0, 0), QSizeF(size)), shown_ ? &*shown_ : nullptr, faded_ ? &*faded_ : nullptr,
              name_);
    return image;
}

} // namespace zindle
