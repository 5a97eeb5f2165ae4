// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Design files of earlier releases: one item per line, with the version block ("version 3") or
// the still older layout without it. They are read, never written.

#include "FileErrors.h"
#include "model/DesignState.h"

#include <QByteArray>
#include <QString>

namespace zindle {

enum class TextLayout { Version3, Older };

// Which text layout the bytes are in: a first line equal to the version marker means version
// 3 (when the second line is "3"); anything else is taken for the older layout.
TextLayout DetectTextLayout(const QByteArray &bytes);

// Reads a text-layout file into the current design (call PrepareForFileRead first). Version 3
// gives the name read; the older layout has none and gives an empty name. A marker with
// another version is NotADesign.
ReadOutcome ReadTextDesign(DesignState &workspace, const QByteArray &bytes, const QString &path);
ReadOutcome ReadTextDesignFile(DesignState &workspace, const QString &path);

} // namespace zindle
