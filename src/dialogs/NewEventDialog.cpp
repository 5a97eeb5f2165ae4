// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewEventDialog.h"

#include "app/RaceDayLog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace zindle {

NewEventDialog::NewEventDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewEventDialog"));
    setWindowTitle(tr("New Event"));
    auto *form = new QFormLayout(this);
    title_ = new QLineEdit(QStringLiteral("Race day"), this);
    form->addRow(tr("&Title:"), title_);
    auto *rosterRow = new QHBoxLayout;
    roster_ = new QLineEdit(this);
    roster_->setObjectName(QStringLiteral("RosterFolder"));
    roster_->setAccessibleName(tr("Class folder"));
    auto *browse = new QPushButton(tr("Choose..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Class folder"));
        if (!folder.isEmpty())
            roster_->setText(folder);
    });
    rosterRow->addWidget(roster_, 1);
    rosterRow->addWidget(browse);
    form->addRow(tr("&Class folder:"), rosterRow);
    track_ = new QLineEdit(this);
    track_->setPlaceholderText(tr("as the logbook names it, for example Gym, lane tape"));
    form->addRow(tr("T&rack:"), track_);
    lanes_ = new QSpinBox(this);
    lanes_->setRange(1, MaxEventLanes);
    lanes_->setValue(4);
    form->addRow(tr("&Lanes:"), lanes_);
    blocked_ = new QLineEdit(this);
    blocked_->setPlaceholderText(tr("none, or for example 2"));
    form->addRow(tr("&Blocked lanes:"), blocked_);
    format_ = new QComboBox(this);
    format_->addItem(tr("Lane-balanced chart"), formatName(EventFormat::Balanced));
    format_->addItem(tr("Every car in every lane in turn"), formatName(EventFormat::Rotation));
    format_->addItem(tr("Fastest time rounds"), formatName(EventFormat::FastestTime));
    form->addRow(tr("&Format:"), format_);
    rounds_ = new QSpinBox(this);
    rounds_->setRange(1, MaxEventRounds);
    form->addRow(tr("R&ounds (fastest time):"), rounds_);
    scoring_ = new QComboBox(this);
    scoring_->addItem(tr("Average time"), scoringName(EventScoring::AverageTime));
    scoring_->addItem(tr("Best time"), scoringName(EventScoring::BestTime));
    scoring_->addItem(tr("Points"), scoringName(EventScoring::Points));
    form->addRow(tr("&Scoring:"), scoring_);
    dropSlowest_ = new QCheckBox(tr("&Drop each car's slowest heat"), this);
    form->addRow(QString(), dropSlowest_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewEventDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewEventDialog::reject);
    form->addRow(buttons);
}

void NewEventDialog::accept()
{
    QString refusal;
    QString badItem;
    const std::optional<std::vector<bool>> blocked = BlockedLanesNamed(blocked_->text(), lanes_->value(), badItem);
    if (roster_->text().trimmed().isEmpty() || !QDir(roster_->text().trimmed()).exists())
        refusal = tr("Choose the class folder whose designs race.");
    else if (!blocked && !badItem.isEmpty())
        refusal = tr("Blocked lanes are lane numbers from 1 to %1, separated by commas.").arg(lanes_->value());
    else if (!blocked)
        refusal = tr("Every lane is blocked: leave at least one open.");
    if (!refusal.isEmpty()) {
        QMessageBox::information(this, windowTitle(), refusal);
        return;
    }
    QDialog::accept();
}

RaceEvent NewEventDialog::event() const
{
    RaceEvent event;
    event.title = title_->text().trimmed().isEmpty() ? QStringLiteral("Race day") : title_->text().trimmed();
    event.roster = QDir(roster_->text().trimmed()).absolutePath();
    event.track = track_->text().trimmed().isEmpty() ? event.title : track_->text().trimmed();
    event.lanes = lanes_->value();
    QString badItem;
    event.blocked = BlockedLanesNamed(blocked_->text(), event.lanes, badItem)
                        .value_or(std::vector<bool>(static_cast<size_t>(event.lanes), false));
    event.format = formatNamed(format_->currentData().toString()).value_or(EventFormat::Balanced);
    event.rounds = rounds_->value();
    event.scoring = scoringNamed(scoring_->currentData().toString()).value_or(EventScoring::AverageTime);
    event.dropSlowest = dropSlowest_->isChecked();
    event.date = QDate::currentDate();
    event.joinCode = RandomJoinCode();
    return event;
}

QString NewEventDialog::suggestedFileName() const
{
    QString name = title_->text().trimmed();
    for (QChar &c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return (name.isEmpty() ? QStringLiteral("race-day") : name) + QStringLiteral(".zevent");
}

} // namespace zindle
