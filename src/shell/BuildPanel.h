// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Build mode's state panel and 3D view: the layer counts, body width and bottles needed,
// the buttons that draw the car's layers one stage at a time (Rewind, Step, To end, Stop), the
// "Picture Size" slider and the progress label.
//
// A drawing is played by the window's player, a stage per tick, so the window stays usable and
// Stop works between stages; meanwhile the window's other tools are locked. Leaving the mode
// stops it; a refresh (a resize) that comes in during a drawing stops it and draws afresh.

#include "ModePanel.h"
#include "output/BuildView3D.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;

class QLabel;
class QSlider;
class QToolButton;

namespace zindle {

class MainWindow;
class ResultFieldsView;

class BuildPanel : public ModePanel {
    Q_OBJECT
public:
    BuildPanel(MainWindow &window, ResultFieldsView &results, QWidget *parent);
    ~BuildPanel() override;

    void enter() override;
    void leave() override;
    // Every mode switch starts the 3D picture from nothing and ends a drawing in progress.
    void modeSwitched();
    // The buttons wait until the picture has been drawn.
    void disableStepping();
    // The Build mode refresh: the whole picture on the sheet.
    void drawView();

    void Rewind3DBtnClick();
    void StepForward3DBtnClick();
    void ToEnd3DBtnClick();
    void DrawCancelBtnClick();
    // Slider3D at rest at `position` (0 Small, 1 Med, 2 Large).
    void Slider3DChange(int position);

    const BuildView3D &view() const { return view3D_; }
    bool drawing() const { return view3D_.isDrawing(); }

private:
    void run(const Build3DRequest &request);
    void lockWindow(bool lock);
    void syncControls();

    MainWindow &window_;
    BuildView3D view3D_;
    bool processWasEnabled_ = true, menuWasEnabled_ = true;
    std::vector<QPointer<QAction>> lockedActions_;
    QWidget *play3DPanel_ = nullptr;
    QToolButton *rewind3DBtn_ = nullptr, *stepForward3DBtn_ = nullptr, *toEnd3DBtn_ = nullptr;
    QToolButton *drawCancelBtn_ = nullptr;
    QSlider *slider3D_ = nullptr;
    QLabel *progress3DLabel_ = nullptr;
};

} // namespace zindle
