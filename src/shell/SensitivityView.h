// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sensitivity window: which small change of one input would change the current design's
// time most, computed again on the workers after every change of the design while the window
// is open (a few milliseconds), and shown for the design it was computed for.

#include "app/FutureWatch.h"
#include "physics/SensitivityResult.h"

#include <QByteArray>
#include <QString>

namespace zindle {

class ChartWindow;
class MainWindow;

class SensitivityView {
public:
    explicit SensitivityView(MainWindow &window) : window_(window) {}

    void ShowSensitivity();
    ChartWindow *sensitivity() const { return chart_; }
    bool computing() const { return watch_.watching(); }
    // After a refresh or a change of the design.
    void follow();

private:
    void start();
    void show(const SensitivityResult &result, const QString &name);

    MainWindow &window_;
    ChartWindow *chart_ = nullptr;
    QByteArray shownKey_, runningKey_;
    bool again_ = false; // the design changed while a computation ran
    FutureWatch<SensitivityResult> watch_;
};

} // namespace zindle
