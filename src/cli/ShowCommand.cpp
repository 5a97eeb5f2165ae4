// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowCommand.h"

#include "files/PathText.h"
#include "model/NumberText.h"

namespace zindle::cli {

namespace {

QString pointsText(const std::vector<QPoint> &points)
{
    QStringList pairs;
    for (const QPoint &p : points)
        pairs << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return pairs.join(QLatin1Char(' '));
}

QString driveText(DriveKind drive)
{
    switch (drive) {
    case DriveKind::RearWD: return QStringLiteral("RearWD");
    case DriveKind::FrontWD: return QStringLiteral("FrontWD");
    case DriveKind::AllWD: return QStringLiteral("AllWD");
    }
    return {};
}

} // namespace

void printDesign(const Workspace &workspace, QTextStream &out)
{
    const DesignRecord &design = workspace.design;
    const MaterialCatalogue &catalogue = workspace.catalogue;
    // Texts read from the file are shown with their control characters escaped: a name with a
    // line end in it must not add a line of its own.
    out << "Name=" << printableText(workspace.list.current().DesignName) << '\n';
    const auto fields = parameterFields(design);
    for (size_t i = 0; i < fields.size(); ++i)
        out << ParameterNames[i] << '=' << printableText(*fields[i]) << '\n';

    static const struct {
        const char *key;
        MaterialKind kind;
    } parts[PartCount] = {{"OuterBodyMaterial", MaterialKind::Board},
                          {"InnerBodyMaterial", MaterialKind::Board},
                          {"DriveWheelMaterial", MaterialKind::Board},
                          {"OtherWheelMaterial", MaterialKind::Board},
                          {"DriveAxleMaterial", MaterialKind::Axle},
                          {"OtherAxleMaterial", MaterialKind::Axle},
                          {"SpringMaterial", MaterialKind::Spring},
                          {"TreadMaterial", MaterialKind::Tread}};
    for (int part = 0; part < PartCount; ++part)
        out << parts[part].key << '='
            << printableText(catalogue.name(parts[part].kind, design.MatIndex[static_cast<size_t>(part)])) << '\n';

    out << "StepSize=" << printableText(design.StepSize) << '\n';
    out << "CaseRatio=" << printableText(design.CaseRatio) << '\n';
    out << "Friction=" << printableText(design.Friction) << '\n';
    out << "ChamberShape="
        << (design.ChamberShape == ChamberShapeKind::Octagonal ? "Octagonal" : "Circular") << '\n';
    out << "Drive=" << driveText(design.Drive) << '\n';
    out << "OuterCount=" << design.OuterCount() << '\n';
    out << "OuterPts=" << pointsText(design.OuterPts) << '\n';
    out << "InnerCount=" << design.InnerCount() << '\n';
    out << "InnerPts=" << pointsText(design.InnerPts) << '\n';
    out << "WeightCount=" << design.usedWeightCount() << '\n';
    int slotNumber = 0;
    for (const WeightSlot &slot : design.Weights) {
        ++slotNumber;
        if (!slot.isFree())
            out << "Weight" << slotNumber << '=' << slot.X << ',' << slot.Y << ','
                << floatText(slot.Mass) << '\n';
    }
    out << "FrontAxleXIn=" << floatText(design.FrontAxleXIn) << '\n';
    out << "FrontAxleYIn=" << floatText(design.FrontAxleYIn) << '\n';
    out << "FrontAxleXPt=" << floatText(design.FrontAxleXPt) << '\n';
    out << "FrontAxleYPt=" << floatText(design.FrontAxleYPt) << '\n';
}

} // namespace zindle::cli
