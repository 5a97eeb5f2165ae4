// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis steps say to a person is asked of the translations under the context that
// lupdate files it in; the sentences the command line writes as data stay English.

#include "app/ParameterCheck.h"
#include "app/ToleranceTexts.h"
#include "app/TrackCalibration.h"
#include "app/WhatIf.h"
#include "support/PseudoTranslation.h"
#include "support/ScriptedPrompter.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zindle;

TEST(AppTextsTranslation, ShownTextsAreAskedForAndTheDataSentenceStaysEnglish)
{
    test::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ToleranceStudy study;
    study.p50 = 1.391;
    study.reachProbability = 0.4;
    study.shares[1] = 70.0;
    study.largestShare = 1;
    const QString shown = ShownToleranceSentence(study);
    const QString data = ToleranceSentence(study);
    test::ScriptedPrompter prompter;
    const bool accepted =
        ValidateParameters({"4.80", "1.75", "0.5", "7", "0.2", "7", "1.5", "36", "4.0", "0.3", "3.5"}, prompter);
    const QString step = whatIfStepName(WhatIfKnob::WeightPosition);
    Calibration fit;
    fit.efficiencyFitted = false;
    fit.observations = 1;
    const QString shownNote = ShownFrictionOnlyNote(fit);
    const QString dataNote = FrictionOnlyNote(fit);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(shown, QStringLiteral("\u27e6Built within these tolerances, only 40 in 100 of your cars reach 15 ft, half "
                                    "of all builds by 1.39 s; the \u27e6board density\u27e7 matters most (70 % of the "
                                    "spread).\u27e7"));
    EXPECT_EQ(data, QStringLiteral("Built within these tolerances, only 40 in 100 of your cars reach 15 ft, half of all "
                                   "builds by 1.39 s; the board density matters most (70 % of the spread)."));
    EXPECT_FALSE(accepted);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, QStringLiteral("\u27e6Please try again.\u27e7"));
    EXPECT_EQ(step, QStringLiteral("\u27e6Move weight\u27e7"));
    EXPECT_EQ(shownNote.front(), QChar(0x27e6));
    EXPECT_EQ(dataNote, QStringLiteral("Only the rolling friction was fitted: 1 timed mark and resting distance are too few "
                                       "for two factors, so the springs are taken at their rated torque."));
    for (const char *expected :
         {"ToleranceTexts: Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds "
          "by %2 s; the %3 matters most (%4 % of the spread).",
          "zindle::TolerancesWindow: board density",
          "ParameterCheck: The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.",
          "WhatIf: Move weight",
          "TrackCalibration: Only the rolling friction was fitted: 1 timed mark and resting distance are too few for "
          "two factors, so the springs are taken at their rated torque."})
        EXPECT_TRUE(translator.asked.contains(QString::fromUtf8(expected))) << expected;
}
