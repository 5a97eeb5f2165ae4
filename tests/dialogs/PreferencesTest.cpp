// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GuiTestSupport.h"

#include "dialogs/PreferencesDialog.h"

#include <QRadioButton>

namespace zindle::test {
namespace {

// Opens Setup > Preferences and lets `inside` work in it.
void withPreferences(StartedWindow &s, std::function<void(PreferencesDialog &)> inside)
{
    s.other = [inside](QDialog &dialog) {
        auto *preferences = qobject_cast<PreferencesDialog *>(&dialog);
        EXPECT_NE(preferences, nullptr);
        if (preferences)
            inside(*preferences);
        return dialog.result();
    };
    s.w().ShowPreferences();
}

TEST(Preferences, OkRefusesOutOfRangeValuesInOrderAndStaysOpen)
{
    StartedWindow s;
    withPreferences(s, [&s](PreferencesDialog &p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Preferences"));
        EXPECT_EQ(p.caseRatioField()->text(), QStringLiteral("4.0"));
        EXPECT_EQ(p.frictionField()->text(), QStringLiteral("0.05"));
        EXPECT_TRUE(p.circularButton()->isChecked());
        EXPECT_TRUE(p.stepSizeField()->isHidden());

        p.caseRatioField()->setText(QStringLiteral("3.9"));
        EXPECT_FALSE(p.PrefOKBtnClick());
        EXPECT_EQ(s.prompter.shown.back().text,
                  QStringLiteral("The case ratio must be positive, not less than 4 percent, and less than 99 percent. "));
        EXPECT_EQ(s.prompter.shown.back().caption, QStringLiteral("Please try again."));

        p.stepSizeField()->setText(QStringLiteral("73"));
        EXPECT_FALSE(p.PrefOKBtnClick());
        EXPECT_EQ(s.prompter.shown.back().text,
                  QStringLiteral("The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. "));
        p.stepSizeField()->setText(QStringLiteral("9"));
        p.caseRatioField()->setText(QStringLiteral("4"));
        p.frictionField()->setText(QStringLiteral("0.009"));
        EXPECT_FALSE(p.PrefOKBtnClick());
        EXPECT_EQ(s.prompter.shown.back().text,
                  QStringLiteral("The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. "));
        p.PFCancelBtnClick();
    });
    EXPECT_EQ(s.prompter.messages().size(), 3);
    EXPECT_EQ(s.workspace.design.CaseRatio, QStringLiteral("4.0"));
}

TEST(Preferences, AcceptedValuesTakeEffectAtTheRefreshThatOkRuns)
{
    StartedWindow s;
    const QString caseBefore = s.workspace.results.CaseIDEF;
    const size_t refreshes = refreshLog(s.w()).size();
    withPreferences(s, [](PreferencesDialog &p) {
        p.caseRatioField()->setText(QStringLiteral("99"));
        p.frictionField()->setText(QStringLiteral("0.25"));
        EXPECT_TRUE(p.PrefOKBtnClick());
    });
    EXPECT_EQ(refreshLog(s.w()).size(), refreshes + 1);
    EXPECT_EQ(refreshLog(s.w()).back(), SheetMode::Design);
    EXPECT_EQ(s.workspace.design.CaseRatio, QStringLiteral("99"));
    EXPECT_EQ(s.workspace.design.Friction, QStringLiteral("0.25"));
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    // A spring that fills 99 percent of its chamber needs a much smaller chamber.
    EXPECT_LT(s.workspace.results.CaseIDEF.toFloat(), caseBefore.toFloat());

    // Print Templates has no picture to refresh: OK there shows the new settings in Design.
    s.w().VPPrint();
    withPreferences(s, [](PreferencesDialog &p) { EXPECT_TRUE(p.PrefOKBtnClick()); });
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
    EXPECT_EQ(refreshLog(s.w()).back(), SheetMode::Design);
}

TEST(Preferences, LeavingAFieldWithLettersRestoresTheDesignsText)
{
    StartedWindow s;
    withPreferences(s, [&s](PreferencesDialog &p) {
        p.FieldEnter();
        p.frictionField()->setText(QStringLiteral("abc"));
        p.FrictionEFExit();
        EXPECT_EQ(s.prompter.shown.back().text,
                  QStringLiteral("\"abc\" is not a number (a period is the decimal point). "
                                 "The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb."));
        EXPECT_EQ(p.frictionField()->text(), QStringLiteral("0.05"));
        p.PFCancelBtnClick();
    });
    EXPECT_TRUE(s.workspace.list.current().DesignSaved);
}

TEST(Preferences, CancelKeepsAnAcceptedFieldAndRefreshesNothing)
{
    StartedWindow s;
    const size_t refreshes = refreshLog(s.w()).size();
    withPreferences(s, [](PreferencesDialog &p) {
        p.FieldEnter();
        p.caseRatioField()->setText(QStringLiteral("10"));
        p.CaseRatioEFExit();
        p.PFCancelBtnClick();
    });
    EXPECT_EQ(s.workspace.design.CaseRatio, QStringLiteral("10"));
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(refreshLog(s.w()).size(), refreshes);
    // The next refresh uses it.
    const QString caseBefore = s.workspace.results.CaseIDEF;
    s.w().VPSet();
    EXPECT_NE(s.workspace.results.CaseIDEF, caseBefore);
}

TEST(Preferences, FieldExitIsRefusedForAnotherFieldsValue)
{
    StartedWindow s;
    s.workspace.design.SpringLength = QStringLiteral("2"); // below 3: the whole check fails
    withPreferences(s, [&s](PreferencesDialog &p) {
        p.caseRatioField()->setText(QStringLiteral("10"));
        p.CaseRatioEFExit();
        EXPECT_EQ(s.prompter.shown.back().text,
                  QStringLiteral("The spring length must be positive, no less than 3 inches, and no more than 240 inches."));
        EXPECT_EQ(p.caseRatioField()->text(), QStringLiteral("4.0"));
        p.PFCancelBtnClick();
    });
}

TEST(Preferences, ChoosingOctagonalMarksTheDesignChanged)
{
    StartedWindow s;
    withPreferences(s, [](PreferencesDialog &p) {
        p.octagonalButton()->click();
        EXPECT_TRUE(p.PrefOKBtnClick());
    });
    EXPECT_EQ(s.workspace.design.ChamberShape, ChamberShapeKind::Octagonal);
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
}

} // namespace
} // namespace zindle::test
