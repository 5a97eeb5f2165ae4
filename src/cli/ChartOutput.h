// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The --chart and --map options: a file named by its format (.png, .svg or .pdf), written
// whole or not at all.

#include "charts/ChartFile.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace zindle::cli {

struct ParsedArguments;

// The format of a chart file name given to `option`; on a name without a known extension
// (standard output included, which has none) one line on `err` and nothing.
std::optional<ChartFormat> chartFileFormat(const QString &command, const QString &option, const QString &name,
                                           QTextStream &err);

// The command's --chart option: false after one line on `err` for a name of no known format;
// true with `format` set when given, left empty when not.
bool chartOption(const ParsedArguments &parsed, const QString &command, std::optional<ChartFormat> &format,
                 QString &name, QTextStream &err);

// Paints and writes the chart; false after one line on `err`.
bool writeChartFile(const QString &name, ChartFormat format, QSize size, const QString &title,
                    const ChartPainter &paint, QTextStream &out, QTextStream &err);

// True when the arguments ask a physics command for a chart, which needs fonts.
bool argumentsAskForChart(const QStringList &arguments);

} // namespace zindle::cli
