#pragma once
// The Simulate mode's state panel: time to 15 feet, top speed and distance, and the running
// time, distance and wheel revolutions of the simulation.

#include "ModePanel.h"

#include <vector>

class QLabel;

namespace zindle {

class MainWindow;
class ResultFieldsView;

class SimulatePanel : public ModePanel {
    Q_OBJECT
public:
    // `forceWidgets` is the force picture, which Simulate mode shows as well.
    SimulatePanel(MainWindow &window, ResultFieldsView &results, std::vector<QWidget *> &forceWidgets,
                  QWidget *parent);

    void enter() override;
    void leave() override;

private:
    std::vector<QWidget *> &forceWidgets_;
    QWidget *dynamicPanel_ = nullptr;
    QLabel *dynamicLabel_ = nullptr;
};

} // namespace zindle
