// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Now racing": one row per lane of the heat being run, with the car, what the model and the
// student expect of it, and a field for the time the timekeeper reads off the stopwatch. The
// fields are made for the keyboard: a whole time moves on to the next lane by itself
// (model/LaneTimeText.h), Backspace in an empty field goes back, and Enter asks for the heat to
// be recorded, so a heat takes its times' digits and one more key.
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace zindle {

class HeatEntryPanel : public QWidget {
    Q_OBJECT
public:
    explicit HeatEntryPanel(QWidget *parent = nullptr);

    struct Lane {
        QString car;      // empty: nobody runs this lane
        QString expected; // "simulated 1.52 s, predicted 1.60 s"
        bool blocked = false;
        std::optional<double> time; // shown when a recorded heat is run again
        bool dnf = false;
    };
    // Shows `heat` (0-based) with its lanes; the fields start empty unless the lanes carry times,
    // and the first car's field has the focus.
    void showHeat(int heat, const QString &caption, const std::vector<Lane> &lanes);
    // No heat to run: every heat is recorded, or there is no event.
    void showNone(const QString &text);
    int heat() const { return heat_; }

    // One entry per lane: the time, or none for a DNF and an empty lane. False with the first
    // lane's refusal in `error` when a field of a car is empty or holds no time.
    bool readTimes(std::vector<std::optional<double>> &times, QString &error) const;
    QLineEdit *timeField(int lane) const;

signals:
    void recordRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clearRows();
    void moveOn(int lane);
    int openLaneBefore(int lane) const;

    QLabel *caption_ = nullptr;
    QGridLayout *rows_ = nullptr;
    std::vector<QWidget *> rowWidgets_;
    std::vector<QLineEdit *> fields_; // null for a lane nobody runs
    int heat_ = -1;
};

} // namespace zindle
