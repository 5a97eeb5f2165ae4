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
#include "files/JournalFile.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PortfolioCommand)
};

// The journal's versions as the portfolio lists them: the times and masses as the result fields
// would hold them, a short run's time in brackets.
std::vector<PortfolioVersion> portfolioVersions(const DesignJournal &journal)
{
    std::vector<PortfolioVersion> versions;
    int number = 0;
    for (const JournalVersion &v : journal.versions) {
        PortfolioVersion p;
        p.number = ++number;
        p.when = v.when.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        if (v.timeS) {
            const QString seconds = QString::number(*v.timeS, 'f', 2);
            p.time = v.reaches15ft ? seconds : QLatin1Char('[') + seconds + QLatin1Char(']');
            if (v.reaches15ft)
                p.seconds = v.timeS;
        }
        if (v.massLb)
            p.mass = QString::number(*v.massLb, 'f', 3);
        p.note = v.note;
        versions.push_back(p);
    }
    return versions;
}

} // namespace

const char *const PortfolioHelp =
    "Usage: zindle-cli portfolio DESIGN OUT.pdf [--challenge C.json] [--page a4|letter]\n"
    "Writes the student's portfolio of DESIGN for grading into OUT.pdf, at most four\n"
    "pages: the design (side view, sizes, predicted results, its templates), the\n"
    "prediction against the simulation and the runs the class's logbook zindle-log.json\n"
    "holds for it, with the challenge's rules checked; the journal's versions (its file\n"
    "DESIGN.zndl.journal.json beside the design) with the chart of the time to 15 ft over\n"
    "them; the answers to the challenge's prompts as the journal keeps them (the Journal\n"
    "window has them). A journal that cannot be read is\n"
    "reported and the portfolio has no versions. What\n"
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
        const JournalRead journal = ReadJournal(JournalPathOf(sources.source));
        if (journal.ok) {
            sources.versions = portfolioVersions(journal.journal);
            if (sources.challenge)
                for (const ChallengePrompt &prompt : sources.challenge->prompts) {
                    const JournalAnswer *answer = journal.journal.answerTo(prompt.text);
                    sources.answers.push_back(answer ? answer->answer : QString());
                }
        }
        else
            err << "zindle-cli portfolio: " << journal.shownError() << '\n';
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
