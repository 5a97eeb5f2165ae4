// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsOwner.h"

#include "app/Workspace.h"
#include "files/DesignFile.h"

#include <QDataStream>
#include <QIODevice>

namespace zindle {

QByteArray ComputationInputs(const Workspace &workspace)
{
    QByteArray key = EncodeDesign(workspace.design, workspace.catalogue, QString());
    QDataStream out(&key, QIODevice::WriteOnly | QIODevice::Append);
    // The file leaves the built-in materials out; the computation reads them.
    const MaterialCatalogue &c = workspace.catalogue;
    for (const BoardMaterial &m : c.boards)
        out << m.BoardName << m.BoardThickness << m.BoardDensity;
    for (const AxleMaterial &m : c.axles)
        out << m.AxleName << m.AxleDensity;
    for (const SpringMaterial &m : c.springs) {
        out << m.SpringName << m.SpringThickness << m.SpringDensity << m.SpringSampleWidth;
        for (const QString &cell : m.SpringTorqueCurve)
            out << cell;
    }
    for (const TreadMaterial &m : c.treads)
        out << m.TreadName << m.TreadFriction;
    // The mass analysis counts elements in screen pixels.
    const SheetScale &s = workspace.scale;
    out << s.ScreenScale << s.SheetOffsetX << s.SheetPxWidth << s.SheetPxHeight << s.DrawPxWidth
        << s.DrawPxHeight << s.ScreenOriginX << s.ScreenOriginY;
    // A prediction for a track runs with that track's calibration.
    const ModelFactors &f = workspace.trackFactors;
    out << f.friction.has_value() << f.friction.value_or(0.0f) << f.springEfficiency;
    return key;
}

void StampResults(Workspace &workspace, bool simulated)
{
    workspace.resultsOwner = {ComputationInputs(workspace), simulated};
}

ResultsCoverage ResultsOfCurrentDesign(const Workspace &workspace)
{
    const ResultsOwner &owner = workspace.resultsOwner;
    if (owner.inputs.isEmpty() || owner.inputs != ComputationInputs(workspace))
        return ResultsCoverage::None;
    return owner.simulated ? ResultsCoverage::All : ResultsCoverage::WithoutRun;
}

} // namespace zindle
