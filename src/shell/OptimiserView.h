// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of the optimiser: opens its dialog, and puts a design it chose into the
// window's design as one step of the history, shown in Simulate.

namespace zindle {

class MainWindow;
class OptimiserDialog;

class OptimiserView {
public:
    explicit OptimiserView(MainWindow &window) : window_(window) {}
    // A search still running stops, and nothing it found reaches a window that is going.
    ~OptimiserView();
    OptimiserView(const OptimiserView &) = delete;
    OptimiserView &operator=(const OptimiserView &) = delete;

    // Modes menu "Optimiser...".
    void ShowOptimiser();
    OptimiserDialog *optimiser() const { return dialog_; }

private:
    MainWindow &window_;
    OptimiserDialog *dialog_ = nullptr;
};

} // namespace zindle
