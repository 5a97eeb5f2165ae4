// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The binary .zndl design file: little-endian 4-byte Integers and length-prefixed Strings,
// beginning with the version block ":::::VersionInformation:::::" and the version 3.

#include "FileErrors.h"
#include "model/DesignState.h"

#include <QByteArray>
#include <QString>

namespace zindle {

inline const QString VersionMarker = QStringLiteral(":::::VersionInformation:::::");
inline constexpr int FileVersion = 3;

enum ChamberCode { OctagonalCode = 13, CircularCode = 14 };
enum DriveCode { RearWDCode = 10, FrontWDCode = 11, AllWDCode = 12 };

// The bytes of a design file for the current design, named `name`.
QByteArray EncodeDesign(const DesignRecord &design, const MaterialCatalogue &catalogue,
                        const QString &name);

// Writes the current design to `path` under the name of list slot `slot`, then marks that slot
// saved. The bytes go to a temporary file beside the target, which replaces the target only
// once everything is written, so a failed save leaves the old file as it was.
WriteOutcome SaveDesign(DesignState &workspace, const QString &path, int slot);

// Puts the current design into the state every file read starts from: default parameters,
// no user materials, no outlines, no weights.
void PrepareForFileRead(DesignState &workspace);

// Reads a binary design file into the current design and catalogue (call PrepareForFileRead
// first). NotADesign when the marker or the version does not match. On a failure, what was
// read before the fault stays in the design.
ReadOutcome ReadBinaryDesignFile(DesignState &workspace, const QString &path);
ReadOutcome ReadBinaryDesign(DesignState &workspace, const QByteArray &bytes, const QString &path);

// Rebuilds the design from the file's drive code (10, 11, 12) with the drive buttons' side
// effects; other codes change nothing.
void ApplyDriveCode(DesignRecord &design, int code);
void ApplyChamberCode(DesignRecord &design, int code);

} // namespace zindle
