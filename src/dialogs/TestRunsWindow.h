// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Test runs": the runs of the current design measured on real tracks, kept in its class's
// logbook (files/Logbook.h), beside the prediction with coasting. Runs are added from the row
// of fields above the table, changed in the table's cells and deleted with a button; each such
// edit is written at once and can be taken back with Undo (Ctrl+Z while this window is active).
// Here the student also types a prediction before simulating, fits the model to a track's runs
// and chooses the track the window predicts for.
//
// The fit runs on the window's workers; the logbook is read again before every write, so what
// the command line added meanwhile is kept.

#include "app/DesignLogEdits.h"
#include "app/FutureWatch.h"
#include "app/TrackFit.h"
#include "physics/Coast.h"

#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zindle {

class Prompter;
class WorkerPool;

// The window's title and its messages' caption, in the language shown when it is asked for.
QString TestRunsCaption();

// What the window is shown for.
struct TestRunsSubject {
    QString designName;
    std::optional<DesignLogSubject> log;     // none: the design has no file yet
    std::optional<CoastedRun> prediction;    // none: not simulated as it stands
    QString predictedFor;                    // the track the prediction is calibrated for, or empty
};

class TestRunsWindow : public QWidget {
    Q_OBJECT
public:
    TestRunsWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent);
    ~TestRunsWindow() override;

    // Reads the subject's logbook afresh and shows its runs. The undo steps belong to one
    // design: another design starts without them.
    void showSubject(const TestRunsSubject &subject);

    void AddClick();
    void DeleteClick();
    void Undo();
    void Redo();
    void CalibrateClick();
    // Asks, entry by entry, whether runs the logbook could not match are this design's.
    void EarlierRunsClick();
    bool calibrating() const { return fit_.watching(); }

    // For the tests and the screenshots.
    QTableWidget *table() const { return table_; }
    QLineEdit *field(const char *name) const;
    QComboBox *predictFor() const { return predictFor_; }
    QString statusText() const;
    QString calibrationText() const;
    // The model's and the runs' times beside the student's prediction.
    QString besideText() const;
    const Logbook &logbook() const { return logbook_; }

    // The prediction stands beside the marks it is compared with.
    enum Column { DateColumn, TrackColumn, MarksColumn, PredictedColumn, ErrorColumn, RestColumn, MassColumn,
                  NoteColumn, ColumnCount };

signals:
    // Runs, a prediction or a calibration were written.
    void logbookChanged();
    // The track whose calibration the window's predictions are to use; empty for none.
    void predictForTrack(const QString &track);

private:
    void build();
    void readLogbook();
    void fillTable();
    void fillTracks();
    QString rmsSentence(const QString &track, size_t runs, double rms) const;
    void cellEdited(int row, int column);
    void predictionEdited();
    bool apply(LogEdit edit, bool undo);
    const LoggedDesign *entry() const;
    std::optional<MeasuredRun> runFromFields(QString &error) const;
    void setEnabledState();

    WorkerPool &workers_;
    Prompter &prompter_;
    TestRunsSubject subject_;
    Logbook logbook_;
    QString logbookError_;
    std::vector<LogEdit> undo_, redo_;
    bool filling_ = false;
    FutureWatch<TrackFit> fit_;

    QLabel *status_ = nullptr, *beside_ = nullptr, *rms_ = nullptr, *calibration_ = nullptr;
    QLineEdit *prediction_ = nullptr, *date_ = nullptr, *marks_ = nullptr, *rest_ = nullptr, *mass_ = nullptr,
              *note_ = nullptr;
    QComboBox *track_ = nullptr, *calibrateTrack_ = nullptr, *predictFor_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPushButton *add_ = nullptr, *delete_ = nullptr, *undoButton_ = nullptr, *redoButton_ = nullptr,
                *calibrate_ = nullptr, *earlier_ = nullptr;
};

} // namespace zindle
