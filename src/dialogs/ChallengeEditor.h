// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's editor of a challenge: title and text, the rules (a rule kind, an operator and a
// value each; a rule the program would refuse says why in its row), the scoring, the rubric rows
// and the prompts. Numbers are typed as the desktop writes them ("0,25" in Munich) and written
// to the file as the file always holds them ("0.25"). Save writes the file whole and atomically
// and asks before an existing file is replaced.

#include "model/Challenge.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace zindle {

class Prompter;

// A number as typed in the user's locale, as the file writes it: the decimal comma becomes a
// point and group separators go; anything else stays as typed, for the reader to refuse.
QString numberAsWritten(const QString &typed);

class ChallengeEditor : public QDialog {
    Q_OBJECT
public:
    // `path` is the file the challenge came from (empty for a new one): Save offers it first.
    ChallengeEditor(Prompter &prompter, const Challenge &challenge, const QString &path, QWidget *parent);

    // What the fields say; rules refused are left out (their rows say why).
    Challenge challenge() const;
    // The rows whose rule is refused, with the refusal in the window's language, top to bottom.
    QStringList refusals() const;
    // Asks for the file (and before replacing one), writes it, and accepts the dialog; false when
    // the user gave up, a rule is refused or the write failed (said in a message).
    bool save();
    QString savedPath() const { return savedPath_; }

    QLineEdit *titleField() const { return title_; }
    QTableWidget *rulesTable() const { return rules_; }
    QTableWidget *rubricTable() const { return rubric_; }
    QTableWidget *promptsTable() const { return prompts_; }
    QComboBox *scoringChoice() const { return scoring_; }
    QLineEdit *targetField() const { return target_; }
    void addRule(const QString &name, const QString &op, const QString &value);
    void addRubricRow(const QString &text, const QString &weight);
    void addPrompt(const QString &text, PromptWhen when);

private:
    void fill(const Challenge &challenge);
    void checkRule(int row);
    void scoringChanged();

    Prompter &prompter_;
    QString path_, savedPath_;
    QLineEdit *title_ = nullptr;
    QPlainTextEdit *text_ = nullptr;
    QTableWidget *rules_ = nullptr;
    QComboBox *scoring_ = nullptr;
    QLineEdit *target_ = nullptr;
    QTableWidget *rubric_ = nullptr;
    QTableWidget *prompts_ = nullptr;
    QLabel *problems_ = nullptr;
};

} // namespace zindle
