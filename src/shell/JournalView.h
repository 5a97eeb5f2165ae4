// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of the design journal: after every Simulate refresh the current design's
// version is kept (app/DesignJournals.h), and the Journal window, made when first shown, lists
// the versions with their notes beside the chart of the time to 15 ft over them. A journal that
// could not be read is said in the window and under the sheet; the design works as ever. While a
// challenge is open, its prompts stand under the chart for the student to answer there.

#include "app/DesignJournals.h"
#include "model/Modes.h"

class QLabel;
class QTableWidget;

namespace zindle {

class MainWindow;
class JournalChartWidget;

class JournalView {
public:
    explicit JournalView(MainWindow &window);

    void ShowJournal();
    // After a refresh of `mode` has been shown, or another design made current or saved.
    void follow(SheetMode mode);
    // The same without keeping a version: after a list operation.
    void follow() { follow(SheetMode::Design); }
    DesignJournals &journals() { return journals_; }
    QWidget *journalWindow() const { return window_widget_; }

private:
    void make();
    void fill();
    void noteEdited(int row, int column);
    void fillAnswers();
    void answerEdited(int row, int column);
    void say(const WriteOutcome &outcome);

    MainWindow &window_;
    DesignJournals journals_;
    QWidget *window_widget_ = nullptr;
    QLabel *title_ = nullptr, *warning_ = nullptr;
    QTableWidget *table_ = nullptr;
    // The open challenge's prompts, each with the student's answer, kept in the journal.
    QTableWidget *answers_ = nullptr;
    QStringList prompts_;
    JournalChartWidget *chart_ = nullptr;
    bool filling_ = false;
};

} // namespace zindle
