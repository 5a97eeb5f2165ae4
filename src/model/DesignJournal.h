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

// The student's answer to one of a challenge's prompts, kept by the prompt's text: a
// challenge edited later still finds the answers to the prompts it kept.
struct JournalAnswer {
    QString prompt, answer;
    QDateTime when; // UTC, when it was last answered
};

struct DesignJournal {
    QString designName; // whom the file beside a design belongs to, for a reader of the file alone
    std::vector<JournalVersion> versions;
    std::vector<JournalAnswer> answers;
    const JournalAnswer *answerTo(const QString &prompt) const
    {
        for (const JournalAnswer &a : answers)
            if (a.prompt == prompt)
                return &a;
        return nullptr;
    }
};

} // namespace zindle
