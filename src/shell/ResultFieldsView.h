#pragma once
// The read-only result fields of the mode panels. Each panel adds its fields here; after every
// refresh the window copies the workspace's ResultFields into all of them in one place.

#include <QString>
#include <vector>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace zindle {

class HelpLinks;
struct ResultFields;

class ResultFieldsView {
public:
    explicit ResultFieldsView(HelpLinks &help) : help_(help) {}

    // A caption (a help link when helpPath is given) and its field, side by side in the grid.
    QLineEdit *addField(QWidget *parent, QGridLayout *grid, int row, int column, const QString &caption,
                        const QString &helpPath, const QString &fieldName, const QString &labelName);
    void show(const ResultFields &results);

private:
    HelpLinks &help_;
    std::vector<QLineEdit *> edits_;
};

} // namespace zindle
