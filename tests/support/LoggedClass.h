// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class folder with its logbook, for the tests that compare the standings with measured runs.

#include "support/ClassFolder.h"

namespace zindle::test {

// A class that has been to test day: racer.zndl ("Racer", runs on two tracks), truck.zndl ("Truck",
// a run timed short of 15 ft) and plain.zndl ("Plain", no runs), with the logbook of
// tests/data/logbook-class.json, which calibrates "Room 12 tile". False when a file could not
// be written.
inline bool writeLoggedClass(const QString &folder)
{
    const QString logbook = QDir(folder).filePath(QStringLiteral("zindle-log.json"));
    QFile::remove(logbook);
    return !writeClassDesign(folder, QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 1).isEmpty()
           && !writeClassDesign(folder, QStringLiteral("truck.zndl"), QStringLiteral("Truck"), 3).isEmpty()
           && !writeClassDesign(folder, QStringLiteral("plain.zndl"), QStringLiteral("Plain"), 0).isEmpty()
           && QFile::copy(QStringLiteral(ZINDLE_TEST_DATA "/logbook-class.json"), logbook);
}

} // namespace zindle::test
