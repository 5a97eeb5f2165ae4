// SPDX-License-Identifier: GPL-3.0-or-later
// Designs a student can make (or a file can hold) that the formulas cannot run: each gets its
// advisory and no result that pretends to mean something, and nothing absurd reaches any field,
// trace or label for any design, however odd.

#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"
#include "app/Workspace.h"
#include "output/DesignReport.h"
#include "physics/Advisories.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <random>

using namespace zindle;

namespace {

Workspace defaultDesign()
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.scale = HeadlessSheetScale();
    return ws;
}

// The Simulate refresh over the whole cycle, as the command line runs it.
void simulate(Workspace &ws)
{
    PrepareEntireCycle(ws);
    RefreshPhysicsMode(ws, SheetMode::Simulate);
}

bool noRun(const Workspace &ws)
{
    const RaceTrace &trace = ws.list.traces[static_cast<size_t>(ws.list.CurrentDesign)];
    for (float sample : trace.DistanceTrace)
        if (sample != -1.0f)
            return false;
    return ws.results.TimeEF.isEmpty() && ws.results.TopSpeedEF.isEmpty() && !ws.forces.SkidOccurred
           && !ws.list.current().DesignSimulated && ws.simulation.frameShown
           && ws.simulation.shownFrame.DynamicTimeLabel.isEmpty() && !ws.simulation.StepEnabled;
}

bool loadsEmpty(const ResultFields &r)
{
    return r.NormalForceAtRestEF.isEmpty() && r.NormalForceWoundEF.isEmpty() && r.NormalForceFrontEF.isEmpty()
           && r.TractionLeftEF.isEmpty() && r.TractionRightEF.isEmpty();
}

} // namespace

TEST(UnrunnableDesigns, ASpringWithoutRevolutions)
{
    // A 3 in spring on a 2 in arbor: the revolutions step used to show -1.5 turns and the run
    // went on from there.
    Workspace ws = defaultDesign();
    ws.design.SpringLength = QStringLiteral("3");
    ws.design.DriveAxleDia = QStringLiteral("2");
    simulate(ws);
    EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"Spring gives no revolutions."});
    EXPECT_TRUE(ws.results.RevsEF.isEmpty());
    EXPECT_TRUE(ws.results.PoweredDistanceEF.isEmpty());
    EXPECT_TRUE(noRun(ws));
    // What the car weighs and how it balances still holds.
    EXPECT_GT(floatOr(ws.results.ProjectedMassEF, 0.0f), 0.1f);
    EXPECT_FALSE(ws.results.NormalForceAtRestEF.isEmpty());

    // A case ratio of 99 % leaves a 12 in spring no room to unwind either.
    Workspace big = defaultDesign();
    big.design.CaseRatio = QStringLiteral("99");
    big.design.SpringLength = QStringLiteral("12");
    simulate(big);
    EXPECT_TRUE(big.advisories.shownTexts().contains("Spring gives no revolutions."));
    EXPECT_TRUE(big.results.RevsEF.isEmpty());
}

TEST(UnrunnableDesigns, ACarOfAlmostNoMass)
{
    for (const float weight : {-1.0f, -0.2422f}) {
        SCOPED_TRACE(weight);
        Workspace ws = defaultDesign();
        ws.design.Weights[0] = WeightSlot{400, 300, weight, {}};
        simulate(ws);
        const float mass = floatOr(ws.results.ProjectedMassEF, 1.0f);
        EXPECT_LT(mass, 0.01f); // the sum itself is shown
        EXPECT_TRUE(ws.advisories.shownTexts().contains("Car weighs less than 0.01 lb."));
        EXPECT_TRUE(ws.results.TrueCentroidEF.isEmpty());
        EXPECT_TRUE(ws.results.YCentroidEF.isEmpty());
        EXPECT_TRUE(loadsEmpty(ws.results));
        EXPECT_TRUE(noRun(ws));
        EXPECT_FALSE(ws.advisories.shownTexts().contains("Skid advisory."));
    }
}

TEST(UnrunnableDesigns, AxlesTooCloseTogether)
{
    Workspace ws = defaultDesign();
    ComputeBuildGeometry(ws);
    const float driveX = ws.build.CaseOuterDia / 2.0f;
    ws.design.setFrontAxlePt((10.0f - driveX - 0.01f) * 72.0f, ws.design.FrontAxleYPt);
    RefreshPhysicsMode(ws, SheetMode::Analyze);
    EXPECT_TRUE(ws.advisories.shownTexts().contains("Axles less than 0.1 in apart."));
    EXPECT_TRUE(loadsEmpty(ws.results)); // they used to run into the hundreds of pounds
    EXPECT_FALSE(ws.results.TrueCentroidEF.isEmpty());
    simulate(ws);
    EXPECT_TRUE(noRun(ws));

    // A front axle 2 in behind the drive axle is what a file may hold: computed as it is.
    Workspace behind = defaultDesign();
    behind.design.setFrontAxlePt((10.0f - driveX + 2.0f) * 72.0f, behind.design.FrontAxleYPt);
    simulate(behind);
    EXPECT_FALSE(behind.advisories.shownTexts().contains("Axles less than 0.1 in apart."));
    EXPECT_FALSE(behind.results.TimeEF.isEmpty());
    EXPECT_FALSE(behind.results.NormalForceAtRestEF.isEmpty());
}

TEST(UnrunnableDesigns, ACarWithoutABodyForgetsTheCarBefore)
{
    Workspace ws = defaultDesign();
    simulate(ws); // the default car's results are in the fields
    ClearOuterShape(ws.design);
    ClearInnerShape(ws.design);
    ws.forces.SkidOccurred = true;
    simulate(ws);
    // Only the missing body: no skid, no unconnected case, no floating parts.
    EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"No car body drawn."});
    EXPECT_TRUE(ws.results.ProjectedMassEF.isEmpty());
    EXPECT_TRUE(ws.results.TrueCentroidEF.isEmpty());
    EXPECT_TRUE(loadsEmpty(ws.results));
    EXPECT_TRUE(noRun(ws));
    // The spring's own numbers need no body.
    EXPECT_FALSE(ws.results.MaxRealTorqueEF.isEmpty());
    EXPECT_FALSE(ws.results.RevsEF.isEmpty());

    // The race leaves its lane empty.
    RefreshPhysicsMode(ws, SheetMode::Race);
    EXPECT_TRUE(RaceResults(ws.race, ws.list).empty());
}

TEST(UnrunnableDesigns, TextsThatAreNotNumbers)
{
    Workspace ws = defaultDesign();
    ws.design.OtherAxleLength = QStringLiteral("7,5");
    ws.design.CaseRatio = QStringLiteral("four");
    simulate(ws);
    EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"Not numbers: Other axle length, Case ratio."});
    const ResultFields &r = ws.results;
    for (const QString *field : {&r.MaxRealTorqueEF, &r.PropulsionLeftEF, &r.SpringMassEF, &r.ProjectedMassEF,
                                 &r.FoamMassEF, &r.AxleMassEF, &r.TrueCentroidEF, &r.RevsEF,
                                 &r.PoweredDistanceEF})
        EXPECT_TRUE(field->isEmpty());
    EXPECT_TRUE(loadsEmpty(r));
    EXPECT_TRUE(noRun(ws));
    // Nothing is written over the texts the file held.
    EXPECT_EQ(ws.design.OtherAxleLength, "7,5");
    EXPECT_EQ(ws.design.CaseRatio, "four");
}

TEST(UnrunnableDesigns, TheReportNamesEveryAdvisoryAndPrintsNoMadeUpNumbers)
{
    Workspace ws = defaultDesign();
    ws.design.Weights[0] = WeightSlot{400, 300, -1.0f, {}};
    simulate(ws);
    QStringList texts;
    for (const ReportLine &line : DesignReportLines(ws))
        texts << line.text;
    EXPECT_TRUE(texts.contains("Car weighs less than 0.01 lb."));
    EXPECT_FALSE(texts.contains("No advisories"));
    EXPECT_TRUE(texts.contains("Time to 15 ft: - sec"));
    EXPECT_TRUE(texts.contains("x-centroid: - in"));
    EXPECT_TRUE(texts.contains("Normal force, other wheel: - lb"));
    EXPECT_TRUE(texts.contains("Board Mass: 0.17 lbm")); // what can be computed still is
}

namespace {

// A field is empty, a bracketed time, or a number of sane magnitude.
bool sane(const QString &text)
{
    if (text.isEmpty())
        return true;
    QString t = text;
    if (t.startsWith('[') && t.endsWith(']'))
        t = t.mid(1, t.size() - 2);
    const auto value = parseFloat(t);
    return value && std::isfinite(*value) && std::fabs(*value) < 1.0e5f;
}

// No "nan", no "inf", no number of 100000 or more, no exponent.
bool saneLabel(const QString &text)
{
    static const QRegularExpression absurd(QStringLiteral("nan|inf|(?<![\\d.])\\d{6,}|\\dE[-+]?\\d"),
                                           QRegularExpression::CaseInsensitiveOption);
    return !absurd.match(text).hasMatch();
}

} // namespace

TEST(UnrunnableDesigns, NoFieldTraceOrLabelIsAbsurdForAnyDesign)
{
    std::mt19937 random(20240611);
    auto uniform = [&](float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        Workspace ws = defaultDesign();
        DesignRecord &d = ws.design;
        // Outlines of 0 to 6 points anywhere on the sheet, sometimes none at all.
        const int outer = pick(4) == 0 ? pick(2) : 2 + pick(5);
        d.OuterPts.clear();
        for (int i = 0; i < outer; ++i)
            d.OuterPts.emplace_back(pick(720), pick(540));
        d.InnerPts.clear();
        for (int i = pick(3) == 0 ? 3 : 0; i > 0; --i)
            d.InnerPts.emplace_back(pick(720), pick(540));
        ApplyDrive(d, static_cast<DriveKind>(pick(3)));
        d.SpringWidth = text00(uniform(0.1f, 6.0f));
        d.SpringLength = text00(uniform(3.0f, 240.0f));
        d.DriveAxleDia = text00(uniform(0.01f, 2.0f));
        d.DriveWhlDia = text00(uniform(0.5f, 7.5f));
        d.OtherWhlDia = text00(uniform(0.3f, 7.5f));
        d.CaseRatio = text00(uniform(4.0f, 99.0f));
        d.Friction = text00(uniform(0.01f, 0.25f));
        d.setFrontAxlePt(static_cast<float>(pick(720)), d.FrontAxleYPt);
        for (int i = pick(4); i > 0; --i)
            d.Weights[static_cast<size_t>(i)] = WeightSlot{pick(720), pick(540), uniform(-0.6f, 0.6f), {}};

        RefreshPhysicsMode(ws, SheetMode::Analyze);
        std::vector<SimulationFrame> frames;
        PrepareEntireCycle(ws);
        class Frames : public RefreshHooks {
        public:
            std::vector<SimulationFrame> &frames;
            explicit Frames(std::vector<SimulationFrame> &f) : frames(f) {}
            bool wantsSimulationFrames() const override { return true; }
            void showSimulationFrame(Workspace &, const SimulationFrame &f) override { frames.push_back(f); }
        } hooks(frames);
        RefreshPhysicsMode(ws, SheetMode::Simulate, hooks);

        const ResultFields &r = ws.results;
        for (const QString *field :
             {&r.LayersCoredEF, &r.LayersFullEF, &r.LayersWideEF, &r.CaseWidthEF, &r.CarWidthEF, &r.CaseIDEF,
              &r.CaseOuterDEF, &r.BottlesNeededEF, &r.MaxRealTorqueEF, &r.SpringMassEF, &r.RevsEF,
              &r.PoweredDistanceEF, &r.ProjectedMassEF, &r.FoamMassEF, &r.AxleMassEF, &r.TrueCentroidEF,
              &r.YCentroidEF, &r.NormalForceAtRestEF, &r.NormalForceWoundEF, &r.NormalForceFrontEF,
              &r.PropulsionLeftEF, &r.PropulsionRightEF, &r.TractionLeftEF, &r.TractionRightEF, &r.TimeEF,
              &r.TopSpeedEF})
            EXPECT_TRUE(sane(*field)) << field->toStdString();
        EXPECT_TRUE(saneLabel(r.RevisedLabel)) << r.RevisedLabel.toStdString();
        for (const SimulationFrame &f : frames) {
            ASSERT_GE(f.velocity, 0.0f);
            ASSERT_TRUE(std::isfinite(f.distance) && f.distance < 1.0e5f);
            for (const QString &label : {f.DynamicDistanceLabel, f.DynamicTimeLabel, f.DynamicRevsLeftLabel,
                                         f.DynamicRevsRightLabel})
                ASSERT_TRUE(saneLabel(label)) << label.toStdString();
            for (float bar : {f.propulsionLeft, f.propulsionRight, f.tractionLeft, f.tractionRight, f.loadOther,
                              f.loadDrive})
                ASSERT_TRUE(std::isfinite(bar) && std::fabs(bar) < 1.0e5f);
        }
        const RaceTrace &trace = ws.list.traces[static_cast<size_t>(ws.list.CurrentDesign)];
        float last = -1.0f;
        for (float sample : trace.DistanceTrace) {
            ASSERT_TRUE(sample == -1.0f || (sample >= 0.0f && sample < 1.0e5f)) << sample;
            if (sample != -1.0f) {
                ASSERT_GE(sample, last); // never rolls back
                last = sample;
            }
        }
        for (const ReportLine &line : DesignReportLines(ws)) {
            if (!line.text.startsWith("ZINDLE Design Report")) {
                EXPECT_TRUE(saneLabel(line.text)) << line.text.toStdString();
            }
        }
    }
}
