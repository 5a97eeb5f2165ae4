#pragma once

#include "output/PrintJobs.h"

#include <QStringList>
#include <QTextStream>

namespace zindle::cli {

extern const char *const TemplatesHelp;
// zindle-cli templates DESIGN OUT.pdf [--set all|report|inner|outer|wheels]
int templatesCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// Loads DESIGN, simulates it as the Print button does for a design not yet simulated, and
// prints `job` into OUT.pdf, one page per printed item. Returns the exit status.
int printDesignToPdf(const QString &design, const QString &pdfPath, PrintJobKind job,
                     QTextStream &out, QTextStream &err);

// Whether the command line draws text (fonts need a GUI application object).
bool commandPaints(const QStringList &arguments);

} // namespace zindle::cli
