// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRunsWindow.h"

#include "app/TrackCalibration.h"
#include "app/WorkerPool.h"
#include "files/PathText.h"
#include "model/NumberText.h"
#include "model/Prompter.h"
#include "physics/Race.h"
#include "physics/RunComparison.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>
#include <set>

namespace zindle {

namespace {

QString optionalText(const std::optional<double> &value) { return value ? doubleText(*value) : QString(); }

// The predicted time at each of the run's marks, as the marks are written.
QString predictedMarks(const RunComparison &comparison)
{
    QStringList pairs;
    for (const MarkComparison &mark : comparison.marks)
        pairs << doubleText(mark.measured.distanceFt) + QLatin1Char(':') +
                     (mark.predictedS ? text00(*mark.predictedS) : QStringLiteral("-"));
    return pairs.join(QLatin1Char(','));
}

} // namespace

QString TestRunsCaption() { return TestRunsWindow::tr("Test runs"); }

TestRunsWindow::TestRunsWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Tool), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("TestRunsWin"));
    setWindowTitle(TestRunsCaption());
    build();
    resize(900, 460);
}

TestRunsWindow::~TestRunsWindow() { fit_.wait(); }

QLineEdit *TestRunsWindow::field(const char *name) const { return findChild<QLineEdit *>(QLatin1String(name)); }
QString TestRunsWindow::statusText() const { return status_->text(); }
QString TestRunsWindow::calibrationText() const { return calibration_->text(); }
QString TestRunsWindow::besideText() const { return beside_->text(); }

void TestRunsWindow::showSubject(const TestRunsSubject &subject)
{
    const bool sameDesign = subject_.log && subject.log && subject_.log->logbookPath == subject.log->logbookPath &&
                            subject_.log->fileName == subject.log->fileName;
    if (!sameDesign) {
        undo_.clear();
        redo_.clear();
        calibration_->clear();
    }
    subject_ = subject;
    readLogbook();
}

void TestRunsWindow::readLogbook()
{
    logbook_ = {};
    logbookError_.clear();
    if (subject_.log) {
        const LogbookRead read = ReadLogbook(subject_.log->logbookPath);
        if (read.ok)
            logbook_ = read.logbook;
        else
            logbookError_ = tr("%1; it is left as it is until it is mended.").arg(read.shownError());
    }
    const QString name = printableText(subject_.designName);
    if (!subject_.log)
        status_->setText(tr("%1 has no design file yet. Save it in its class folder, and its runs are "
                            "kept in the class's logbook beside it.")
                             .arg(name));
    else if (!logbookError_.isEmpty())
        status_->setText(logbookError_);
    else
        status_->setText(tr("Runs of %1, kept in %2.").arg(name, printableText(subject_.log->logbookPath)));
    fillTracks();
    fillTable();
    const LoggedDesign *design = entry();
    prediction_->setText(design && design->predictionS ? doubleText(*design->predictionS) : QString());
    setEnabledState();
}

const LoggedDesign *TestRunsWindow::entry() const
{
    if (!subject_.log || !logbookError_.isEmpty())
        return nullptr;
    const DesignMatch match =
        FindLoggedDesign(logbook_, subject_.log->folder, subject_.log->designName, subject_.log->fileName);
    return match.index < 0 ? nullptr : &logbook_.designs[static_cast<size_t>(match.index)];
}

void TestRunsWindow::fillTracks()
{
    std::set<QString> tracks;
    for (const LoggedDesign &design : logbook_.designs)
        for (const LoggedRun &run : design.runs)
            tracks.insert(run.run.track.trimmed());
    const QString typed = track_->currentText();
    const QString toCalibrate = calibrateTrack_->currentText();
    track_->clear();
    calibrateTrack_->clear();
    for (const QString &track : tracks) {
        track_->addItem(track);
        calibrateTrack_->addItem(track);
    }
    track_->setCurrentText(typed.isEmpty() && !tracks.empty() ? *tracks.rbegin() : typed);
    if (calibrateTrack_->findText(toCalibrate) >= 0)
        calibrateTrack_->setCurrentText(toCalibrate);

    predictFor_->clear();
    predictFor_->addItem(tr("the design's own model"));
    for (const LoggedCalibration &calibration : logbook_.calibrations)
        predictFor_->addItem(calibration.track);
    const int shown = subject_.predictedFor.isEmpty() ? 0 : predictFor_->findText(subject_.predictedFor);
    predictFor_->setCurrentIndex(std::max(0, shown));
}

void TestRunsWindow::fillTable()
{
    filling_ = true;
    const LoggedDesign *design = entry();
    const int rows = design ? static_cast<int>(design->runs.size()) : 0;
    table_->setRowCount(rows);
    std::map<QString, std::vector<RunComparison>> byTrack;
    for (int row = 0; row < rows; ++row) {
        const MeasuredRun &run = design->runs[static_cast<size_t>(row)].run;
        QString predicted = QStringLiteral("-"), error = QStringLiteral("-");
        if (subject_.prediction) {
            const RunComparison comparison = CompareRun(*subject_.prediction, run);
            predicted = predictedMarks(comparison);
            if (comparison.predictedRestFt)
                predicted = tr("%1, rest %2").arg(predicted, text0(*comparison.predictedRestFt));
            error = ErrorText(comparison);
            byTrack[run.track.trimmed()].push_back(comparison);
        }
        const QString cells[] = {run.date.toString(Qt::ISODate), run.track,  marksText(run.marks), predicted, error,
                                 optionalText(run.restFt),      optionalText(run.massLbm), run.note};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column == PredictedColumn || column == ErrorColumn)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table_->setItem(row, column, item);
        }
    }
    filling_ = false;

    QStringList lines;
    if (!subject_.prediction && rows > 0)
        lines << tr("Simulate the design to compare its runs with the prediction with coasting.");
    for (const auto &[track, comparisons] : byTrack)
        if (const auto rms = RmsMarkError(comparisons))
            lines << rmsSentence(track, comparisons.size(), *rms);
    rms_->setText(lines.join(QLatin1Char('\n')));

    // Hypothesis, model, experiment: the three times to 15 ft side by side.
    QStringList beside;
    if (subject_.prediction) {
        const std::optional<double> model = TimeAtDistance(*subject_.prediction, CourseFt);
        beside << (model ? tr("the model with coasting: %1 s").arg(text00(*model))
                         : tr("the model with coasting: does not reach 15 ft"));
    }
    std::vector<MeasuredRun> measured;
    for (int row = 0; row < rows; ++row)
        measured.push_back(design->runs[static_cast<size_t>(row)].run);
    if (const std::optional<double> mean = MeanTimeAt(measured, CourseFt))
        beside << tr("your runs: %1 s").arg(text00(*mean));
    beside_->setText(beside.join(QStringLiteral("; ")));
}

// Whether the prediction is calibrated, and for which track, and how many runs it is compared
// with change the sentence's words, so each is a whole sentence of its own.
QString TestRunsWindow::rmsSentence(const QString &track, size_t runs, double rms) const
{
    const QString shown = printableText(track), count = QString::number(runs), error = text00(rms);
    const QString calibratedFor = printableText(subject_.predictedFor);
    const bool one = runs == 1;
    if (subject_.predictedFor.isEmpty())
        return one ? tr("On %1 the prediction with coasting differs from 1 run by %2 s (RMS).").arg(shown, error)
                   : tr("On %1 the prediction with coasting differs from %2 runs by %3 s (RMS).")
                         .arg(shown, count, error);
    if (subject_.predictedFor == track)
        return one ? tr("On %1 the prediction with coasting (calibrated) differs from 1 run by %2 s (RMS).")
                         .arg(shown, error)
                   : tr("On %1 the prediction with coasting (calibrated) differs from %2 runs by %3 s (RMS).")
                         .arg(shown, count, error);
    return one ? tr("On %1 the prediction with coasting (calibrated for %2) differs from 1 run by %3 s (RMS).")
                     .arg(shown, calibratedFor, error)
               : tr("On %1 the prediction with coasting (calibrated for %2) differs from %3 runs by %4 s (RMS).")
                     .arg(shown, calibratedFor, count, error);
}

void TestRunsWindow::setEnabledState()
{
    const bool writable = subject_.log && logbookError_.isEmpty();
    for (QWidget *widget : std::initializer_list<QWidget *>{prediction_, date_, track_, marks_, rest_, mass_, note_, add_})
        widget->setEnabled(writable);
    table_->setEnabled(writable);
    delete_->setEnabled(writable && table_->currentRow() >= 0 && table_->currentRow() < table_->rowCount());
    undoButton_->setEnabled(writable && !undo_.empty());
    redoButton_->setEnabled(writable && !redo_.empty());
    calibrate_->setEnabled(writable && calibrateTrack_->count() > 0 && !fit_.watching());
    earlier_->setVisible(writable && !UnmatchedEntries(logbook_, *subject_.log).empty());
}

bool TestRunsWindow::apply(LogEdit edit, bool undo)
{
    if (!subject_.log)
        return false;
    const LogEditOutcome outcome = ApplyLogEdit(*subject_.log, edit, undo);
    if (!outcome.ok) {
        prompter_.message(outcome.shownError(), TestRunsCaption());
        readLogbook();
        return false;
    }
    (undo ? redo_ : undo_).push_back(edit);
    logbook_ = outcome.logbook;
    readLogbook();
    emit logbookChanged();
    return true;
}

std::optional<MeasuredRun> TestRunsWindow::runFromFields(QString &error) const
{
    return parseRunTexts({date_->text(), track_->currentText(), marks_->text(), rest_->text(), mass_->text(),
                          note_->text()},
                         {QStringLiteral("Date"), QStringLiteral("Rest"), QStringLiteral("Mass")}, error);
}

void TestRunsWindow::AddClick()
{
    if (!add_->isEnabled())
        return;
    QString error;
    const std::optional<MeasuredRun> run = runFromFields(error);
    if (!run) {
        prompter_.message(error, TestRunsCaption());
        return;
    }
    LogEdit edit;
    edit.kind = LogEdit::Add;
    edit.after = run;
    redo_.clear();
    if (apply(edit, false))
        for (QLineEdit *cleared : {marks_, rest_, mass_, note_})
            cleared->clear();
}

void TestRunsWindow::DeleteClick()
{
    const LoggedDesign *design = entry();
    const int row = table_->currentRow();
    if (!design || row < 0 || row >= static_cast<int>(design->runs.size()))
        return;
    LogEdit edit;
    edit.kind = LogEdit::Delete;
    edit.index = row;
    edit.before = design->runs[static_cast<size_t>(row)].run;
    redo_.clear();
    apply(edit, false);
}

void TestRunsWindow::cellEdited(int row, int column)
{
    const LoggedDesign *design = entry();
    if (filling_ || !design || row >= static_cast<int>(design->runs.size()) || column == PredictedColumn ||
        column == ErrorColumn)
        return;
    const MeasuredRun &before = design->runs[static_cast<size_t>(row)].run;
    RunTexts texts{before.date.toString(Qt::ISODate), before.track,  marksText(before.marks),
                   optionalText(before.restFt),        optionalText(before.massLbm), before.note};
    QString *edited[] = {&texts.date, &texts.track, &texts.marks, nullptr, nullptr, &texts.rest, &texts.mass,
                         &texts.note};
    *edited[column] = table_->item(row, column)->text();
    QString error;
    const std::optional<MeasuredRun> after =
        parseRunTexts(texts, {QStringLiteral("Date"), QStringLiteral("Rest"), QStringLiteral("Mass")}, error);
    if (!after) {
        prompter_.message(error, TestRunsCaption());
        fillTable(); // the cell shows the run as it is kept
        return;
    }
    if (*after == before) {
        fillTable();
        return;
    }
    LogEdit edit;
    edit.kind = LogEdit::Change;
    edit.index = row;
    edit.before = before;
    edit.after = after;
    redo_.clear();
    apply(edit, false);
}

void TestRunsWindow::predictionEdited()
{
    const LoggedDesign *design = entry();
    const std::optional<double> before = design ? design->predictionS : std::nullopt;
    std::optional<double> after;
    const QString text = prediction_->text().trimmed();
    if (!text.isEmpty()) {
        QString error;
        after = parseRunNumber(text, QStringLiteral("Your prediction"), error);
        if (after && !(*after > 0.0 && *after <= MaxMarkTimeS))
            error = tr("Your prediction is a time above 0 and up to 100 s.");
        if (!error.isEmpty()) {
            prompter_.message(error, TestRunsCaption());
            prediction_->setText(optionalText(before));
            return;
        }
    }
    if (after == before)
        return;
    LogEdit edit;
    edit.kind = LogEdit::Predict;
    edit.predictionBefore = before;
    edit.predictionAfter = after;
    redo_.clear();
    apply(edit, false);
}

void TestRunsWindow::Undo()
{
    if (undo_.empty() || !subject_.log)
        return;
    const LogEdit edit = undo_.back();
    undo_.pop_back();
    if (!apply(edit, true))
        undo_.clear(); // the logbook changed under it: the older steps cannot be trusted either
}

void TestRunsWindow::Redo()
{
    if (redo_.empty() || !subject_.log)
        return;
    const LogEdit edit = redo_.back();
    redo_.pop_back();
    if (!apply(edit, false))
        redo_.clear();
}

void TestRunsWindow::EarlierRunsClick()
{
    if (!subject_.log)
        return;
    const Logbook shown = logbook_;
    for (const LoggedDesign *entry : UnmatchedEntries(shown, *subject_.log)) {
        const QString question =
            entry->runs.size() == 1
                ? tr("The logbook holds 1 run of \"%1\" in %2, a file no longer in this folder. Are they the runs of "
                     "%3, renamed and moved?")
                      .arg(printableText(entry->name), printableText(entry->file), printableText(subject_.designName))
                : tr("The logbook holds %1 runs of \"%2\" in %3, a file no longer in this folder. Are they the runs "
                     "of %4, renamed and moved?")
                      .arg(QString::number(entry->runs.size()), printableText(entry->name), printableText(entry->file),
                           printableText(subject_.designName));
        const Answer answer = prompter_.confirm(question, TestRunsCaption());
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::No)
            continue;
        LogEdit edit;
        edit.kind = LogEdit::Adopt;
        edit.formerName = entry->name;
        edit.formerFile = entry->file;
        redo_.clear();
        apply(edit, false);
        return;
    }
}

} // namespace zindle
