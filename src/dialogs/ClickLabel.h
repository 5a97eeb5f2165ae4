// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that reacts to a press: the help captions of the result fields and the links of the
// start-up window.

#include <QLabel>
#include <QMouseEvent>

namespace zindle {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr) : QLabel(text, parent) {}

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QLabel::mousePressEvent(event);
        if (event->button() != Qt::LeftButton)
            return;
        // The press is the label's: it must not also reach the window below, where the
        // start-up window would take it for a closing click.
        event->accept();
        emit clicked();
    }
};

} // namespace zindle
