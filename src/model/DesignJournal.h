// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design journal: a version of the design each time the student simulated it changed,
// with what Simulate gave for it. Teachers read it as the student's engineering record, so a
// version keeps the whole design as it was run, not a summary that could not be opened again.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace zindle {

struct JournalVersion {
    QDateTime when;    // UTC, to the second
    QByteArray design; // the .zndl bytes of the design as simulated (stored under no name)
    // Simulate's results; a field the run could not compute is absent.
    std::optional<double> timeS;      // to 15 ft, or to where the car stopped short of it
    bool reaches15ft = false;
    std::optional<double> topSpeedFtS; // at the run's end, as TopSpeedEF
    std::optional<double> massLb;      // ProjectedMassEF
    QString note;
};

struct DesignJournal {
    QString designName; // whom the file beside a design belongs to, for a reader of the file alone
    std::vector<JournalVersion> versions;
};

} // namespace zindle
