// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of build tolerances: the window made when first shown and given the current
// design after every change, and the band of its last study for the run charts while that study
// is still of the design shown.

#include "physics/ToleranceStatistics.h"

#include <optional>

namespace zindle {

class MainWindow;
class TolerancesWindow;

class TolerancesView {
public:
    explicit TolerancesView(MainWindow &window) : window_(window) {}

    void ShowTolerances();
    TolerancesWindow *tolerances() const { return tolerances_; }
    void follow();
    // The band of the study of the current design as it stands; none otherwise.
    std::optional<ToleranceBand> band() const;

private:
    MainWindow &window_;
    TolerancesWindow *tolerances_ = nullptr;
};

} // namespace zindle
