// SPDX-License-Identifier: GPL-3.0-or-later
// The runs of the built-in designs, frame by frame and sample by sample, against a record of
// what they gave before the rules for cars that come to rest existed. None of these cars ever
// stops, so every field, trace sample, frame and race lane must come out character for
// character as recorded. Variants with other drives and frictions widen the net; a variant
// whose recorded run had a frame at or below zero speed is not compared (the new rules may
// rightly change it).
//
// ZINDLE_WRITE_GOLDEN=<file> writes the record instead of comparing (only ever from a build
// of the old rules).

#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"
#include "app/Workspace.h"
#include "physics/Race.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <map>

using namespace zindle;

namespace {

const char *const GoldenFile = ZINDLE_TEST_DATA "/builtin-runs.golden.txt";

class FrameRecorder : public RefreshHooks {
public:
    QStringList lines;
    float minVelocity = 1e30f;
    bool wantsSimulationFrames() const override { return true; }
    void showSimulationFrame(Workspace &, const SimulationFrame &f) override
    {
        if (!f.final && f.velocity < minVelocity)
            minVelocity = f.velocity;
        lines << QStringLiteral("frame %1 %2 %3 %4 %5 %6 %7 %8 %9")
                     .arg(f.frame)
                     .arg(f.final ? 1 : 0)
                     .arg(f.timeIndex)
                     .arg(int(f.skidLeft) * 2 + int(f.skidRight))
                     .arg(floatText(f.propulsionLeft), floatText(f.propulsionRight),
                          floatText(f.tractionLeft), floatText(f.tractionRight))
                     .arg(floatText(f.loadOther) + ' ' + floatText(f.loadDrive) + ' '
                          + floatText(f.distance) + ' ' + floatText(f.velocity) + ' '
                          + floatText(f.revsLeft) + ' ' + floatText(f.revsRight) + " |"
                          + f.DynamicDistanceLabel + '|' + f.DynamicTimeLabel + '|'
                          + f.DynamicRevsLeftLabel + '|' + f.DynamicRevsRightLabel);
    }
};

struct Variant {
    int slot;
    int drive; // -1: the design's own
    QString friction; // empty: the design's own
    QString name() const
    {
        return QStringLiteral("%1/%2/%3").arg(slot).arg(drive).arg(friction.isEmpty() ? "own" : friction);
    }
};

std::vector<Variant> variants()
{
    std::vector<Variant> all;
    for (int slot = 0; slot < 5; ++slot) {
        all.push_back({slot, -1, QString()});
        for (int drive = 0; drive < 3; ++drive)
            for (const char *friction : {"0.01", "0.12", "0.25"})
                all.push_back({slot, drive, QString::fromLatin1(friction)});
    }
    return all;
}

// Everything one variant's Simulate refresh (whole cycle) and race leave behind, one item a line.
QStringList describe(const Variant &variant, float &minVelocity)
{
    Workspace ws;
    ws.list.CurrentDesign = variant.slot;
    BuildBuiltInDesign(ws, variant.slot);
    ws.scale = HeadlessSheetScale();
    if (variant.drive >= 0)
        ApplyDrive(ws.design, static_cast<DriveKind>(variant.drive));
    if (!variant.friction.isEmpty())
        ws.design.Friction = variant.friction;

    PrepareEntireCycle(ws);
    FrameRecorder frames;
    RefreshPhysicsMode(ws, SheetMode::Simulate, frames);
    minVelocity = frames.minVelocity;

    const ResultFields &r = ws.results;
    QStringList out;
    const std::pair<const char *, const QString *> fields[] = {
        {"LayersCoredEF", &r.LayersCoredEF}, {"LayersFullEF", &r.LayersFullEF},
        {"LayersWideEF", &r.LayersWideEF}, {"CaseWidthEF", &r.CaseWidthEF},
        {"CarWidthEF", &r.CarWidthEF}, {"CaseIDEF", &r.CaseIDEF},
        {"CaseOuterDEF", &r.CaseOuterDEF}, {"BottlesNeededEF", &r.BottlesNeededEF},
        {"MaxRealTorqueEF", &r.MaxRealTorqueEF}, {"SpringMassEF", &r.SpringMassEF},
        {"RevsEF", &r.RevsEF}, {"PoweredDistanceEF", &r.PoweredDistanceEF},
        {"ProjectedMassEF", &r.ProjectedMassEF}, {"FoamMassEF", &r.FoamMassEF},
        {"AxleMassEF", &r.AxleMassEF}, {"TrueCentroidEF", &r.TrueCentroidEF},
        {"YCentroidEF", &r.YCentroidEF}, {"NormalForceAtRestEF", &r.NormalForceAtRestEF},
        {"NormalForceWoundEF", &r.NormalForceWoundEF}, {"NormalForceFrontEF", &r.NormalForceFrontEF},
        {"PropulsionLeftEF", &r.PropulsionLeftEF}, {"PropulsionRightEF", &r.PropulsionRightEF},
        {"TractionLeftEF", &r.TractionLeftEF}, {"TractionRightEF", &r.TractionRightEF},
        {"TimeEF", &r.TimeEF}, {"TopSpeedEF", &r.TopSpeedEF}, {"RevisedLabel", &r.RevisedLabel},
        {"DriveWhlDia", &ws.design.DriveWhlDia}, {"OtherWhlDia", &ws.design.OtherWhlDia},
    };
    for (const auto &[key, value] : fields)
        out << QLatin1String(key) + '=' + *value;
    out << QStringLiteral("SkidOccurred=%1").arg(ws.forces.SkidOccurred ? 1 : 0);
    out << QStringLiteral("LastRunTime=") + floatText(ws.simulation.LastRunTime);
    out << QStringLiteral("Advisories=") + ws.advisories.shownTexts().join('|');
    out << frames.lines;
    const RaceTrace &trace = ws.list.traces[static_cast<size_t>(variant.slot)];
    for (int i = 0; i < TraceSamples; ++i)
        if (trace.DistanceTrace[static_cast<size_t>(i)] != -1.0f)
            out << QStringLiteral("trace %1 %2 %3")
                       .arg(i)
                       .arg(floatText(trace.DistanceTrace[static_cast<size_t>(i)]))
                       .arg(int(trace.SkidTrace[static_cast<size_t>(i)]));

    RefreshPhysicsMode(ws, SheetMode::Race);
    for (const RaceResult &result : RaceResults(ws.race, ws.list))
        out << QStringLiteral("lane %1 %2").arg(result.lane).arg(result.text);
    return out;
}

} // namespace

TEST(BuiltInRunsGolden, EveryFieldFrameTraceAndLaneIsAsRecorded)
{
    const QByteArray writeTo = qgetenv("ZINDLE_WRITE_GOLDEN");
    if (!writeTo.isEmpty()) {
        QFile file(QString::fromLocal8Bit(writeTo));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        QTextStream stream(&file);
        for (const Variant &variant : variants()) {
            float minVelocity = 0.0f;
            QStringList lines = describe(variant, minVelocity);
            const bool moving = minVelocity > 0.0f;
            if (!moving)
                lines.clear(); // never compared
            stream << "variant " << variant.name() << ' ' << (moving ? "moving" : "stops") << ' '
                   << lines.size() << '\n';
            for (const QString &line : lines)
                stream << line << '\n';
        }
        return;
    }

    QFile file(QString::fromLatin1(GoldenFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << GoldenFile;
    QTextStream stream(&file);
    std::map<QString, std::pair<bool, QStringList>> recorded;
    while (!stream.atEnd()) {
        const QStringList head = stream.readLine().split(' ');
        ASSERT_EQ(head.size(), 4);
        ASSERT_EQ(head[0], "variant");
        QStringList lines;
        for (int i = head[3].toInt(); i > 0; --i)
            lines << stream.readLine();
        recorded[head[1]] = {head[2] == "moving", lines};
    }

    int compared = 0;
    for (const Variant &variant : variants()) {
        SCOPED_TRACE(variant.name().toStdString());
        const auto found = recorded.find(variant.name());
        ASSERT_NE(found, recorded.end());
        // The five designs as they are never come to rest.
        if (variant.drive < 0) {
            EXPECT_TRUE(found->second.first);
        }
        if (!found->second.first)
            continue;
        float minVelocity = 0.0f;
        const QStringList lines = describe(variant, minVelocity);
        const QStringList &expected = found->second.second;
        ASSERT_EQ(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i)
            ASSERT_EQ(lines[i], expected[i]) << "line " << i;
        ++compared;
    }
    EXPECT_GE(compared, 5);
}
