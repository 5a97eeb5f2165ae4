// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a design from the class results: the window asks about unsaved changes first, as
// Open does, and then shows the design.

#include "GuiTestSupport.h"

#include "app/DesignListOps.h"
#include "support/ClassFolder.h"

#include <QComboBox>

namespace zindle::test {
namespace {

TEST(ClassResultsWindow, OpeningARowPromptsForUnsavedChangesFirst)
{
    StartedWindow s;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = writeClassDesign(dir.path(), "fast.zndl", "Fast one", 7);
    ASSERT_FALSE(file.isEmpty());

    s.w().NewBtnClick(); // an unsaved design
    ASSERT_EQ(s.workspace.list.DesignCount(), 6);
    s.prompter.confirmAnswers = {Answer::Cancel};
    s.w().OpenDesignFile(file);
    EXPECT_EQ(s.prompter.shown.back().text, ListMessages::NotSaved(s.workspace.list.current().DesignName));
    EXPECT_EQ(s.workspace.list.DesignCount(), 6); // cancelled: nothing opened
    EXPECT_TRUE(s.workspace.list.current().DesignName.startsWith("Untitled design "));

    // No drops the unsaved design and opens the file.
    s.prompter.confirmAnswers = {Answer::No};
    s.w().OpenDesignFile(file);
    EXPECT_EQ(s.workspace.list.current().DesignName, "Fast one");
    EXPECT_EQ(s.workspace.list.current().DesignPath, file);
    EXPECT_TRUE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(s.workspace.design.SpringLength, "48");
    EXPECT_EQ(s.w().designList()->currentText(), "Fast one");
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
}

} // namespace
} // namespace zindle::test
