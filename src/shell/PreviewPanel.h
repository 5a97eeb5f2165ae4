// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Preview Templates mode: its state panel (Rewind, Next and the template's caption) and
// the template shown on the sheet.

#include "ModePanel.h"
#include "output/Templates.h"

class QLabel;
class QToolButton;

namespace zindle {

class MainWindow;

class PreviewPanel : public ModePanel {
    Q_OBJECT
public:
    PreviewPanel(MainWindow &window, QWidget *parent);

    // Entering the mode: Next is up, Rewind is not, until the templates are counted.
    void reset();
    // After the refresh prepared the templates: counts them and shows the first.
    void showPrepared();
    void StepPVBtnClick();
    void RewindPvBtnClick();
    // Every mode switch starts again from template 1.
    void modeSwitched() { preview_.PreviewIndex = 1; }

private:
    void showTemplate();
    void syncButtons();

    MainWindow &window_;
    TemplatePreviewState preview_;
    QLabel *previewLabel_ = nullptr;
    QToolButton *stepPVBtn_ = nullptr, *rewindPvBtn_ = nullptr;
};

} // namespace zindle
