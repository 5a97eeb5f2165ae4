// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Build Tolerances": how sure the current design's time is when a class builds it within the
// tolerances typed here. Run builds the design the chosen number of times from a copy on the
// window's workers (seeded: the same seed gives the same answer), with progress and Stop, and
// shows the histogram of the times, the chance of reaching 15 ft and which tolerance matters
// most. The run charts then draw the band 9 in 10 builds stay in.

#include "app/FutureWatch.h"
#include "app/RaceChances.h"
#include "app/Tolerances.h"

#include <QWidget>
#include <array>
#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zindle {

class Prompter;
class WorkerPool;

class TolerancesWindow : public QWidget {
    Q_OBJECT
public:
    TolerancesWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent);
    ~TolerancesWindow() override;

    // The design Run builds; a study of another design is no longer shown.
    void showDesign(const Workspace &workspace, const QString &name, const QByteArray &key);

    void RunClick();
    void StopClick();
    // Builds every design that raced as Run builds this one and shows who beats whom how often.
    void runRaceChances(RaceChanceDesigns designs);
    QTableWidget *raceChances() const { return chances_; }
    bool running() const { return watch_.watching(); }
    QLineEdit *field(int tolerance) const { return fields_[static_cast<size_t>(tolerance)]; }
    QLineEdit *samplesField() const { return samples_; }
    // The study shown and the design it is of (its input key).
    const std::optional<ToleranceStudy> &study() const { return study_; }
    const QByteArray &studyKey() const { return studyKey_; }
    QString sentence() const;
    QImage picture(QSize size) const;

signals:
    // A study finished for the design of `key` (the run charts draw its band).
    void studied();
    // Race Chances was pressed: the window's side hands over the designs that raced.
    void raceChancesAsked();

private:
    class Canvas;
    void finished(ToleranceStudy study, const QByteArray &key, const QString &name);
    bool readSettings(BuildTolerances &tolerances, ToleranceOptions &options);
    void startWatching();
    void showChances(const RaceChancesResult &result);

    WorkerPool &workers_;
    Prompter &prompter_;
    std::shared_ptr<const Workspace> design_;
    QString name_;
    QByteArray key_;
    std::array<QLineEdit *, ToleranceCount> fields_{};
    QLineEdit *samples_ = nullptr, *seed_ = nullptr;
    QPushButton *run_ = nullptr, *stop_ = nullptr, *race_ = nullptr;
    QTableWidget *chances_ = nullptr;
    FutureWatch<RaceChancesResult> chancesWatch_;
    QLabel *progress_ = nullptr, *sentence_ = nullptr;
    Canvas *canvas_ = nullptr;
    std::optional<ToleranceStudy> study_;
    QByteArray studyKey_;
    QString studyName_;
    std::shared_ptr<std::atomic<bool>> stopFlag_;
    std::shared_ptr<std::atomic<qint64>> completed_;
    qint64 total_ = 0;
    FutureWatch<ToleranceStudy> watch_;
};

} // namespace zindle
