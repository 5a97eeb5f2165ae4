// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortfolioCommand.h"

#include "ChallengeCommand.h"
#include "Cli.h"
#include "DesignArgument.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "TemplatesCommand.h"
#include "app/LoggedRuns.h"
#include "app/PortfolioContent.h"
#include "files/PathText.h"

#include <QCoreApplication>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PortfolioCommand)
};

} // namespace

const char *const PortfolioHelp =
    "Usage: zindle-cli portfolio DESIGN OUT.pdf [--challenge C.json] [--page a4|letter]\n"
    "Writes the student's portfolio of DESIGN for grading into OUT.pdf, at most four\n"
    "pages: the design (side view, sizes, predicted results, its templates), the\n"
    "prediction against the simulation and the runs the class's logbook zindle-log.json\n"
    "holds for it, with the challenge's rules checked; the journal's versions with the\n"
    "chart of the time to 15 ft over them; the answers to the challenge's prompts. What\n"
    "does not fit its page is left out there (the journal keeps its first and latest\n"
    "versions and says how many it leaves out). Prints Pages=<number of pages>.\n"
    "  --challenge C.json  the challenge the design is checked against and whose\n"
    "                      prompts are answered; without it there is no checklist\n"
    ZINDLE_PAGE_OPTION_HELP
    ZINDLE_HEADLESS_SCALE_HELP;

int portfolioCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    const QString challengeOption = QStringLiteral("--challenge");
    if (!parseArguments(args, {}, {QStringLiteral("--page"), challengeOption}, parsed, error)
        || parsed.positional.size() != 2 || !pageOption(parsed, paper, error)) {
        if (!error.isEmpty())
            err << "zindle-cli portfolio: " << printableText(error) << '\n';
        err << PortfolioHelp;
        return UsageFailure;
    }

    PortfolioSources sources;
    if (parsed.hasValue(challengeOption)) {
        Challenge challenge;
        if (!readChallengeOption(parsed.value(challengeOption), challenge, err))
            return FileFailure;
        sources.challenge = challenge;
    }
    Workspace workspace;
    if (!loadDesign(workspace, parsed.positional[0], err))
        return FileFailure;
    sources.designName = workspace.list.current().DesignName;
    sources.source = workspace.list.current().DesignPath;
    if (!sources.source.isEmpty()) {
        const FolderLogbooks logbooks = ReadFolderLogbooks(DesignSources({sources.source}));
        for (const QString &line : logbooks.shownErrors)
            err << "zindle-cli portfolio: " << line << '\n';
        sources.runs = LoggedRunsOf(logbooks, sources.source, sources.designName).runs;
    }

    QByteArray pdf;
    const int pages = portfolioPdf(GatherPortfolio(workspace, sources), paper, pdf);
    if (pages == 0) {
        err << Texts::tr("Cannot write the PDF file \"%1\".").arg(printableText(parsed.positional[1])) << '\n';
        return FileFailure;
    }
    const QString path = parsed.positional[1];
    if (!writeOutputFile(path, pdf, out, err))
        return FileFailure;
    (isStandardOutput(path) ? err : out) << "Pages=" << pages << '\n';
    return Success;
}

} // namespace zindle::cli
