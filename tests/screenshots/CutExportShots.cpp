// SPDX-License-Identifier: GPL-3.0-or-later
// The cut export dialog as a student meets it: after the file's name, a laser chosen for a
// design of foam board, with the warning under the machine.

#include "ShotSupport.h"

#include "dialogs/CutExportDialog.h"
#include "dialogs/PaperPrototypeDialog.h"

#include <QComboBox>

namespace zindle::test {
namespace {

TEST(CutExportShots, TheExportDialogWithALaserOnFoamBoard)
{
    StartedWindow s;
    s.w().VPPrint();
    QTemporaryDir dir;
    s.prompter.savePaths.push_back(dir.filePath(QStringLiteral("car.svg")));
    bool shown = false;
    s.other = [&shown](QDialog &dialog) {
        auto &choose = dynamic_cast<CutExportDialog &>(dialog);
        choose.machineField()->setCurrentIndex(0);
        choose.show();
        EXPECT_FALSE(choose.warningText().isEmpty());
        saveShot(&choose, QStringLiteral("cut-export-laser-on-foam"));
        shown = true;
        return int(QDialog::Rejected);
    };
    s.w().paperPrototype()->ExportCutFiles();
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace zindle::test
