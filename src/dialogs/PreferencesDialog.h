// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Preferences dialog: element size, spring-to-case area ratio, friction force and chamber
// shape. Its values are the current design's own settings.

#include "model/Prompter.h"
#include "app/Workspace.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QRadioButton;
class QPushButton;

namespace zindle {

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(Workspace &workspace, Prompter &prompter, QWidget *parent = nullptr);

    // Shows the current design's settings in the controls.
    void LoadFromDesign();

    // Field events (entering and leaving a field, clicking a chamber button, OK and Cancel).
    void FieldEnter();
    void CaseRatioEFExit();
    void FrictionEFExit();
    void ChamberClick();
    // Validates the three fields; when they pass the dialog closes with OK. Returns whether it closed.
    bool PrefOKBtnClick();
    void PFCancelBtnClick();
    // Whether the dialog was last closed by OK (which asks for a refresh) rather than Cancel.
    bool closedByOK() const { return closedByOK_; }

    // The check a field runs when it is left: every design parameter plus the two given texts.
    // Shows its own message and returns false on the first failure. The main window puts the
    // full parameter check here; by itself the dialog checks only its two fields.
    std::function<bool(const QString &caseRatio, const QString &friction)> validateParameters;

    QLineEdit *stepSizeField() const { return stepSize_; }
    QLineEdit *caseRatioField() const { return caseRatio_; }
    QLineEdit *frictionField() const { return friction_; }
    QRadioButton *octagonalButton() const { return octagonal_; }
    QRadioButton *circularButton() const { return circular_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool validateField(const QString &caseRatio, const QString &friction);
    void fieldExit(QLineEdit *field, QString DesignRecord::*stored);

    Workspace &workspace_;
    Prompter &prompter_;
    QLineEdit *stepSize_ = nullptr;
    QLineEdit *caseRatio_ = nullptr;
    QLineEdit *friction_ = nullptr;
    QRadioButton *octagonal_ = nullptr;
    QRadioButton *circular_ = nullptr;
    bool edited_ = false;
    bool loading_ = false;
    bool closedByOK_ = false;
};

// The checks of the two preference values that the parameter check runs (its last two checks):
// shows the refusal and returns false on the first failure.
bool ValidatePreferenceTexts(Prompter &prompter, const QString &caseRatio, const QString &friction);

} // namespace zindle
