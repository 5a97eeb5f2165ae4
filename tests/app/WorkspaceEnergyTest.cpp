// SPDX-License-Identifier: GPL-3.0-or-later
// The spring's energy is all accounted for: for the built-in designs with other springs, wheels
// and every drive, skidding or not, the terms add up to what the spring delivered at every step.

#include "app/RefreshChain.h"
#include "app/WorkspaceEnergy.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace zindle;

TEST(WorkspaceEnergy, EveryStepAccountsForTheSpringsEnergyWithinATenthOfAPercent)
{
    // The last car is weak against a rough floor: friction stops it while its spring still turns.
    const char *const lengths[] = {"36", "54", "20", "60"};
    const char *const widths[] = {"1.5", "2", "0.75", "1"};
    const char *const wheels[] = {"4.80", "6", "3", "4.80"};
    const char *const frictions[] = {"0.05", "0.05", "0.1", "0.12"};
    int runs = 0, skidding = 0, gripping = 0, stopping = 0;
    for (int builtIn = 0; builtIn < 5; ++builtIn)
        for (const DriveKind drive : {DriveKind::RearWD, DriveKind::FrontWD, DriveKind::AllWD})
            for (int variant = 0; variant < 4; ++variant) {
                Workspace ws;
                BuildBuiltInDesign(ws, builtIn);
                ws.design.Drive = drive;
                ws.design.SpringLength = QLatin1String(lengths[variant]);
                ws.design.SpringWidth = QLatin1String(widths[variant]);
                ws.design.DriveWhlDia = QLatin1String(wheels[variant]);
                ws.design.Friction = QLatin1String(frictions[variant]);
                PrepareEntireCycle(ws);
                RefreshPhysicsMode(ws, SheetMode::Simulate);
                const std::optional<EnergyTrace> energy = RunWorkspaceEnergy(ws);
                if (!energy)
                    continue;
                runs += !energy->steps.empty() && energy->totals().springDelivered > 0.0;
                for (const EnergyStep &step : energy->steps) {
                    const EnergyTotals &t = step.totals;
                    ASSERT_NEAR(t.accounted(), t.springDelivered, 1e-3 * t.springDelivered + 1e-9)
                        << "design " << builtIn << " drive " << int(drive) << " variant " << variant << " at "
                        << step.timeIndex;
                }
                const EnergyTotals totals = energy->totals();
                skidding += totals.skid > 0.0;
                gripping += totals.skid == 0.0;
                stopping += totals.stopped != 0.0; // tiny: the car is nearly still when the rule stops it
            }
    EXPECT_GE(runs, 40);
    EXPECT_GT(skidding, 0);
    EXPECT_GT(gripping, 0);
    EXPECT_GT(stopping, 0);
}
