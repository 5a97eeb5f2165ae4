// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing sheet in words, as a screen reader says it.

#include "app/DesignInWords.h"
#include "support/BuiltInWorkspace.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(DesignInWords, TheBodyTheWheelsTheSpringTheDriveAndTheWeights)
{
    Workspace workspace = test::builtInWorkspace(0);
    DesignRecord &design = workspace.design;
    design.OuterPts = {{0, 0}, {720, 0}, {720, 144}, {0, 144}};
    design.InnerPts.clear();
    ClearWeights(design);
    EXPECT_EQ(DesignInWords(design, QStringLiteral("Red Comet")),
              "Side view of \"Red Comet\": body 10.00 in long and 2.00 in high, outlined by 4 points; drive wheel "
              + design.DriveWhlDia + " in across on a " + design.DriveAxleDia + " in axle; non-drive wheels "
              + design.OtherWhlDia + " in across on a " + design.OtherAxleDia + " in axle; spring "
              + design.SpringWidth + " in wide and " + design.SpringLength
              + " in long; rear-wheel drive; no added weights.");
    ClearOuterShape(design);
    ApplyDrive(design, DriveKind::AllWD);
    const QString words = DesignInWords(design, QStringLiteral("x"));
    EXPECT_TRUE(words.startsWith("Side view of \"x\": no body drawn yet; drive wheel ")) << qPrintable(words);
    EXPECT_FALSE(words.contains("non-drive"));
    EXPECT_TRUE(words.contains("; all-wheel drive, with a second spring; "));
}
