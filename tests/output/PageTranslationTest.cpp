// SPDX-License-Identifier: GPL-3.0-or-later
// The pages people read ask the translations for their texts, in their own contexts; the data
// beside them (the league's CSV) is the same whatever the window speaks.

#include "output/DesignReport.h"
#include "output/EventPage.h"
#include "output/LeaguePages.h"
#include "output/PrintedPage.h"
#include "output/Templates.h"
#include "output/TestRunsReport.h"
#include "output/WheelPages.h"
#include "physics/Advisories.h"
#include "support/BuiltInWorkspace.h"
#include "support/PseudoTranslation.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

class RecordingTranslator : public test::BracketingTranslator {
public:
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        asked.insert(QString::fromUtf8(context) + QStringLiteral(": ") + QString::fromUtf8(source));
        return hostile ? QStringLiteral("</script>\"<i>")
                       : BracketingTranslator::translate(context, source, disambiguation, n);
    }
    mutable QSet<QString> asked;
    bool hostile = false;
};

// A class of one car that ran, was timed and skidded, and one file that could not be read.
std::vector<StandingRow> classOfTwo()
{
    StandingRow car, unread;
    car.source = unread.source = QStringLiteral("class/comet.zndl");
    car.name = QStringLiteral("Comet");
    car.ran = car.finished = true;
    car.advisories = {SkidAdvisoryText};
    car.place = car.measuredRuns = 1;
    car.sideViewPng = QByteArrayLiteral("picture");
    car.measuredTime = car.coastTime = 2.5;
    car.calibration = QStringLiteral("calibrated for Gym: friction 0.05 lb, springs at 90 % of their rated torque");
    unread.error = QStringLiteral("not a design file");
    return {car, unread};
}

} // namespace

TEST(PageTranslation, PagesAskForTheirTextsAndTheCsvStaysEnglish)
{
    const std::vector<StandingRow> rows = classOfTwo();
    const std::vector<Heat> heats{{1, 1, true, {{0, 0, QStringLiteral("Comet"), QStringLiteral("2.50 sec"), {}}}, 0}};
    const QByteArray englishCsv = standingsCsv(rows);
    Workspace ws = test::builtInWorkspace(1);
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QStringList shown;
    for (const ReportLine &line : DesignReportLines(ws))
        shown << line.text;
    CoastedRun prediction;
    prediction.points = {{0, 0.0f, 0.0f, false}, {100, 15.0f, 15.0f, false}, {200, 20.0f, 0.0f, true}};
    prediction.rests = true;
    prediction.restFt = 20.0f;
    const MeasuredRun run{QDate(2026, 5, 4), QStringLiteral("12"), {{5, 0.6}}, 20.0, {}, {}};
    for (const auto &page : TestRunsPages(QStringLiteral("1"), prediction, {run}, QStringLiteral("1")))
        for (const ReportLine &line : page)
            shown << line.text;
    const TemplateLabelLines wheels = TemplateLabels(ws, {false, false, true, 0.0f}, 0);
    shown << wheels.top << wheels.middle << wheels.bottom << HoleLabel(QStringLiteral("0.25"))
          << TemplateLabels(ws, {true, true, false, 0.0f}, 2).top << PrintAtActualSizeText() << TileText(2, 4);
    const QByteArray html = standingsHtml(rows, heats);
    QByteArray pdf;
    EXPECT_TRUE(standingsPdf(rows, heats, pdf));
    const QByteArray csv = standingsCsv(rows);
    const QByteArray event = EventPageHtml();
    translator.hostile = true;
    const QByteArray hostileEvent = EventPageHtml();
    QCoreApplication::removeTranslator(&translator);

    for (const QString &text : shown)
        EXPECT_FALSE(test::untranslated(text)) << text.toStdString();
    EXPECT_EQ(csv, englishCsv);
    // The page's own texts and the rows' advisories, in the window's language.
    EXPECT_TRUE(html.contains("<html lang=\"\u27e6en\u27e7\">"));
    EXPECT_TRUE(html.contains("<td>\u27e6Skid advisory.\u27e7</td>"));
    EXPECT_TRUE(event.contains("lane:\"\u27e6Lane %1\u27e7\""));
    // A translation can neither end the script nor add markup.
    EXPECT_EQ(hostileEvent.count("</script>"), 1);
    EXPECT_FALSE(hostileEvent.contains("<i>"));
    // The texts of the pages not checked line by line above, each in its context.
    for (const char *expected :
         {"LeaguePages: Class standings", "LeaguePages: 1 design, 1 file could not be read",
          "LeaguePages: Predictions %1", "LeaguePages: Time to 15 ft (sec)", "LeaguePages: Time (sec)",
          "LeaguePages: Measured", "LeaguePages: Final (%1)", "LeaguePages: 1 car", "LeaguePages: Winner: %1",
          "LeaguePages: Side view of %1", "LeaguePages: Not read: %1: %2", "EventPage: Race day",
          "EventPage: Now racing: heat %1", "EventPage: %1 (withdrawn)", "EventPage: Heat %1 recorded."})
        EXPECT_TRUE(translator.asked.contains(QString::fromUtf8(expected))) << expected;
}
