// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Simulate mode's state panel: time to 15 feet, top speed and distance (with what the
// distance was predicted to be when the run fell short of it), the running time, distance and
// wheel revolutions of the simulation, and the dynamic panel's buttons: wind up, step forward
// and view the entire cycle.

#include "ModePanel.h"

#include <array>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace zindle {

class MainWindow;
class ResultFieldsView;
struct SimulationFrame;
struct Workspace;

class SimulatePanel : public ModePanel {
    Q_OBJECT
public:
    // `forceWidgets` is the force picture, which Simulate mode shows as well.
    SimulatePanel(MainWindow &window, ResultFieldsView &results, std::vector<QWidget *> &forceWidgets,
                  QWidget *parent);

    void enter() override;
    void leave() override;

    // The four running labels of a shown frame.
    void showFrame(const SimulationFrame &frame);
    // Buttons, running labels and the revised distance as the simulation state says.
    void sync(const Workspace &workspace);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    static constexpr int WidthForChartsButton = 900;
    std::vector<QWidget *> &forceWidgets_;
    QPushButton *charts_ = nullptr;
    QWidget *dynamicPanel_ = nullptr;
    QLabel *dynamicLabel_ = nullptr;
    QLabel *revisedLabel_ = nullptr;
    QLabel *time_ = nullptr, *distance_ = nullptr, *revsLeft_ = nullptr, *revsRight_ = nullptr;
    QToolButton *rewind_ = nullptr, *step_ = nullptr, *toEnd_ = nullptr;
    // The running labels, caption over value: in one row, or two rows of two in a narrow strip
    // so that none runs into the next.
    void placeLiveLabels(bool twoRows);
    QGridLayout *liveGrid_ = nullptr;
    std::array<QWidget *, 4> liveCaptions_{}, liveValues_{};
    bool liveInTwoRows_ = false;
};

} // namespace zindle
