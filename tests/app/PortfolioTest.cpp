// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio of every built-in design, with a long journal and long answers, read back by
// poppler: never more than four pages on either paper, the broken rule named with its value,
// the journal's first and latest versions kept.

#include "app/PortfolioContent.h"
#include "support/BuiltInWorkspace.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

QString run(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

PortfolioSources classSources()
{
    Challenge challenge;
    challenge.title = QStringLiteral("Spring Sprint");
    RuleRefusal refusal;
    challenge.rules = {*parseRule(QStringLiteral("mass <= 0.2"), refusal), *parseRule(QStringLiteral("drive = rear"), refusal)};
    challenge.prompts = {{QStringLiteral("How long will your car take to 15 ft?"), PromptWhen::BeforeFirstSimulation},
                         {QStringLiteral("What would you change after the race?"), PromptWhen::AfterRace}};
    PortfolioSources sources;
    sources.challenge = challenge;
    for (int i = 1; i <= 60; ++i)
        sources.versions.push_back({i, QStringLiteral("2026-12-11T10:%1:00Z").arg(i % 60, 2, 10, QLatin1Char('0')),
                                    i % 7 ? QStringLiteral("1.%1").arg(90 - i) : QStringLiteral("[2.10]"),
                                    i % 7 ? std::optional<double>(1.9 - i / 100.0) : std::nullopt, QStringLiteral("0.25"),
                                    QStringLiteral("version %1").arg(i)});
    sources.answers = {QStringLiteral("1.45"), QStringLiteral("A lighter body and a longer spring. ").repeated(200)};
    MeasuredRun measured;
    measured.marks = {{15.0, 1.52}};
    sources.runs = std::vector<MeasuredRun>(20, measured);
    return sources;
}

} // namespace

TEST(Portfolio, EveryBuiltInDesignFitsFourPagesOnA4AndLetterWithTheChecklistAndJournal)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portfolio.pdf"));
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        for (const auto &[paper, size] : {std::pair{QPageSize::A4, "595 x 842"}, std::pair{QPageSize::Letter, "612 x 792"}}) {
            Workspace ws = test::builtInWorkspace(slot);
            PortfolioSources sources = classSources();
            sources.designName = ws.list.current().DesignName;
            const PortfolioContent content = GatherPortfolio(ws, sources);
            QByteArray pdf;
            ASSERT_EQ(portfolioPdf(content, paper, pdf), 4) << slot;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(pdf);
            file.close();
            const QString info = run(QStringLiteral("pdfinfo"), {path});
            EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n")))) << slot;
            EXPECT_TRUE(info.contains(QLatin1String(size))) << slot << info.toStdString();
            const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
            const QStringList pages = text.split(QLatin1Char('\f'));
            EXPECT_TRUE(pages.value(0).contains(sources.designName)) << slot;
            EXPECT_TRUE(pages.value(1).contains(QRegularExpression(QStringLiteral("broken +mass <= 0\\.2 +Mass 0\\.\\d\\d lb: over the 0\\.20 lb limit"))))
                << slot << pages.value(1).toStdString();
            EXPECT_TRUE(pages.value(1).contains(QLatin1String("1.52"))) << slot; // the runs' mean
            EXPECT_TRUE(pages.value(1).contains(QLatin1String("Runs not shown: 8"))) << slot;
            EXPECT_TRUE(pages.value(2).contains(QRegularExpression(QStringLiteral("version 1\\s")))) << slot;
            EXPECT_TRUE(pages.value(2).contains(QLatin1String("version 60"))) << slot;
            EXPECT_TRUE(pages.value(2).contains(QRegularExpression(QStringLiteral("Versions left out: \\d+")))) << slot;
            EXPECT_TRUE(pages.value(3).contains(QLatin1String("What would you change after the race?"))) << slot;
        }
    }
}
