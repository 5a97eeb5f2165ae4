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
        if (event->button() == Qt::LeftButton)
            emit clicked();
        QLabel::mousePressEvent(event);
    }
};

} // namespace zindle
