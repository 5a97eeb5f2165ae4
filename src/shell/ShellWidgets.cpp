// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellWidgets.h"

#include "dialogs/ClickLabel.h"
#include "dialogs/HelpLinks.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <algorithm>

namespace zindle {

namespace {

// Keeps a closed combo box from changing its choice by the wheel or by keys.
class DeliberateChoice : public QObject {
public:
    explicit DeliberateChoice(QComboBox *box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != box_)
            return false;
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            // Moving through the items happens in the open list, where Enter picks one.
            box_->showPopup();
            return true;
        default:
            // Typing over a closed box would jump to the item starting with that letter.
            return !key->text().isEmpty() && key->text().at(0).isPrint();
        }
    }

private:
    QComboBox *box_;
};

} // namespace

void chooseOnlyDeliberately(QComboBox *box)
{
    box->installEventFilter(new DeliberateChoice(box));
}

QToolButton *speedButton(const QString &name, const QString &text, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolTipDuration(HintDuration);
    button->setAutoRaise(false);
    return button;
}

ClickLabel *helpCaption(const QString &text, const QString &helpPath, HelpLinks &help, QWidget *parent)
{
    auto *link = new ClickLabel(text, parent);
    // Reached by Tab, not taken by a click: a click opens the page, it does not move the focus.
    link->setFocusPolicy(Qt::TabFocus);
    QObject::connect(link, &ClickLabel::clicked, link, [&help, helpPath] { help.open(helpPath); });
    return link;
}

void setPanelColour(QWidget *panel, const QColor &colour)
{
    if (!panel)
        return;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

SliderTickLabels::SliderTickLabels(QSlider *slider, QStringList captions, QWidget *parent)
    : QWidget(parent), slider_(slider), captions_(std::move(captions))
{
    setObjectName(slider->objectName() + QStringLiteral("Labels"));
}

int SliderTickLabels::tickX(int value) const
{
    // Where the slider's style draws its ticks: the handle's centre at that position.
    QStyleOptionSlider option;
    option.initFrom(slider_);
    option.orientation = slider_->orientation();
    option.minimum = slider_->minimum();
    option.maximum = slider_->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.tickPosition = slider_->tickPosition();
    option.tickInterval = slider_->tickInterval();
    option.upsideDown = slider_->invertedAppearance();
    const QStyle *style = slider_->style();
    const int length = style->pixelMetric(QStyle::PM_SliderLength, &option, slider_);
    const int available = style->pixelMetric(QStyle::PM_SliderSpaceAvailable, &option, slider_);
    const int x = QStyle::sliderPositionFromValue(option.minimum, option.maximum, value, available,
                                                  option.upsideDown) + length / 2;
    return slider_->mapTo(window(), QPoint(x, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
}

QSize SliderTickLabels::sizeHint() const
{
    return {slider_->sizeHint().width(), fontMetrics().height()};
}

void SliderTickLabels::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < captions_.size(); ++i) {
        const int value = slider_->minimum() + i;
        if (value > slider_->maximum())
            break;
        const int w = metrics.horizontalAdvance(captions_[i]);
        // Centred under the tick, but kept inside the widget at both ends.
        const int left = std::clamp(tickX(value) - w / 2, 0, std::max(0, width() - w));
        painter.drawText(QRect(left, 0, w, height()), Qt::AlignCenter, captions_[i]);
    }
}

} // namespace zindle
