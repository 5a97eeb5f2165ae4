// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The challenge's checklist beside the sheet: its title, one line per rule with a pass or fail
// mark and what was measured ("Mass 0.34 lb: over the 0.30 lb limit"), and whether every rule is
// kept. The lines are those of the live results; while a newer state of the design is being
// computed the list is greyed and says so, so a check of an older state never reads as current.

#include <QFrame>
#include <QStringList>

class QLabel;
class QListWidget;

namespace zindle {

class LiveResults;
struct LiveResult;

class ChallengeChecklist : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 300;

    ChallengeChecklist(LiveResults &live, QWidget *parent);
    // Whether the list shows the checks of the newest state.
    bool current() const { return current_; }
    // The rule lines as shown, a mark and the sentence each, top to bottom.
    QStringList lines() const;
    QString summary() const;
    QString heading() const;

private:
    void refresh();
    void showChecks(const LiveResult &result);

    LiveResults &live_;
    QLabel *title_ = nullptr;
    QLabel *state_ = nullptr;
    QListWidget *rules_ = nullptr;
    QLabel *summary_ = nullptr;
    bool current_ = false;
};

} // namespace zindle
