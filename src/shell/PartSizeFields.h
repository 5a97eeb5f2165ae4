// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part size fields of the Design mode (spring width and length, axle and wheel diameters,
// axle lengths). Only the fields of the selected part are shown, stacked in the top and bottom
// places. A typed change waits for Apply; leaving a field takes a valid text into the design
// without recomputing; every change is validated against all the other sizes first.

#include "model/DesignRecord.h"

#include <QObject>
#include <array>
#include <functional>
#include <vector>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace zindle {

class MainWindow;

class PartSizeFields : public QObject {
public:
    // Builds the fields on `panel` into the two stacks. `edited` runs when the user types in
    // a field, `returnPressed` when Return is pressed in one.
    PartSizeFields(MainWindow &window, QWidget *panel, QGridLayout *topStack, QGridLayout *bottomStack,
                   std::function<void()> edited, std::function<void()> returnPressed);

    // The field of part-box item `partNameIndex` in the top or bottom place, or null.
    QLineEdit *field(int partNameIndex, bool bottom) const;
    void hideAll();
    // Shows the design's sizes in every field the user is not typing in.
    void sync();
    // Takes every pending size into the design, in a fixed order, each validated and refreshed
    // on its own; a refused size goes back to the design's value.
    // Returns the design texts it took.
    std::vector<QString DesignRecord::*> applyPending();
    void stopWatching();
    // Forgets every typed size waiting for Apply (another design has come in).
    void clearPending() { pending_.fill(false); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fieldExit(QLineEdit *field);

    MainWindow &window_;
    std::vector<QLineEdit *> fields_; // in the order of the field table
    std::array<bool, 22> pending_{};  // pending-change slots 14..21
    bool editedSinceEnter_ = false;   // typed in since the field was entered
    std::function<void()> keyPressed_;
};

} // namespace zindle
