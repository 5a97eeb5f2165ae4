// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRunsReport.h"

#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TestRunsReport)
};

// Report units (100 to 12 points): the last line's top still leaves a margin on A4 and Letter.
constexpr int FirstLineY = 250, LastLineY = 6200, LineHeight = 100, RunGap = 60;
const QString Indent = QStringLiteral("      ");

class Pages {
public:
    explicit Pages(const QString &title) : title_(title) { newPage(); }

    // `keepWith`: room for the lines that must stand on the same page as this one.
    void add(const QString &text, int fontSize = 9, int keepWith = 0)
    {
        if (y_ + keepWith > LastLineY)
            newPage();
        pages.back().push_back({text, ReportColumn::Left, y_, fontSize});
        y_ += fontSize > 9 ? LineHeight * 3 / 2 : LineHeight;
    }
    void gap(int units) { y_ += units; }

    std::vector<std::vector<ReportLine>> pages;

private:
    void newPage()
    {
        const QString title = pages.empty() ? title_ : Texts::tr("%1 (continued)").arg(title_);
        pages.push_back({{title, ReportColumn::Left, 50, 16}});
        y_ = FirstLineY;
    }

    QString title_;
    int y_ = FirstLineY;
};

QString markLine(const MarkComparison &mark)
{
    const QString feet = doubleText(mark.measured.distanceFt), measured = text00(mark.measured.timeS);
    if (!mark.predictedS)
        return Indent + Texts::tr("%1 ft: measured %2 s; the prediction comes to rest before it").arg(feet, measured);
    return Indent
           + Texts::tr("%1 ft: measured %2 s, predicted %3 s, error %4")
                 .arg(feet, measured, text00(*mark.predictedS), TimeErrorText(mark.measured.timeS, *mark.predictedS));
}

QString restLine(double measuredFt, const RunComparison &comparison)
{
    const QString measured = text00(measuredFt);
    if (!comparison.predictedRestFt)
        return Indent + Texts::tr("Rest: measured %1 ft, predicted still rolling when the run's time ends").arg(measured);
    return Indent + Texts::tr("Rest: measured %1 ft, predicted %2 ft").arg(measured, text00(*comparison.predictedRestFt));
}

// "Room 12 tile: RMS error 0.10 s over 2 marks (1 run)"; every value goes in by one arg(), so
// that a "%1" typed in the track's name stays.
QString trackLine(const QString &track, const std::vector<RunComparison> &runs)
{
    int marks = 0;
    for (const RunComparison &run : runs)
        for (const MarkComparison &mark : run.marks)
            marks += mark.predictedS ? 1 : 0;
    const QString count = runs.size() == 1 ? Texts::tr("1 run") : Texts::tr("%1 runs").arg(runs.size());
    const std::optional<double> rms = RmsMarkError(runs);
    if (!rms)
        return Texts::tr("%1: no timed mark the prediction reaches (%2)").arg(printableText(track), count);
    if (marks == 1)
        return Texts::tr("%1: RMS error %2 s over 1 mark (%3)").arg(printableText(track), text00(*rms), count);
    return Texts::tr("%1: RMS error %2 s over %3 marks (%4)")
        .arg(printableText(track), text00(*rms), QString::number(marks), count);
}

} // namespace

std::vector<std::vector<ReportLine>> TestRunsPages(const QString &designName, const CoastedRun &prediction,
                                                   const std::vector<MeasuredRun> &runs, const QString &calibration)
{
    Pages pages(Texts::tr("Test runs of %1").arg(printableText(designName)));
    if (calibration.isEmpty()) {
        pages.add(Texts::tr("Predicted with coasting by the design's own model; an error is measured minus predicted."));
    } else {
        pages.add(Texts::tr("Predicted with coasting; an error is measured minus predicted."));
        pages.add(Texts::tr("Predictions %1").arg(printableText(calibration)));
    }
    pages.gap(RunGap);
    QStringList tracks;
    std::vector<std::vector<RunComparison>> byTrack;
    for (const MeasuredRun &run : runs) {
        const RunComparison compared = CompareRun(prediction, run);
        QString heading = run.date.toString(Qt::ISODate) + QStringLiteral(", ") + printableText(run.track);
        if (!run.note.isEmpty())
            heading += QStringLiteral(" - ") + printableText(run.note);
        // A run's lines stand together unless it has more marks than a page holds.
        const int lines = static_cast<int>(compared.marks.size()) + (run.restFt ? 1 : 0);
        pages.add(heading, 9, lines * LineHeight);
        for (const MarkComparison &mark : compared.marks)
            pages.add(markLine(mark));
        if (run.restFt)
            pages.add(restLine(*run.restFt, compared));
        pages.gap(RunGap);

        const QString track = run.track.trimmed();
        if (!tracks.contains(track)) {
            tracks << track;
            byTrack.emplace_back();
        }
        byTrack[static_cast<size_t>(tracks.indexOf(track))].push_back(compared);
    }
    pages.gap(RunGap);
    pages.add(Texts::tr("Error by track"), 14, LineHeight);
    for (qsizetype t = 0; t < tracks.size(); ++t)
        pages.add(trackLine(tracks[t], byTrack[static_cast<size_t>(t)]));
    return pages.pages;
}

} // namespace zindle
