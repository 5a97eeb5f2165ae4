// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include "Cli.h"
#include "files/PathText.h"
#include "PhysicsOutput.h"
#include "TemplatesCommand.h"

namespace zindle::cli {

const char *const ReportHelp =
    "Usage: zindle-cli report DESIGN OUT.pdf [--page a4|letter]\n"
    "Simulates DESIGN over the whole cycle (Simulate mode, element size 9), then prints its\n"
    "one-page design report (portrait) into OUT.pdf. Prints Pages=1.\n"
    ZINDLE_PAGE_OPTION_HELP
    ZINDLE_HEADLESS_SCALE_HELP;

int reportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    if (!parseArguments(args, {}, {QStringLiteral("--page")}, parsed, error) || parsed.positional.size() != 2
        || !pageOption(parsed, paper, error)) {
        if (!error.isEmpty())
            err << "zindle-cli report: " << printableText(error) << '\n';
        err << ReportHelp;
        return UsageFailure;
    }
    return printDesignToPdf(parsed.positional[0], parsed.positional[1], PrintJobKind::Report, paper, out, err);
}

} // namespace zindle::cli
