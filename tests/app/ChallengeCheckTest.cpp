// SPDX-License-Identifier: GPL-3.0-or-later
// Scrutineering: built-in designs, some with a size changed, checked against one rule of each
// kind; each check names its rule and says what was measured.

#include "app/ChallengeCheck.h"
#include "support/BuiltInWorkspace.h"

#include <functional>

#include <gtest/gtest.h>

using namespace zindle;

TEST(ChallengeCheck, EachRuleSaysWhetherTheCarKeepsItAndWhatWasMeasured)
{
    const struct {
        const char *design;
        std::function<void(DesignRecord &)> change;
        const char *rule;
        bool passed;
        const char *value, *sentence;
    } cases[] = {
        {"Tow Truck", {}, "mass <= 0.30", false, "0.309064567089081", "Mass 0.31 lb: over the 0.30 lb limit"},
        // A failing value never reads the same as its limit.
        {"Tow Truck", {}, "mass <= 0.309", false, "0.309064567089081", "Mass 0.3091 lb: over the 0.3090 lb limit"},
        {"Racer", {}, "mass <= 0.3", true, "0.231295809149742", "Mass 0.23 lb: within the 0.30 lb limit"},
        {"Racer", {}, "mass >= 0.25", false, "0.231295809149742", "Mass 0.23 lb: under the 0.25 lb minimum"},
        {"Racer", {}, "body-length <= 5", false, "9.97222232818604", "Body length 9.97 in: over the 5.00 in limit"},
        {"Racer", {}, "body-height <= 3", false, "3.875", "Body height 3.88 in: over the 3.00 in limit"},
        {"Racer", [](DesignRecord &d) { d.DriveWhlDia = QStringLiteral("5.5"); }, "drive-wheel = 4.8", false, "5.5",
         "Drive wheel 5.50 in: not the 4.80 in asked for"},
        {"Racer", {}, "other-wheel >= 2", false, "1.75", "Other wheel 1.75 in: under the 2.00 in minimum"},
        {"Racer", {}, "layers <= 4", false, "6", "Layers 6: over the 4 limit"},
        {"Racer", [](DesignRecord &d) { d.SpringLength = QStringLiteral("48"); }, "spring-length <= 40", false, "48",
         "Spring length 48.00 in: over the 40.00 in limit"},
        {"Pickup", {}, "drive = rear", false, "front", "Drive front: not allowed (rear)"},
        {"Racer", {}, "material = Foam Board", false, "Default Foamcore",
         "Material Default Foamcore: not allowed (Foam Board)"},
        {"Racer", {}, "reaches-15ft", false, "14.7", "Stops short of 15 ft, at 14.70 ft"},
        {"Tow Truck", {}, "reaches-15ft", true, "1.5", "Reaches 15 ft in 1.50 s"},
        {"Racer", {}, "no-skid", false, "yes", "Skid advisory: the drive wheels skid"},
        {"Tow Truck", {}, "no-skid", true, "no", "No skid advisory"},
    };
    for (const auto &c : cases) {
        Workspace workspace = test::builtInWorkspace(builtInDesignSlot(QString::fromUtf8(c.design)));
        if (c.change)
            c.change(workspace.design);
        RefreshForChallenge(workspace);
        Challenge challenge;
        RuleRefusal refusal;
        challenge.rules.push_back(*parseRule(QString::fromUtf8(c.rule), refusal));
        const std::vector<RuleCheck> checks = CheckChallenge(workspace, challenge);
        ASSERT_EQ(checks.size(), 1u) << c.rule;
        EXPECT_EQ(checks[0].rule, QString::fromUtf8(c.rule));
        EXPECT_EQ(checks[0].passed, c.passed) << c.design << ": " << c.rule;
        EXPECT_EQ(checks[0].value, QString::fromUtf8(c.value)) << c.rule;
        EXPECT_EQ(checks[0].sentence, QString::fromUtf8(c.sentence)) << c.rule;
        EXPECT_EQ(KeepsEveryRule(checks), c.passed);
    }
}
