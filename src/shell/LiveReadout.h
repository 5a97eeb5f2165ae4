// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Design mode's line of live results: time to 15 ft, top speed, mass and the advisories of
// the design as it stands, as Simulate will show them. While a newer state is being computed
// the line is greyed and marked as updating; the values of an older state are never shown as
// current. The exact texts of the result fields are in the hint.

#include <QLabel>

namespace zindle {

class LiveResults;
struct LiveResult;

// The line's text for a result: "15 ft in 2.37 s · top 6.63 ft/s · 0.231 lb · no advisories",
// the bracketed time of a car that falls short, or why the car cannot run.
QString liveReadoutText(const LiveResult &result);
// The hint: every value as its result field holds it, and the advisories' texts.
QString liveReadoutHint(const LiveResult &result);

class LiveReadout : public QLabel {
    Q_OBJECT
public:
    LiveReadout(LiveResults &live, QWidget *parent);
    // Whether the line shows the newest state (false while it is greyed, updating).
    bool current() const { return current_; }
    // The widest the line gets with usual values.
    int usualWidth() const;

private:
    void refresh();

    LiveResults &live_;
    bool current_ = false;
};

} // namespace zindle
