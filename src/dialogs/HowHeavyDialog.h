// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "How heavy?": asks for the mass of a weight the user has just placed on the sheet. OK only
// closes the dialog once the weight is in the design; a refused or homeless weight keeps it open.

#include <QDialog>
#include <QPoint>

class QLineEdit;
class QPushButton;

namespace zindle {

struct DesignRecord;
class Prompter;

class HowHeavyDialog : public QDialog {
    Q_OBJECT
public:
    HowHeavyDialog(DesignRecord &design, Prompter &prompter, QWidget *parent = nullptr);

    // Where the weight goes (sheet points); clears the outcome of the last showing.
    void prepare(QPoint pendingWeight);
    // Whether the last showing ended with a weight added.
    bool added() const { return added_; }
    QLineEdit *howHeavyField() const { return howHeavy_; }

    void HHOKBtnClick();
    void HHCancelBtnClick();

private:
    DesignRecord &design_;
    Prompter &prompter_;
    QPoint pending_;
    bool added_ = false;
    QLineEdit *howHeavy_ = nullptr;
};

} // namespace zindle
