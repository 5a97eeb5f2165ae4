// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "New Event": the roster folder, the track and the format of a race day, before the window
// asks where to keep the event file.
#include "model/RaceEvent.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace zindle {

class NewEventDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewEventDialog(QWidget *parent = nullptr);
    // The settings as a race without cars: the window enters the roster and makes the chart.
    RaceEvent event() const;
    QString suggestedFileName() const;

    QLineEdit *rosterField() const { return roster_; }
    QLineEdit *titleField() const { return title_; }
    QSpinBox *lanesField() const { return lanes_; }
    QLineEdit *blockedField() const { return blocked_; }
    QComboBox *formatField() const { return format_; }

    void accept() override;

private:
    QLineEdit *title_ = nullptr;
    QLineEdit *roster_ = nullptr;
    QLineEdit *track_ = nullptr;
    QSpinBox *lanes_ = nullptr;
    QLineEdit *blocked_ = nullptr;
    QComboBox *format_ = nullptr;
    QSpinBox *rounds_ = nullptr;
    QComboBox *scoring_ = nullptr;
    QCheckBox *dropSlowest_ = nullptr;
};

} // namespace zindle
