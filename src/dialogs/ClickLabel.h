// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that reacts to a press: the help captions of the result fields and the links of the
// start-up window.

#include <QKeyEvent>
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
    // A label that takes the focus (the help captions do) is a link for the keyboard too: Enter
    // or Space opens it, and it is underlined while it has the focus, as nothing else shows it.
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
            event->accept();
            emit clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QLabel::focusInEvent(event);
        underline(true);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QLabel::focusOutEvent(event);
        underline(false);
    }

private:
    void underline(bool on)
    {
        QFont shown = font();
        shown.setUnderline(on);
        setFont(shown);
    }
};

} // namespace zindle
