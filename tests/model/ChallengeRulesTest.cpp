// SPDX-License-Identifier: GPL-3.0-or-later
// A challenge's rule as typed: read in one spelling, or refused with the reason.

#include "model/Challenge.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(ChallengeRules, AreReadInOneSpellingOrRefusedWithTheReason)
{
    const struct {
        const char *typed, *text, *limit;
    } accepted[] = {
        {"mass<=0.25", "mass <= 0.25", "0.25"},
        {"  layers >=  6 ", "layers >= 6", "6"},
        {"drive=rear", "drive = rear", "rear"},
        {"material = Foam = Board", "material = Foam = Board", "Foam = Board"},
        {"reaches-15ft", "reaches-15ft", ""},
    };
    for (const auto &c : accepted) {
        RuleRefusal refusal;
        const std::optional<ChallengeRule> rule = parseRule(QString::fromUtf8(c.typed), refusal);
        ASSERT_TRUE(rule) << c.typed << ": " << refusal.english().toStdString();
        EXPECT_EQ(rule->text, QString::fromUtf8(c.text));
        EXPECT_EQ(rule->limit, QString::fromUtf8(c.limit));
    }

    const struct {
        const char *typed, *reason;
    } refused[] = {
        {"weight <= 3", "unknown rule \"weight\"; the rules are: mass, body-length, body-height, drive-wheel, "
                        "other-wheel, layers, spring-length, spring-width, drive, material, reaches-15ft, no-skid"},
        {"mass", "the rule \"mass\" needs <=, >= or = and a number"},
        {"mass <= 0,25", "the rule \"mass <= 0,25\" needs <=, >= or = and a number"},
        {"no-skid = 1", "the rule \"no-skid = 1\" takes no value"},
        {"drive = sideways", "the rule \"drive = sideways\" needs = and one of: rear, front, all"},
        {"material <= Foam", "the rule \"material <= Foam\" needs = and a material's name"},
    };
    for (const auto &c : refused) {
        RuleRefusal refusal;
        EXPECT_FALSE(parseRule(QString::fromUtf8(c.typed), refusal)) << c.typed;
        EXPECT_EQ(refusal.english(), QString::fromUtf8(c.reason));
    }
}
