// SPDX-License-Identifier: GPL-3.0-or-later
// What if: every value a slider offers passes the part field's own check, and the car a slider
// runs is the car Simulate runs once the value is in the design.

#include "app/ParameterCheck.h"
#include "app/RefreshChain.h"
#include "app/WhatIf.h"
#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"
#include "sheet/WeightTools.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <algorithm>

using namespace zindle;

namespace {

ParameterTexts textsOf(const DesignRecord &d)
{
    return {d.DriveWhlDia, d.OtherWhlDia, d.DriveAxleDia, d.DriveAxleLength, d.OtherAxleDia, d.OtherAxleLength,
            d.SpringWidth, d.SpringLength, d.CaseRatio,   d.Friction,        QString()};
}

} // namespace

TEST(WhatIf, EverySliderValueOfTheBuiltInsPassesTheFieldsCheck)
{
    for (int builtIn = 0; builtIn < 5; ++builtIn) {
        Workspace ws;
        BuildBuiltInDesign(ws, builtIn);
        const int weight = ws.design.Weights[0].isFree() ? -1 : 0;
        for (const WhatIfKnob knob : WhatIfKnobs) {
            const WhatIfRange range = whatIfRange(ws.design, knob, weight);
            const bool weightKnob = knob == WhatIfKnob::WeightMass || knob == WhatIfKnob::WeightPosition;
            ASSERT_EQ(range.available, !weightKnob || weight >= 0) << builtIn << " " << range.caption.toStdString();
            if (!range.available)
                continue;
            EXPECT_GT(range.steps, 4);
            EXPECT_NEAR(range.valueAt(range.at), range.value, range.step / 2 + 1e-9);
            for (const int index : {0, range.steps}) {
                DesignRecord changed = ws.design;
                setWhatIfValue(changed, knob, weight, range, range.valueAt(index));
                test::ScriptedPrompter prompter;
                EXPECT_TRUE(ValidateParameters(textsOf(changed), prompter))
                    << builtIn << " " << range.caption.toStdString() << " at " << range.valueAt(index);
                if (knob == WhatIfKnob::WeightMass) {
                    EXPECT_TRUE(AcceptWeightMass(floatText(changed.Weights[0].Mass)));
                }
                if (knob == WhatIfKnob::WeightPosition) {
                    EXPECT_TRUE(changed.Weights[0].X >= 0 && changed.Weights[0].X <= 720);
                }
            }
        }
    }
}

TEST(WhatIf, AWeightStaysOnItsSideOfZeroAndOnTheSheet)
{
    DesignRecord design;
    design.Weights[3] = {700, 100, -0.02f, {}};
    const WhatIfRange mass = whatIfRange(design, WhatIfKnob::WeightMass, 3);
    ASSERT_TRUE(mass.available);
    EXPECT_LT(mass.valueAt(mass.steps), 0.0); // never through zero, which the weight tool refuses
    EXPECT_GE(mass.valueAt(0), -1.0 - 1e-9);
    const WhatIfRange position = whatIfRange(design, WhatIfKnob::WeightPosition, 3);
    EXPECT_LE(position.valueAt(position.steps), 10.0 + 1e-9);
    setWhatIfValue(design, WhatIfKnob::WeightPosition, 3, position, position.valueAt(position.steps));
    EXPECT_EQ(design.Weights[3].X, 720);
    EXPECT_FALSE(whatIfRange(design, WhatIfKnob::WeightMass, 4).available); // a free slot
}

TEST(WhatIf, TheRunOfAValueIsTheRunSimulateGivesWithItInTheDesign)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 1);
    PrepareEntireCycle(ws);
    RefreshPhysicsMode(ws, SheetMode::Simulate);
    const struct {
        WhatIfKnob knob;
        int index;
    } moves[] = {{WhatIfKnob::SpringLength, 2}, {WhatIfKnob::DriveWheel, 1000}, {WhatIfKnob::Friction, 20},
                 {WhatIfKnob::WeightPosition, 3}};
    for (const auto &move : moves) {
        const int weight = ws.design.Weights[0].isFree() ? -1 : 0;
        const WhatIfRange range = whatIfRange(ws.design, move.knob, weight);
        if (!range.available)
            continue;
        Workspace copy = ws;
        setWhatIfValue(copy.design, move.knob, weight, range, range.valueAt(std::min(move.index, range.steps)));
        Workspace simulated = copy;
        const WhatIfRun tried = RunWhatIf(copy);
        PrepareEntireCycle(simulated);
        RefreshPhysicsMode(simulated, SheetMode::Simulate);
        ASSERT_TRUE(tried.runs);
        EXPECT_EQ(tried.TimeEF, simulated.results.TimeEF) << range.caption.toStdString();
        EXPECT_EQ(tried.DriveWhlDia, simulated.design.DriveWhlDia);
        ASSERT_EQ(tried.run.samples.size(), simulated.run.samples.size());
        EXPECT_EQ(tried.run.samples.back().distance, simulated.run.samples.back().distance);
        EXPECT_NE(tried.run.samples.back().distance, ws.run.samples.back().distance) << range.caption.toStdString();
    }
}
