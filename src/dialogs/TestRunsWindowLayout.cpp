// SPDX-License-Identifier: GPL-3.0-or-later
// The Test runs window's widgets and how they are laid out and connected.
#include "TestRunsWindow.h"

#include "LocalDecimalComma.h"

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

namespace zindle {

namespace {

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

void TestRunsWindow::build()
{
    auto *column = new QVBoxLayout(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("TestRunsStatus"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    column->addWidget(status_);

    auto *predictionRow = new QHBoxLayout;
    predictionRow->addWidget(new QLabel(tr("Your prediction, time to 15 ft (s):"), this));
    prediction_ = lineEdit(this, "PredictionEdit", tr("before you simulate"), 90);
    prediction_->setMaximumWidth(160);
    predictionRow->addWidget(prediction_);
    beside_ = new QLabel(this);
    beside_->setObjectName(QStringLiteral("PredictionBeside"));
    beside_->setTextFormat(Qt::PlainText);
    predictionRow->addWidget(beside_, 1);
    column->addLayout(predictionRow);
    connect(prediction_, &QLineEdit::editingFinished, this, &TestRunsWindow::predictionEdited);

    // The new run's fields, in the order a stopwatch sheet gives them.
    auto *entry = new QGridLayout;
    const QString captions[] = {tr("Date"), tr("Track"), tr("Marks (ft:s)"),
                                tr("Rest (ft)"), tr("Mass (lb)"), tr("Note")};
    for (int i = 0; i < 6; ++i)
        entry->addWidget(new QLabel(captions[i], this), 0, i);
    date_ = lineEdit(this, "RunDateEdit", tr("YYYY-MM-DD"), 90);
    track_ = new QComboBox(this);
    track_->setObjectName(QStringLiteral("RunTrackCombo"));
    track_->setEditable(true);
    track_->setMinimumWidth(150);
    track_->lineEdit()->setPlaceholderText(tr("Room 12 corridor, tile"));
    marks_ = lineEdit(this, "RunMarksEdit", QStringLiteral("5:0.71,10:1.20,15:1.62"), 150);
    rest_ = lineEdit(this, "RunRestEdit", QString(), 50);
    mass_ = lineEdit(this, "RunMassEdit", QString(), 50);
    note_ = lineEdit(this, "RunNoteEdit", QString(), 80);
    // The marks keep the comma key: it is what parts one mark from the next.
    for (QLineEdit *number : {prediction_, rest_, mass_})
        acceptLocalDecimalComma(number);
    add_ = button(this, "AddRunBtn", tr("Add Run"));
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
    table_->setHorizontalHeaderLabels({tr("Date"), tr("Track"), tr("Marks (ft:s)"),
                                       tr("Predicted (ft:s)"), tr("Error"),
                                       tr("Rest (ft)"), tr("Mass (lb)"), tr("Note")});
    table_->setWordWrap(false);
    for (int number : {RestColumn, MassColumn})
        table_->setItemDelegateForColumn(number, new LocalDecimalCommaDelegate(table_));
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
    delete_ = button(this, "DeleteRunBtn", tr("Delete Run"));
    undoButton_ = button(this, "UndoRunBtn", tr("Undo"));
    redoButton_ = button(this, "RedoRunBtn", tr("Redo"));
    earlier_ = button(this, "EarlierRunsBtn", tr("Earlier Runs..."));
    earlier_->setToolTip(tr("Runs in the logbook of a design whose name and file both changed"));
    for (QPushButton *pushButton : {delete_, undoButton_, redoButton_, earlier_})
        buttons->addWidget(pushButton);
    buttons->addStretch();
    calibrateTrack_ = new QComboBox(this);
    calibrateTrack_->setObjectName(QStringLiteral("CalibrateTrackCombo"));
    calibrate_ = button(this, "CalibrateBtn", tr("Calibrate"));
    buttons->addWidget(new QLabel(tr("Fit the model to the runs on"), this));
    buttons->addWidget(calibrateTrack_);
    buttons->addWidget(calibrate_);
    column->addLayout(buttons);
    connect(delete_, &QPushButton::clicked, this, &TestRunsWindow::DeleteClick);
    connect(undoButton_, &QPushButton::clicked, this, &TestRunsWindow::Undo);
    connect(redoButton_, &QPushButton::clicked, this, &TestRunsWindow::Redo);
    connect(calibrate_, &QPushButton::clicked, this, &TestRunsWindow::CalibrateClick);
    connect(earlier_, &QPushButton::clicked, this, &TestRunsWindow::EarlierRunsClick);
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
    predictRow->addWidget(new QLabel(tr("Predict for track:"), this));
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

} // namespace zindle
