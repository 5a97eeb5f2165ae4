// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a workspace holds that the modes rely on, as bytes: the design and its materials as a
// file holds them, every result field, Simulate's frame and buttons, the design list's flags and
// race traces, the last run, the advisories and the run checks. Two workspaces with equal bytes
// show the same in every mode. And a wait for a condition that the event loop brings about.

#include "app/Workspace.h"
#include "files/DesignFile.h"
#include "physics/ResultFieldTable.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QEventLoop>
#include <QIODevice>
#include <QTimer>
#include <functional>

namespace zindle::test {

inline QByteArray workspaceBytes(const Workspace &w)
{
    QByteArray bytes = EncodeDesign(w.design, w.catalogue, QString());
    QDataStream out(&bytes, QIODevice::WriteOnly | QIODevice::Append);
    out << w.design.StepSize << w.design.SavedOtherWhlDia;
    for (const ResultFieldRow &row : resultFieldTable())
        out << row.value(w.design, w.results);
    out << w.results.RevisedLabel;
    const SimulationState &s = w.simulation;
    out << s.SimulateStep << s.LastRunTime << s.StepEnabled << s.ToEndEnabled << s.RewindEnabled << s.frameShown;
    for (const DesignSlot &slot : w.list.entries)
        out << slot.DesignName << slot.DesignPath << slot.DesignSaved << slot.DesignSimulated;
    out << w.list.CurrentDesign;
    for (const RaceTrace &trace : w.list.traces) {
        out.writeRawData(reinterpret_cast<const char *>(trace.DistanceTrace.data()),
                         static_cast<int>(sizeof(float) * trace.DistanceTrace.size()));
        out.writeRawData(reinterpret_cast<const char *>(trace.SkidTrace.data()),
                         static_cast<int>(trace.SkidTrace.size()));
    }
    out << static_cast<qint64>(w.run.samples.size()) << w.run.timeToCourseEnd;
    for (const RunSample &sample : w.run.samples)
        out << sample.timeIndex << sample.distance << sample.velocity << sample.propulsion << sample.traction
            << sample.skid;
    out << w.advisories.shownTexts() << w.advisories.windowVisible;
    out << w.checks.noBody << w.checks.notNumbers << w.checks.noRevolutions << w.checks.axlesTooClose
        << w.checks.massChecked << w.checks.tooLight;
    out << w.forces.SkidOccurred << w.forces.ForcePictureMass << w.forces.ForcePictureMaxForce
        << w.forces.NormalForceOtherAtRest << w.forces.NormalForceDriveAtRest;
    out << w.mass.TotalMass << w.mass.CentroidX << w.mass.CentroidY << w.mass.ElementSize << w.mass.computed;
    return bytes;
}

// Runs the event loop until `condition` holds or `milliseconds` pass; returns the condition.
// The loop sleeps between its looks, leaving the cores to the work being waited for.
inline bool waitUntil(const std::function<bool()> &condition, int milliseconds = 20000)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    look.start(5);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

} // namespace zindle::test
