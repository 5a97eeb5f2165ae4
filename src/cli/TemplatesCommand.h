// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "output/DesignReport.h"
#include "output/PaperSize.h"
#include "output/PrintJobs.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

namespace zindle::cli {

extern const char *const TemplatesHelp;
// zindle-cli templates DESIGN OUT.pdf [--set all|report|inner|outer|wheels] [--page a4|letter]
//            templates DESIGN OUT.svg|OUT.dxf [--set all|inner|outer|wheels] [--board WxH]
int templatesCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// The help of --page, shared by the commands that print.
#define ZINDLE_PAGE_OPTION_HELP                                                                  \
    "--page a4|letter sets the paper; without it the locale's measurement system decides\n"     \
    "(US Letter for US customary units and where the locale says nothing, as in the C\n"        \
    "locale; A4 elsewhere). Every page fits both papers.\n"

struct ParsedArguments;
// The paper of --page, or the locale's when the option is absent. False, with `error` set,
// for an unknown name.
bool pageOption(const ParsedArguments &parsed, QPageSize::PageSizeId &paper, QString &error);

// A page printed after the job's own: it paints the whole page (device units, with the
// device's dots per point across and down).
using ExtraPage = std::function<void(QPainter &, const QRectF &page, float dotsPerPointX, float dotsPerPointY)>;
// The pages printed after the job's own, made from the simulated workspace.
using MoreReportPages = std::function<std::vector<ExtraPage>(Workspace &)>;
// A page of report lines as such a page.
ExtraPage reportLinesPage(std::vector<ReportLine> lines);

// Loads DESIGN, simulates it as the Print button does for a design not yet simulated, and
// prints `job` into OUT.pdf on `paper`, one page per printed item, then `more`. Returns the
// exit status.
int printDesignToPdf(const QString &design, const QString &pdfPath, PrintJobKind job,
                     QPageSize::PageSizeId paper, QTextStream &out, QTextStream &err,
                     const MoreReportPages &more = {});

// Whether the command line draws text (fonts need a GUI application object).
bool commandPaints(const QStringList &arguments);

} // namespace zindle::cli
