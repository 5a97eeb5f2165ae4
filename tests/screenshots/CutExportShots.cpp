// SPDX-License-Identifier: GPL-3.0-or-later
// The cut export dialog as a student meets it: after the file's name, a laser chosen for a
// design of foam board with wheels of balsa, with the warning under the machine and a kerf of
// its own for the balsa; alone, and over the window on the wide screen and on 1024x600.

#include "ShotSupport.h"

#include "dialogs/CutExportDialog.h"
#include "dialogs/PaperPrototypeDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace zindle::test {
namespace {

TEST(CutExportShots, TheExportDialogWithALaserOnFoamBoard)
{
    StartedWindow s;
    s.w().VPPrint();
    Workspace &workspace = s.w().workspace();
    workspace.catalogue.boards.push_back({QStringLiteral("Balsa 1/8"), QStringLiteral("0.125"), QStringLiteral("0.0058")});
    workspace.design.MatIndex[DriveWheelPart] = workspace.design.MatIndex[OtherWheelPart] = 1;
    QTemporaryDir dir;
    int shown = 0;
    for (const QSize size : {QSize(), QSize(1600, 1000), QSize(1024, 600)}) {
        if (size.isValid()) {
            s.w().setWindowState(Qt::WindowNoState);
            s.w().resize(size);
            QApplication::processEvents();
        }
        s.prompter.savePaths.push_back(dir.filePath(QStringLiteral("car.svg")));
        s.other = [&](QDialog &dialog) {
            auto &choose = dynamic_cast<CutExportDialog &>(dialog);
            choose.machineField()->setCurrentIndex(0);
            QLineEdit *balsa = choose.materialKerfField(QStringLiteral("Balsa 1/8"));
            EXPECT_NE(balsa, nullptr);
            if (balsa)
                balsa->setText(QStringLiteral("0.006"));
            choose.show();
            EXPECT_FALSE(choose.warningText().isEmpty());
            QApplication::processEvents();
            // Alone, and drawn over the middle of the window as it stands on the screen.
            QPixmap picture = size.isValid() ? s.w().grab() : choose.grab();
            if (size.isValid()) {
                QPainter painter(&picture);
                painter.drawPixmap((picture.width() - choose.width()) / 2, (picture.height() - choose.height()) / 2,
                                   choose.grab());
            }
            const QString suffix = size.isValid() ? QStringLiteral("-%1x%2").arg(size.width()).arg(size.height()) : QString();
            EXPECT_TRUE(picture.save(shotFolder() + QStringLiteral("/cut-export-laser-on-foam") + suffix + QStringLiteral(".png")));
            ++shown;
            return int(QDialog::Rejected);
        };
        s.w().paperPrototype()->ExportCutFiles();
    }
    EXPECT_EQ(shown, 3);
}

} // namespace
} // namespace zindle::test
