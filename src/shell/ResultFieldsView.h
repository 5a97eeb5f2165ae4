// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read-only result fields of the mode panels. Each panel places its fields here by name; the
// caption and its help page come from the result field table, and after every refresh the window
// copies the workspace's results into all of them in one place.

#include <QString>
#include <utility>
#include <vector>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace zindle {

class HelpLinks;
struct DesignRecord;
struct ResultFieldRow;
struct ResultFields;

class ResultFieldsView {
public:
    explicit ResultFieldsView(HelpLinks &help) : help_(help) {}

    // The field `fieldName` and its caption (a help link when the field has a help page), side by
    // side in the grid; the caption label is named `labelName`.
    QLineEdit *addField(QWidget *parent, QGridLayout *grid, int row, int column, const QString &fieldName,
                        const QString &labelName);
    void show(const DesignRecord &design, const ResultFields &results);

private:
    HelpLinks &help_;
    std::vector<std::pair<const ResultFieldRow *, QLineEdit *>> edits_;
};

} // namespace zindle
