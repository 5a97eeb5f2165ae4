// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing sheet of the main window: a picture that shows the bitmap every mode draws on,
// and passes the mouse on to whoever edits the design on it.

#include <QImage>
#include <QWidget>

namespace zindle {

// Receives the sheet's mouse events in pixels of the picture (which are the bitmap's pixels).
class SheetMouse {
public:
    virtual ~SheetMouse() = default;
    virtual void ImageMouseDown(QPoint pixel) = 0;
    virtual void ImageMouseMove(QPoint pixel) = 0;
    virtual void ImageMouseUp(QPoint pixel) = 0;
    virtual void ImageDblClick(QPoint pixel) = 0;
    // The pointer has left the sheet.
    virtual void ImageMouseLeave() {}
};

class SheetImage : public QWidget {
    Q_OBJECT
public:
    explicit SheetImage(QWidget *parent = nullptr);

    QImage &canvas() { return canvas_; }
    const QImage &canvas() const { return canvas_; }
    // Makes the bitmap as large as the picture; its contents are redrawn by the caller.
    void fitCanvas();
    void setMouseHandler(SheetMouse *handler) { mouse_ = handler; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QImage canvas_;
    SheetMouse *mouse_ = nullptr;
};

} // namespace zindle
