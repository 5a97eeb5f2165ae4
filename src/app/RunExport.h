// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Export run: the current design's whole run as the samples of every step (CSV) or as
// the run charts (PNG, SVG, PDF). The run is made on a copy of the workspace, as "View the
// entire cycle" would make it, so the window's mode, shown frame and buttons stay as they are.

#include "app/Workspace.h"
#include "files/FileErrors.h"

#include <QByteArray>
#include <QString>

namespace zindle {

// One line a step: t (s), distance (ft), speed (ft/s), propulsion and traction (lb), skid (0/1).
QByteArray RunSamplesCsv(const RunTrace &run);

// What the export writes for `fileName`, by its extension (.csv, .png, .svg or .pdf); `error`
// says why not when the result is empty (an unknown extension, a car the model cannot run).
QByteArray RunExportBytes(const Workspace &workspace, const QString &fileName, QString &error);
// The same with `error` kept as a text the window says in its own language.
QByteArray RunExportBytes(const Workspace &workspace, const QString &fileName, FileText &error);

// The same, written whole or not at all.
WriteOutcome ExportRun(const Workspace &workspace, const QString &path);

} // namespace zindle
