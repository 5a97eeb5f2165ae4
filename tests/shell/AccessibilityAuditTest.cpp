// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every control a student can reach in every mode has a name, and
// every result field says its caption and its value.

#include "GuiTestSupport.h"
#include "shell/SheetImage.h"
#include "support/AccessibleAudit.h"

#include <QComboBox>

namespace zindle::test {
namespace {

TEST(AccessibilityAudit, EveryControlOfEveryModeHasANameAndEveryResultItsCaptionAndValue)
{
    StartedWindow s;
    MainWindow &w = s.w();
    const std::pair<const char *, std::function<void()>> modes[] = {
        {"Design", [&] { w.VPSet(); }},          {"Build", [&] { w.VPBuild(); }},
        {"Analyze", [&] { w.VPProperties(); }},  {"Simulate", [&] { w.VPDynamic(); }},
        {"Race", [&] { w.VPRace(); }},           {"Preview", [&] { w.VPPreview(); }}};
    for (const auto &[mode, enter] : modes) {
        enter();
        const QStringList unnamed = unnamedControls(w);
        EXPECT_TRUE(unnamed.isEmpty()) << mode << ": " << qPrintable(unnamed.join(QStringLiteral(", ")));
        const QStringList unreached = controlsTabNeverReaches(w);
        EXPECT_TRUE(unreached.isEmpty()) << mode << ": " << qPrintable(unreached.join(QStringLiteral(", ")));
        const QStringList muted = mutedResultFields(w);
        EXPECT_TRUE(muted.isEmpty()) << mode << ": " << qPrintable(muted.join(QStringLiteral(", ")));
    }
    // The sheet is described in words after each refresh.
    EXPECT_TRUE(w.image()->accessibleDescription().startsWith("Side view of \"")) << qPrintable(w.image()->accessibleDescription());
    // Each part's size fields, as the part list shows them one part at a time.
    w.VPSet();
    auto *parts = w.findChild<QComboBox *>(QStringLiteral("PartNameBox"));
    ASSERT_NE(parts, nullptr);
    for (int part = 0; part < parts->count(); ++part) {
        w.SelectPart(part);
        const QStringList unnamed = unnamedControls(w);
        EXPECT_TRUE(unnamed.isEmpty()) << qPrintable(parts->itemText(part)) << ": "
                                       << qPrintable(unnamed.join(QStringLiteral(", ")));
    }
}

} // namespace
} // namespace zindle::test
