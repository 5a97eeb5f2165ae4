// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every result field once: its name, the caption beside it, its hint and unit, and where each
// front end shows it. The window, the command line (text and JSON) and the design report walk
// this table, so a new field is added here and nowhere else; each front end keeps only its own
// layout (the window's grid cells, the report's fixed lines).

#include "ResultFields.h"
#include "model/DesignRecord.h"

#include <QString>
#include <QStringView>
#include <span>

namespace zindle {

// Which listing of the command line carries a field: the Analyze listing (every physics
// command prints it) or only the listing after a run.
enum class CliListing { None, Analyze, Run };

// The report's blocks of results: performance (under "Predicted Performance and Physical
// Characteristics:"), the forces and masses beside the advisories, and the details. Within a
// block the left column comes first, each column from the top down.
enum class ReportBlock { None, Performance, ForcesAndMasses, Details };

struct ReportPlacement {
    ReportBlock block = ReportBlock::None;
    const char *label = "";  // printed before the value, spacing included
    const char *suffix = ""; // printed after it
    bool rightColumn = false;
    int y = 0; // report units: 100 units are 12 points
};

// One of the table's English texts (a caption, a hint, a report's label) in the language the
// program speaks.
QString resultFieldText(const char *english);

struct ResultFieldRow {
    const char *name; // as the field is named: "CaseIDEF"
    // Exactly one of the two is set: a computed result, or the design's own text for the
    // parameters the build step may correct (the Analyze listing shows them after it).
    QString ResultFields::*result;
    QString DesignRecord::*parameter;
    const char *caption; // the text beside the field
    const char *hint;    // what the field means, for the user ("" when none)
    const char *unit;
    const char *helpPath; // the help page behind the window's caption ("" when none)
    CliListing cli;
    ReportPlacement report;
    // The caption of the views that list every field (the details window), where the window's
    // own caption would say something else than the value is; null to keep the caption.
    const char *listCaption = nullptr;

    const char *shownCaption() const { return listCaption ? listCaption : caption; }
    // The texts as the program speaks them to a person; the table holds them in English.
    QString captionText() const { return resultFieldText(caption); }
    QString shownCaptionText() const { return resultFieldText(shownCaption()); }
    QString hintText() const { return resultFieldText(hint); }

    QString value(const DesignRecord &design, const ResultFields &results) const;
};

// In the order of the command line's listings.
std::span<const ResultFieldRow> resultFieldTable();
// The row of the field named `name`; null when there is none.
const ResultFieldRow *resultFieldRow(QStringView name);

} // namespace zindle
