#pragma once
// The drawing sheet of the main window: a picture that shows the bitmap every mode draws on.

#include <QImage>
#include <QWidget>

namespace zindle {

class SheetImage : public QWidget {
    Q_OBJECT
public:
    explicit SheetImage(QWidget *parent = nullptr);

    QImage &canvas() { return canvas_; }
    const QImage &canvas() const { return canvas_; }
    // Makes the bitmap as large as the picture; its contents are redrawn by the caller.
    void fitCanvas();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage canvas_;
};

} // namespace zindle
