#pragma once
// The Build mode's state panel and 3D view: the layer counts, body width and bottles needed,
// and the buttons that add the car's layers to the picture one stage at a time.

#include "ModePanel.h"
#include "output/BuildView3D.h"

class QToolButton;

namespace zindle {

class MainWindow;
class ResultFieldsView;

class BuildPanel : public ModePanel {
    Q_OBJECT
public:
    BuildPanel(MainWindow &window, ResultFieldsView &results, QWidget *parent);

    void enter() override;
    void leave() override;
    // Every mode switch starts the 3D picture from nothing.
    void modeSwitched() { view3D_.modeSwitched(); }
    // The buttons wait until the picture has been drawn.
    void disableStepping();
    // Draws the 3D picture the refresh asks for on the sheet.
    void drawView();

private:
    MainWindow &window_;
    BuildView3D view3D_;
    QWidget *play3DPanel_ = nullptr;
    QToolButton *stepForward3DBtn_ = nullptr, *toEnd3DBtn_ = nullptr;
};

} // namespace zindle
