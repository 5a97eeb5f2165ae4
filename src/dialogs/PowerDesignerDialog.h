#pragma once
// The Power Designer: a tool window that sweeps spring width, spring length and drive wheel
// diameter over a grid, running the Simulate refresh for every combination, and shows the
// best time to 15 ft it found. The window stays usable during the sweep: STOP takes effect
// before the next combination.

#include "physics/PowerDesigner.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace zindle {

class Prompter;
struct Workspace;

class PowerDesignerDialog : public QDialog {
    Q_OBJECT
public:
    PowerDesignerDialog(Workspace &workspace, Prompter &prompter, QWidget *parent);

    // Called before a sweep starts (the window enters Simulate mode here).
    std::function<void()> beforeSweep;
    // Called when a sweep has ended, stopped or finished.
    std::function<void()> afterSweep;
    // Runs the whole Simulate refresh for the design as it now stands (required).
    std::function<void()> runSimulateChain;
    // True when the window has moved on (another mode or design) and the sweep must end.
    std::function<bool()> windowMovedOn;

    void GoClick();
    void StopClick() { stopRequested_ = true; }
    void CancelClick() { hide(); }

    bool sweeping() const { return sweeping_; }
    const SweepOutcome &lastOutcome() const { return outcome_; }
    QLineEdit *field(const QString &objectName) const;

private:
    SweepRanges ranges() const;
    void showBest(const SweepBest &best);

    Workspace &workspace_;
    Prompter &prompter_;
    SweepBest best_;
    SweepOutcome outcome_;
    bool stopRequested_ = false;
    bool sweeping_ = false;
    QPushButton *go_ = nullptr;
};

} // namespace zindle
