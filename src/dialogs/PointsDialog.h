// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Points...: an outline's points as a table of inches, so a shape can be typed, or a drawn
// one corrected, without a mouse. Insert adds a point after the current one, Delete removes it;
// OK closes only once the points pass the drawn outline's checks, and the caller then puts them
// into the design as one step, as a drawing would be.

#include "sheet/OutlinePoints.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace zindle {

class Prompter;

enum class PointsLayer { Outer, Inner };

class PointsDialog : public QDialog {
public:
    PointsDialog(Prompter &prompter, QWidget *parent = nullptr);

    // Shows both layers' points; the inner layer can be chosen only when the outer one may carry it.
    void prepare(const std::vector<QPoint> &outer, const std::vector<QPoint> &inner, bool innerAllowed,
                 PointsLayer shown);

    PointsLayer layer() const;
    // The checked points of the chosen layer, after OK.
    const std::vector<QPoint> &points() const { return accepted_; }

    QTableWidget *table() const { return table_; }
    QComboBox *layerBox() const { return layerBox_; }

    void accept() override;
    void addPoint();
    void removePoint();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showLayer(PointsLayer which);
    void keepTypedRows();
    std::vector<InchTexts> typedRows() const;

    Prompter &prompter_;
    QComboBox *layerBox_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPushButton *addButton_ = nullptr;
    QPushButton *removeButton_ = nullptr;
    std::vector<InchTexts> rows_[2]; // what each layer's table holds, kept while the other is shown
    PointsLayer shown_ = PointsLayer::Outer;
    std::vector<QPoint> accepted_;
};

} // namespace zindle
