// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignFile.h"

#include "DesignReader.h"
#include "FileAccess.h"
#include "ItemSource.h"
#include "model/NumberText.h"

#include <QtEndian>

namespace zindle {

namespace {

class BinaryWriter {
public:
    void integer(qint32 value)
    {
        char buffer[4];
        qToLittleEndian(value, buffer);
        bytes.append(buffer, 4);
    }
    void string(const QString &text)
    {
        // A reader honours only 15 bits of length; longer text could never come back intact.
        const QByteArray latin = text.toLatin1().left(32767);
        integer(static_cast<qint32>(latin.size()));
        bytes.append(latin);
    }
    void real(float value) { string(floatText(value)); }
    QByteArray bytes;
};

} // namespace

QByteArray EncodeDesign(const DesignRecord &design, const MaterialCatalogue &catalogue,
                        const QString &name)
{
    BinaryWriter out;
    out.string(VersionMarker);
    out.integer(FileVersion);
    out.string(name);
    for (const QString *field : parameterFields(design))
        out.string(*field);

    out.integer(design.CustomMaterialsInFile);
    if (design.CustomMaterialsInFile == 1) {
        for (int index : design.MatIndex)
            out.integer(index);
        out.integer(catalogue.count(MaterialKind::Board) - 1);
        for (size_t i = 1; i < catalogue.boards.size(); ++i) {
            const BoardMaterial &board = catalogue.boards[i];
            out.string(board.BoardName);
            out.string(board.BoardThickness);
            out.string(board.BoardDensity);
        }
        out.integer(catalogue.count(MaterialKind::Axle) - 1);
        for (size_t i = 1; i < catalogue.axles.size(); ++i) {
            out.string(catalogue.axles[i].AxleName);
            out.string(catalogue.axles[i].AxleDensity);
        }
        out.integer(catalogue.count(MaterialKind::Spring) - 1);
        for (size_t i = 1; i < catalogue.springs.size(); ++i) {
            const SpringMaterial &spring = catalogue.springs[i];
            out.string(spring.SpringName);
            out.string(spring.SpringThickness);
            out.string(spring.SpringDensity);
            out.string(spring.SpringSampleWidth);
            for (const QString &cell : spring.SpringTorqueCurve)
                out.string(cell);
        }
        out.integer(catalogue.count(MaterialKind::Tread) - 1);
        for (size_t i = 1; i < catalogue.treads.size(); ++i) {
            out.string(catalogue.treads[i].TreadName);
            out.string(catalogue.treads[i].TreadFriction);
        }
    }

    out.string(design.StepSize);
    out.string(design.CaseRatio);
    out.string(design.Friction);
    out.integer(design.ChamberShape == ChamberShapeKind::Octagonal ? OctagonalCode : CircularCode);
    switch (design.Drive) {
    case DriveKind::RearWD: out.integer(RearWDCode); break;
    case DriveKind::FrontWD: out.integer(FrontWDCode); break;
    case DriveKind::AllWD: out.integer(AllWDCode); break;
    }
    out.integer(design.OuterCount());
    for (const QPoint &p : design.OuterPts) {
        out.integer(p.x());
        out.integer(p.y());
    }
    out.integer(design.InnerCount());
    for (const QPoint &p : design.InnerPts) {
        out.integer(p.x());
        out.integer(p.y());
    }
    out.integer(design.usedWeightCount());
    for (const WeightSlot &slot : design.Weights) {
        if (slot.isFree())
            continue;
        out.integer(slot.X);
        out.integer(slot.Y);
        out.real(slot.Mass);
    }
    out.real(design.FrontAxleXIn);
    out.real(design.FrontAxleYIn);
    out.real(design.FrontAxleXPt);
    out.real(design.FrontAxleYPt);
    return out.bytes;
}

WriteOutcome SaveDesign(DesignState &workspace, const QString &path, int slot)
{
    const QString name = slot >= 0 && slot < workspace.list.DesignCount()
                             ? workspace.list.entries[static_cast<size_t>(slot)].DesignName
                             : QString();
    const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, name);
    const WriteOutcome written = WriteFileAtomically(path, bytes);
    if (!written.ok)
        return written;
    if (slot >= 0 && slot < workspace.list.DesignCount())
        workspace.list.entries[static_cast<size_t>(slot)].DesignSaved = true;
    return Written();
}

void PrepareForFileRead(DesignState &workspace)
{
    ResetParameters(workspace.design);
    workspace.catalogue.removeUserMaterials();
    ClearOuterShape(workspace.design);
    ClearInnerShape(workspace.design);
    ClearWeights(workspace.design);
}

void ApplyDriveCode(DesignRecord &design, int code)
{
    switch (code) {
    case RearWDCode: ApplyDrive(design, DriveKind::RearWD); break;
    case FrontWDCode: ApplyDrive(design, DriveKind::FrontWD); break;
    case AllWDCode: ApplyDrive(design, DriveKind::AllWD); break;
    default: break;
    }
}

void ApplyChamberCode(DesignRecord &design, int code)
{
    if (code == OctagonalCode)
        design.ChamberShape = ChamberShapeKind::Octagonal;
    else if (code == CircularCode)
        design.ChamberShape = ChamberShapeKind::Circular;
}

ReadOutcome ReadBinaryDesign(DesignState &workspace, const QByteArray &bytes, const QString &path)
{
    ReadOutcome outcome;
    try {
        BinaryItemSource source(bytes);
        if (source.readRawString() != VersionMarker.toLatin1() || source.readInteger() != FileVersion) {
            outcome.fail(readError(path,
                FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a Zindle 4.1 design file"))));
            outcome.status = ReadStatus::NotADesign;
            return outcome;
        }
        outcome.name = ReadDesign(source, workspace);
        outcome.status = ReadStatus::Read;
        if (source.remaining() > 0)
            outcome.warn(readWarning(
                path,
                    FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 bytes after the end of the design were ignored"))
                        .arg(source.remaining())));
    } catch (const DesignFileError &error) {
        outcome.fail(readError(path, error.text()));
    }
    return outcome;
}

ReadOutcome ReadBinaryDesignFile(DesignState &workspace, const QString &path)
{
    QByteArray bytes;
    FileText reason;
    if (!ReadWholeFile(path, MaxDesignFileBytes, bytes, reason))
        return FailedRead(readError(path, reason));
    return ReadBinaryDesign(workspace, bytes, path);
}

} // namespace zindle
