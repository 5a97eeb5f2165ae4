// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of what guards a student's work: the question before Save replaces a file, and the
// Power Designer's map of small drive wheels the build enlarged (each such cell marked, with
// the size the car had), then the same map greyed once another design is in. Each at the
// window sizes of a large screen and a small laptop. Run by scripts/screenshots.sh.

#include "ShotSupport.h"

#include "dialogs/DesignMapView.h"
#include "dialogs/PowerDesignerDialog.h"
#include "files/ReplaceQuestion.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

namespace zindle::test {
namespace {

const QSize Sizes[] = {{1600, 1000}, {1024, 600}};

QString sizeName(const QSize &size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

TEST(LostWorkScreenshots, TheQuestionBeforeSaveReplacesAFile)
{
    StartedWindow s;
    for (const QSize &size : Sizes) {
        s.w().setWindowState(Qt::WindowNoState);
        s.w().resize(size);
        QApplication::processEvents();
        // As the desktop program's prompter asks it.
        QMessageBox box(QMessageBox::Question, QStringLiteral("Save car as:"),
                        replaceQuestionText(QStringLiteral("/home/student/cars/My Racer.zndl")),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &s.w());
        box.setDefaultButton(QMessageBox::Yes);
        box.show();
        QApplication::processEvents();
        // The question drawn over the middle of the window, as it stands on the screen.
        QPixmap picture = s.w().grab();
        {
            QPainter painter(&picture);
            const QPixmap question = box.grab();
            painter.drawPixmap((picture.width() - question.width()) / 2, (picture.height() - question.height()) / 2,
                               question);
        }
        EXPECT_TRUE(picture.save(shotFolder() + QStringLiteral("/replace-question-") + sizeName(size)
                                 + QStringLiteral(".png")));
        box.hide();
    }
}

TEST(LostWorkScreenshots, AMapOfEnlargedWheelsAndTheSameMapAfterASwitch)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    PowerDesignerDialog *pd = w.views().powerDesigner();
    const char *names[] = {"DWFromEF", "DWToEF", "DWStepEF", "SLFromEF", "SLToEF",
                           "SLStepEF", "SWFromEF", "SWToEF", "SWStepEF"};
    const char *texts[] = {"3", "7.5", "0.5", "24", "72", "6", "1.5", "1.5", "1.5"};
    for (int i = 0; i < 9; ++i)
        pd->field(QLatin1String(names[i]))->setText(QLatin1String(texts[i]));
    QSignalSpy ended(pd, &PowerDesignerDialog::sweepEnded);
    pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"))->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(30000));
    for (const QSize &size : Sizes) {
        pd->resize(size);
        saveShot(pd, QStringLiteral("power-designer-enlarged-wheels-") + sizeName(size));
    }
    s.prompter.confirmAnswers = {Answer::No};
    w.DesignListClick(2);
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    for (const QSize &size : Sizes) {
        pd->resize(size);
        saveShot(pd, QStringLiteral("power-designer-map-of-another-design-") + sizeName(size));
    }
}

} // namespace
} // namespace zindle::test
