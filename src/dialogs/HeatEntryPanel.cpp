// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeatEntryPanel.h"

#include "LocalDecimalComma.h"

#include "model/LaneTimeText.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zindle {

HeatEntryPanel::HeatEntryPanel(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("HeatCaption"));
    caption_->setTextFormat(Qt::PlainText);
    QFont bold = caption_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    caption_->setFont(bold);
    layout->addWidget(caption_);
    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    layout->addLayout(rows_);
}

void HeatEntryPanel::clearRows()
{
    // A field's own Enter may be what records the heat and brings the next one, so the old
    // rows go once that key has been handled.
    for (QWidget *widget : rowWidgets_) {
        rows_->removeWidget(widget);
        widget->hide();
        widget->deleteLater();
    }
    rowWidgets_.clear();
    fields_.clear();
}

void HeatEntryPanel::showHeat(int heat, const QString &caption, const std::vector<Lane> &lanes)
{
    clearRows();
    heat_ = heat;
    caption_->setText(caption);
    QLineEdit *first = nullptr;
    for (size_t i = 0; i < lanes.size(); ++i) {
        const Lane &lane = lanes[i];
        const int row = static_cast<int>(i);
        auto *number = new QLabel(tr("Lane %1").arg(i + 1), this);
        QString carText = lane.blocked ? tr("(blocked)") : lane.car.isEmpty() ? tr("(empty)") : lane.car;
        if (!lane.expected.isEmpty())
            carText += QStringLiteral("\n") + lane.expected;
        auto *car = new QLabel(carText, this);
        car->setTextFormat(Qt::PlainText);
        rows_->addWidget(number, row, 0);
        rows_->addWidget(car, row, 1);
        rowWidgets_.push_back(number);
        rowWidgets_.push_back(car);
        if (lane.car.isEmpty() || lane.blocked) {
            fields_.push_back(nullptr);
            continue;
        }
        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("LaneTime%1").arg(i + 1));
        field->setAccessibleName(tr("Lane %1 time, %2").arg(i + 1).arg(lane.car));
        field->setPlaceholderText(tr("s, or D"));
        field->setMaxLength(9);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000.000 s")) + 16);
        if (lane.dnf)
            field->setText(QStringLiteral("D"));
        else if (lane.time)
            field->setText(QString::number(*lane.time, 'f', 2));
        field->installEventFilter(this);
        acceptLocalDecimalComma(field);
        connect(field, &QLineEdit::textEdited, this, [this, row](const QString &text) {
            if (laneTimeComplete(text))
                moveOn(row);
        });
        connect(field, &QLineEdit::returnPressed, this, &HeatEntryPanel::recordRequested);
        rows_->addWidget(field, row, 2);
        rowWidgets_.push_back(field);
        fields_.push_back(field);
        if (!first)
            first = field;
    }
    // Shown now, not when the layout gets round to it, so that the first field can take the
    // focus while the timekeeper's hands are still on the keys.
    for (QWidget *widget : rowWidgets_)
        widget->show();
    if (first) {
        first->setFocus();
        first->selectAll();
    }
}

void HeatEntryPanel::showNone(const QString &text)
{
    clearRows();
    heat_ = -1;
    caption_->setText(text);
}

void HeatEntryPanel::moveOn(int lane)
{
    for (size_t next = static_cast<size_t>(lane) + 1; next < fields_.size(); ++next)
        if (fields_[next]) {
            fields_[next]->setFocus();
            fields_[next]->selectAll();
            return;
        }
}

int HeatEntryPanel::openLaneBefore(int lane) const
{
    for (int before = lane - 1; before >= 0; --before)
        if (fields_[static_cast<size_t>(before)])
            return before;
    return -1;
}

bool HeatEntryPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Backspace) {
        for (size_t lane = 0; lane < fields_.size(); ++lane) {
            if (fields_[lane] != watched || !fields_[lane]->text().isEmpty())
                continue;
            const int before = openLaneBefore(static_cast<int>(lane));
            if (before >= 0) {
                fields_[static_cast<size_t>(before)]->setFocus();
                fields_[static_cast<size_t>(before)]->end(false);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool HeatEntryPanel::readTimes(std::vector<std::optional<double>> &times, QString &error) const
{
    times.assign(fields_.size(), std::nullopt);
    for (size_t lane = 0; lane < fields_.size(); ++lane) {
        if (!fields_[lane])
            continue;
        const QString text = fields_[lane]->text().trimmed();
        if (text.isEmpty()) {
            error = tr("Lane %1 has no time yet: type it, or D for a car that did not finish.").arg(lane + 1);
            return false;
        }
        const LaneTime time = parseLaneTime(text);
        if (!time.ok) {
            error = tr("Lane %1: %2.").arg(lane + 1).arg(time.error);
            return false;
        }
        times[lane] = time.seconds;
    }
    return true;
}

QLineEdit *HeatEntryPanel::timeField(int lane) const
{
    return lane >= 0 && static_cast<size_t>(lane) < fields_.size() ? fields_[static_cast<size_t>(lane)] : nullptr;
}

} // namespace zindle
