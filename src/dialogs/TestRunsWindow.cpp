// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRunsWindow.h"

#include "app/TrackCalibration.h"
#include "app/WorkerPool.h"
#include "files/PathText.h"
#include "model/NumberText.h"
#include "model/Prompter.h"
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

const QString Caption = QStringLiteral("Test runs");
const QString OwnModel = QStringLiteral("the design's own model");

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

QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &placeholder, int width)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(placeholder);
    if (width > 0)
        edit->setMinimumWidth(width);
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

TestRunsWindow::TestRunsWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Tool), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("TestRunsWin"));
    setWindowTitle(Caption);
    build();
    resize(900, 460);
}

TestRunsWindow::~TestRunsWindow() { fit_.wait(); }

void TestRunsWindow::build()
{
    auto *column = new QVBoxLayout(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("TestRunsStatus"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    column->addWidget(status_);

    auto *predictionRow = new QHBoxLayout;
    predictionRow->addWidget(new QLabel(QStringLiteral("Your prediction, time to 15 ft (s):"), this));
    prediction_ = lineEdit(this, "PredictionEdit", QStringLiteral("before you simulate"), 90);
    prediction_->setMaximumWidth(160);
    predictionRow->addWidget(prediction_);
    predictionRow->addStretch();
    column->addLayout(predictionRow);
    connect(prediction_, &QLineEdit::editingFinished, this, &TestRunsWindow::predictionEdited);

    // The new run's fields, in the order a stopwatch sheet gives them.
    auto *entry = new QGridLayout;
    const QString captions[] = {QStringLiteral("Date"), QStringLiteral("Track"), QStringLiteral("Marks (ft:s)"),
                                QStringLiteral("Rest (ft)"), QStringLiteral("Mass (lb)"), QStringLiteral("Note")};
    for (int i = 0; i < 6; ++i)
        entry->addWidget(new QLabel(captions[i], this), 0, i);
    date_ = lineEdit(this, "RunDateEdit", QStringLiteral("YYYY-MM-DD"), 90);
    track_ = new QComboBox(this);
    track_->setObjectName(QStringLiteral("RunTrackCombo"));
    track_->setEditable(true);
    track_->setMinimumWidth(150);
    track_->lineEdit()->setPlaceholderText(QStringLiteral("Room 12 corridor, tile"));
    marks_ = lineEdit(this, "RunMarksEdit", QStringLiteral("5:0.71,10:1.20,15:1.62"), 150);
    rest_ = lineEdit(this, "RunRestEdit", QString(), 50);
    mass_ = lineEdit(this, "RunMassEdit", QString(), 50);
    note_ = lineEdit(this, "RunNoteEdit", QString(), 80);
    add_ = button(this, "AddRunBtn", QStringLiteral("Add Run"));
    QWidget *fields[] = {date_, track_, marks_, rest_, mass_, note_, add_};
    for (int i = 0; i < 7; ++i)
        entry->addWidget(fields[i], 1, i);
    entry->setColumnStretch(2, 2);
    entry->setColumnStretch(5, 1);
    column->addLayout(entry);
    connect(add_, &QPushButton::clicked, this, &TestRunsWindow::AddClick);
    for (QLineEdit *edit : {date_, marks_, rest_, mass_, note_})
        connect(edit, &QLineEdit::returnPressed, this, &TestRunsWindow::AddClick);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("TestRunsTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Track"), QStringLiteral("Marks (ft:s)"),
                                       QStringLiteral("Predicted (ft:s)"), QStringLiteral("Error"),
                                       QStringLiteral("Rest (ft)"), QStringLiteral("Mass (lb)"), QStringLiteral("Note")});
    table_->setWordWrap(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumHeight(120);
    column->addWidget(table_, 1);
    connect(table_, &QTableWidget::cellChanged, this, &TestRunsWindow::cellEdited);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &TestRunsWindow::setEnabledState);

    rms_ = new QLabel(this);
    rms_->setObjectName(QStringLiteral("TestRunsRms"));
    rms_->setWordWrap(true);
    rms_->setTextFormat(Qt::PlainText);
    column->addWidget(rms_);

    auto *buttons = new QHBoxLayout;
    delete_ = button(this, "DeleteRunBtn", QStringLiteral("Delete Run"));
    undoButton_ = button(this, "UndoRunBtn", QStringLiteral("Undo"));
    redoButton_ = button(this, "RedoRunBtn", QStringLiteral("Redo"));
    for (QPushButton *pushButton : {delete_, undoButton_, redoButton_})
        buttons->addWidget(pushButton);
    buttons->addStretch();
    calibrateTrack_ = new QComboBox(this);
    calibrateTrack_->setObjectName(QStringLiteral("CalibrateTrackCombo"));
    calibrate_ = button(this, "CalibrateBtn", QStringLiteral("Calibrate"));
    buttons->addWidget(new QLabel(QStringLiteral("Fit the model to the runs on"), this));
    buttons->addWidget(calibrateTrack_);
    buttons->addWidget(calibrate_);
    column->addLayout(buttons);
    connect(delete_, &QPushButton::clicked, this, &TestRunsWindow::DeleteClick);
    connect(undoButton_, &QPushButton::clicked, this, &TestRunsWindow::Undo);
    connect(redoButton_, &QPushButton::clicked, this, &TestRunsWindow::Redo);
    connect(calibrate_, &QPushButton::clicked, this, &TestRunsWindow::CalibrateClick);
    // The window's own undo: the design's Undo in the main window is for the design.
    auto *undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &TestRunsWindow::Undo);
    auto *redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this);
    connect(redoKey, &QShortcut::activated, this, &TestRunsWindow::Redo);

    calibration_ = new QLabel(this);
    calibration_->setObjectName(QStringLiteral("CalibrationSentence"));
    calibration_->setWordWrap(true);
    calibration_->setTextFormat(Qt::PlainText);
    column->addWidget(calibration_);

    auto *predictRow = new QHBoxLayout;
    predictRow->addWidget(new QLabel(QStringLiteral("Predict for track:"), this));
    predictFor_ = new QComboBox(this);
    predictFor_->setObjectName(QStringLiteral("PredictForTrackCombo"));
    predictFor_->setMinimumWidth(200);
    predictRow->addWidget(predictFor_);
    predictRow->addStretch();
    column->addLayout(predictRow);
    connect(predictFor_, &QComboBox::activated, this, [this](int index) {
        emit predictForTrack(index <= 0 ? QString() : predictFor_->itemText(index));
    });
}

QLineEdit *TestRunsWindow::field(const char *name) const { return findChild<QLineEdit *>(QLatin1String(name)); }
QString TestRunsWindow::statusText() const { return status_->text(); }
QString TestRunsWindow::calibrationText() const { return calibration_->text(); }

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
            logbookError_ = read.error + QStringLiteral("; it is left as it is until it is mended.");
    }
    const QString name = printableText(subject_.designName);
    if (!subject_.log)
        status_->setText(QStringLiteral("%1 has no design file yet. Save it in its class folder, and its runs are "
                                        "kept in the class's logbook beside it.")
                             .arg(name));
    else if (!logbookError_.isEmpty())
        status_->setText(logbookError_);
    else
        status_->setText(QStringLiteral("Runs of %1, kept in %2.").arg(name, printableText(subject_.log->logbookPath)));
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
    predictFor_->addItem(OwnModel);
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
                predicted += QStringLiteral(", rest %1").arg(text0(*comparison.predictedRestFt));
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
        lines << QStringLiteral("Simulate the design to compare its runs with the prediction with coasting.");
    for (const auto &[track, comparisons] : byTrack)
        if (const auto rms = RmsMarkError(comparisons))
            lines << QStringLiteral("On %1 the prediction with coasting%2 differs from %3 run%4 by %5 s (RMS).")
                         .arg(printableText(track),
                              subject_.predictedFor.isEmpty()          ? QString()
                              : subject_.predictedFor == track ? QStringLiteral(" (calibrated)")
                                                               : QStringLiteral(" (calibrated for %1)")
                                                                     .arg(printableText(subject_.predictedFor)))
                         .arg(comparisons.size())
                         .arg(comparisons.size() == 1 ? QString() : QStringLiteral("s"))
                         .arg(text00(*rms));
    rms_->setText(lines.join(QLatin1Char('\n')));
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
}

bool TestRunsWindow::apply(LogEdit edit, bool undo)
{
    if (!subject_.log)
        return false;
    const LogEditOutcome outcome = ApplyLogEdit(*subject_.log, edit, undo);
    if (!outcome.ok) {
        prompter_.message(outcome.error, Caption);
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
        prompter_.message(error, Caption);
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
        prompter_.message(error, Caption);
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
            error = QStringLiteral("Your prediction is a time above 0 and up to 100 s.");
        if (!error.isEmpty()) {
            prompter_.message(error, Caption);
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

void TestRunsWindow::CalibrateClick()
{
    if (!subject_.log || fit_.watching() || calibrateTrack_->currentText().isEmpty())
        return;
    const QString track = calibrateTrack_->currentText();
    calibration_->setText(QStringLiteral("Fitting the model to the runs on %1...").arg(printableText(track)));
    fit_.watch(workers_.run([folder = subject_.log->folder, track] { return FitTrack(folder, track); }),
               [this, track](std::future<TrackFit> &done) {
                   TrackFit fit = done.get();
                   setEnabledState();
                   if (!fit.ok()) {
                       calibration_->clear();
                       prompter_.message(fit.error, Caption);
                       return;
                   }
                   // The fit read the logbook before it ran; runs written since are kept.
                   LogbookRead now = ReadLogbook(fit.logbookPath);
                   if (!now.ok) {
                       calibration_->clear();
                       prompter_.message(now.error, Caption);
                       return;
                   }
                   now.logbook.storeCalibration(ToLogged(track, fit.calibration, QDate::currentDate()));
                   const WriteOutcome written = WriteLogbook(fit.logbookPath, now.logbook);
                   if (!written.ok) {
                       calibration_->clear();
                       prompter_.message(written.error, Caption);
                       return;
                   }
                   QString text = CalibrationSentence(track, fit.calibration) + QLatin1Char('.');
                   const QString note = FrictionOnlyNote(fit.calibration);
                   if (!note.isEmpty())
                       text += QLatin1Char(' ') + note;
                   for (const QString &leftOut : fit.leftOut)
                       text += QStringLiteral("\nNote: ") + leftOut + QLatin1Char('.');
                   calibration_->setText(text);
                   readLogbook();
                   emit logbookChanged();
               });
    setEnabledState();
}

} // namespace zindle
