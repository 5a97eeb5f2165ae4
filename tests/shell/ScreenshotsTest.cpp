// Writes pictures of the main window in each mode and of every dialog into the build folder
// (screenshots/), so their look can be checked by eye after a change.

#include "GuiTestSupport.h"

#include "dialogs/ConvertDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/MaterialDialogs.h"
#include "dialogs/PreferencesDialog.h"

#include <QDir>

namespace zindle::test {
namespace {

QString shotFolder()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots"));
}

void save(QWidget *widget, const QString &name)
{
    widget->ensurePolished();
    if (!widget->isVisible())
        widget->adjustSize();
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    EXPECT_TRUE(picture.save(shotFolder() + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();
}

TEST(Screenshots, MainWindowInEveryModeAndEveryDialog)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    w.DesignListClick(1); // the Racer
    QApplication::processEvents();
    struct Shot {
        void (MainWindow::*enter)();
        const char *name;
    };
    const Shot shots[] = {
        {&MainWindow::VPSet, "main-1-design"},     {&MainWindow::VPBuild, "main-3-build"},
        {&MainWindow::VPProperties, "main-4-analyze"}, {&MainWindow::VPDynamic, "main-5-simulate"},
        {&MainWindow::VPRace, "main-6-race"},      {&MainWindow::VPPreview, "main-7-preview"},
    };
    for (const Shot &shot : shots) {
        (w.*shot.enter)();
        QApplication::processEvents();
        save(&w, QLatin1String(shot.name));
    }
    w.VPSet();
    save(w.aboutDialog(), QStringLiteral("dialog-about"));
    w.preferencesDialog()->LoadFromDesign();
    save(w.preferencesDialog(), QStringLiteral("dialog-preferences"));
    w.materialsDialog()->Reload();
    save(w.materialsDialog(), QStringLiteral("dialog-materials"));
    const char *kinds[] = {"board", "axle", "spring", "tread"};
    for (int k = 0; k < 4; ++k)
        save(w.materialsDialog()->defineDialog(static_cast<MaterialKind>(k)),
             QStringLiteral("dialog-define-") + QLatin1String(kinds[k]));
    save(w.convertDialog(), QStringLiteral("dialog-convert"));
    save(w.paperPrototype(), QStringLiteral("dialog-paper-prototype"));
}

} // namespace
} // namespace zindle::test
