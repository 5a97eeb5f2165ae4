// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window, which is also the first window the user sees. Any of its closing clicks
// dismisses it; the main window decides whether that starts the design environment.

#include "HelpLinks.h"

#include <QDialog>

class QPushButton;
class QScreen;

namespace zindle {

class ClickLabel;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const HelpLinks &help, QWidget *parent = nullptr);

    // Hides the window with the result OK and announces it.
    void Dismiss();

    QPushButton *startButton() const { return startButton_; }

    // Places the window in the middle of `screen`'s available area. Left to itself, a dialog
    // centres on its parent, and at start-up the parent is a main window not yet shown.
    void CentreOnScreen(const QScreen *screen);

signals:
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void reject() override; // Escape dismisses like every other closing click
    void closeEvent(QCloseEvent *event) override;

private:
    const HelpLinks &help_;
    QPushButton *startButton_ = nullptr;
};

// The picture of the product: a foam-board car on its wheels.
QPixmap AboutPicture();

} // namespace zindle
