// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalView.h"

#include "ChallengeView.h"

#include "MainWindow.h"
#include "charts/JournalChart.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

struct JournalTexts {
    Q_DECLARE_TR_FUNCTIONS(JournalView)
};

class JournalChartWidget : public QWidget {
public:
    explicit JournalChartWidget(QWidget *parent) : QWidget(parent) { setMinimumHeight(180); }
    DesignJournal journal;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        paintJournalChart(painter, QRectF(rect()), journal);
    }
};

namespace {

enum Column { VersionColumn, WhenColumn, TimeColumn, MassColumn, NoteColumn, ColumnCount };

QString timeText(const JournalVersion &version)
{
    if (!version.timeS)
        return QString();
    // Bracketed as Simulate shows it: the time the car stopped, short of 15 ft.
    return version.reaches15ft ? text00(*version.timeS) + QStringLiteral(" s")
                               : JournalTexts::tr("[%1 s] short of 15 ft").arg(text00(*version.timeS));
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

JournalView::JournalView(MainWindow &window) : window_(window)
{
    // A design never saved keeps its journal in memory; its first save writes it beside the file.
    window.listOps().designSaved = [this](const QString &path) { say(journals_.designSaved(path)); };
}

void JournalView::make()
{
    window_widget_ = new QWidget(&window_, Qt::Window);
    window_widget_->setObjectName(QStringLiteral("JournalWindow"));
    window_widget_->setWindowTitle(JournalTexts::tr("Journal"));
    window_widget_->resize(720, 560);
    auto *layout = new QVBoxLayout(window_widget_);
    title_ = new QLabel(window_widget_);
    title_->setTextFormat(Qt::PlainText);
    layout->addWidget(title_);
    warning_ = new QLabel(window_widget_);
    warning_->setObjectName(QStringLiteral("JournalWarning"));
    warning_->setTextFormat(Qt::PlainText);
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #b00000;"));
    warning_->hide();
    layout->addWidget(warning_);
    auto *split = new QSplitter(Qt::Vertical, window_widget_);
    table_ = new QTableWidget(0, ColumnCount, split);
    table_->setObjectName(QStringLiteral("JournalTable"));
    table_->setHorizontalHeaderLabels({JournalTexts::tr("Version"), JournalTexts::tr("Time (UTC)"),
                                       JournalTexts::tr("Time to 15 ft"), JournalTexts::tr("Mass"),
                                       JournalTexts::tr("Note")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(NoteColumn, QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->setAccessibleName(JournalTexts::tr("Journal versions"));
    QObject::connect(table_, &QTableWidget::cellChanged, window_widget_,
                     [this](int row, int column) { noteEdited(row, column); });
    chart_ = new JournalChartWidget(split);
    chart_->setObjectName(QStringLiteral("JournalChart"));
    chart_->setAccessibleName(JournalTexts::tr("Time to 15 ft over the versions"));
    answers_ = new QTableWidget(0, 2, split);
    answers_->setObjectName(QStringLiteral("JournalAnswers"));
    answers_->setHorizontalHeaderLabels({JournalTexts::tr("Question"), JournalTexts::tr("My answer")});
    answers_->verticalHeader()->hide();
    answers_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    answers_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    answers_->setAccessibleName(JournalTexts::tr("The challenge's questions and my answers"));
    QObject::connect(answers_, &QTableWidget::cellChanged, window_widget_,
                     [this](int row, int column) { answerEdited(row, column); });
    split->addWidget(table_);
    split->addWidget(chart_);
    split->addWidget(answers_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setStretchFactor(2, 1);
    layout->addWidget(split, 1);
    auto *hint = new QLabel(JournalTexts::tr("Each Simulate run of a changed design keeps a version. "
                                             "Double-click a note to write what you changed and why, "
                                             "or an answer to the challenge's questions."),
                            window_widget_);
    hint->setWordWrap(true);
    layout->addWidget(hint);
}

void JournalView::ShowJournal()
{
    if (!window_widget_)
        make();
    journals_.follow(window_.workspace().list);
    fill();
    window_widget_->show();
    window_widget_->raise();
}

void JournalView::follow(SheetMode mode)
{
    const bool another = journals_.follow(window_.workspace().list);
    if (another && !journals_.readError().isEmpty())
        window_.statusBar()->showMessage(journals_.readError().shown());
    if (mode == SheetMode::Simulate) {
        WriteOutcome written;
        journals_.recordRun(window_.workspace(), QDateTime::currentDateTimeUtc(), written);
        say(written);
    }
    if (window_widget_ && window_widget_->isVisible())
        fill();
}

void JournalView::say(const WriteOutcome &outcome)
{
    if (outcome.ok)
        return;
    window_.statusBar()->showMessage(outcome.shownError());
    if (warning_) {
        warning_->setText(outcome.shownError());
        warning_->show();
    }
}

void JournalView::fill()
{
    const DesignJournal &journal = journals_.journal();
    const Workspace &ws = window_.workspace();
    title_->setText(JournalTexts::tr("Journal of %1 (versions: %2)")
                        .arg(ws.list.shownName(ws.list.CurrentDesign))
                        .arg(journal.versions.size()));
    const FileText &error = journals_.readError();
    if (!error.isEmpty()) {
        warning_->setText(JournalTexts::tr("%1. It is not written over; the versions of this run are kept until "
                                           "Zindle closes.")
                              .arg(error.shown()));
        warning_->show();
    } else if (journals_.path().isEmpty()) {
        warning_->setText(JournalTexts::tr("The design has no file yet: its journal is written beside it when it is saved."));
        warning_->show();
    } else {
        warning_->hide();
    }
    filling_ = true;
    table_->setRowCount(static_cast<int>(journal.versions.size()));
    for (size_t i = 0; i < journal.versions.size(); ++i) {
        const JournalVersion &version = journal.versions[i];
        const int row = static_cast<int>(i);
        table_->setItem(row, VersionColumn, fixedItem(QString::number(row + 1)));
        table_->setItem(row, WhenColumn, fixedItem(version.when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
        auto *time = fixedItem(timeText(version));
        if (!version.reaches15ft)
            time->setForeground(QColor(170, 0, 0));
        table_->setItem(row, TimeColumn, time);
        table_->setItem(row, MassColumn,
                        fixedItem(version.massLb ? text00(*version.massLb) + QStringLiteral(" lb") : QString()));
        table_->setItem(row, NoteColumn, new QTableWidgetItem(version.note));
    }
    filling_ = false;
    if (!journal.versions.empty())
        table_->scrollToBottom();
    chart_->journal = journal;
    chart_->update();
    fillAnswers();
}

void JournalView::fillAnswers()
{
    const std::shared_ptr<const Challenge> &challenge = window_.challenges().challenge();
    prompts_.clear();
    if (challenge)
        for (const ChallengePrompt &prompt : challenge->prompts)
            prompts_ << prompt.text;
    answers_->setVisible(!prompts_.isEmpty());
    filling_ = true;
    answers_->setRowCount(static_cast<int>(prompts_.size()));
    for (int row = 0; row < prompts_.size(); ++row) {
        const JournalAnswer *answer = journals_.journal().answerTo(prompts_[row]);
        answers_->setItem(row, 0, fixedItem(prompts_[row]));
        answers_->setItem(row, 1, new QTableWidgetItem(answer ? answer->answer : QString()));
    }
    filling_ = false;
}

void JournalView::answerEdited(int row, int column)
{
    if (filling_ || column != 1 || row < 0 || row >= prompts_.size())
        return;
    const QTableWidgetItem *item = answers_->item(row, column);
    say(journals_.setAnswer(prompts_[row], item ? item->text() : QString(), QDateTime::currentDateTimeUtc()));
}

void JournalView::noteEdited(int row, int column)
{
    if (filling_ || column != NoteColumn || row < 0)
        return;
    const QTableWidgetItem *item = table_->item(row, column);
    say(journals_.setNote(static_cast<size_t>(row), item ? item->text() : QString()));
    chart_->journal = journals_.journal();
}

} // namespace zindle
