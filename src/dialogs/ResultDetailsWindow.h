#pragma once
// "Results in Detail": every result of the design in one table, with the caption, value and
// meaning the table of result fields gives, including those no panel of the window shows (case
// diameters, centroid, normal forces, traction, propulsion). It follows every refresh while it
// is open; a caption with a help page opens that page when activated.

#include <QWidget>

class QTableWidget;

namespace zindle {

class HelpLinks;
struct DesignRecord;
struct ResultFields;

class ResultDetailsWindow : public QWidget {
    Q_OBJECT
public:
    ResultDetailsWindow(const HelpLinks &help, QWidget *parent);

    // The values of `design` and `results` as they stand now.
    void showValues(const DesignRecord &design, const ResultFields &results);
    QTableWidget *table() const { return table_; }

private:
    void openHelpOfRow(int row);
    const HelpLinks &help_;
    QTableWidget *table_ = nullptr;
};

} // namespace zindle
