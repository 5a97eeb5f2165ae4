// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Results in Detail": every result of the design in one table, with the caption, value and
// meaning the table of result fields gives, including those no panel of the window shows (case
// diameters, centroid, normal forces, traction, propulsion). It follows every refresh while it
// is open; a caption with a help page opens that page when activated. Numbers that are not the
// named design's own as it stands (another design's, or computed before a change) are not
// shown: a line above the table says what to press for them.

#include "app/ResultsOwner.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace zindle {

class HelpLinks;
struct DesignRecord;
struct ResultFields;

class ResultDetailsWindow : public QWidget {
    Q_OBJECT
public:
    ResultDetailsWindow(const HelpLinks &help, QWidget *parent);

    // The values of `design` and `results` as they stand now, as far as `coverage` says they
    // are the design named `designName`'s own.
    void showValues(const DesignRecord &design, const ResultFields &results,
                    ResultsCoverage coverage = ResultsCoverage::All, const QString &designName = {});
    QTableWidget *table() const { return table_; }
    QLabel *notice() const { return notice_; }

private:
    void openHelpOfRow(int row);
    const HelpLinks &help_;
    QTableWidget *table_ = nullptr;
    QLabel *notice_ = nullptr;
};

} // namespace zindle
