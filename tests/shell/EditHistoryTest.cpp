// Undo and redo in the window, driven by real mouse and key events on the sheet and the
// controls; Escape, the tools' hints and the hover text.

#include "GuiTestSupport.h"
#include "support/QtPrinters.h"

#include "dialogs/HowHeavyDialog.h"
#include "files/DesignFile.h"
#include "model/NumberText.h"
#include "shell/DesignPanel.h"
#include "shell/SheetEditing.h"
#include "shell/SheetImage.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace zindle::test {
namespace {

QString shotFolder()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots"));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Editor {
    StartedWindow s;
    MainWindow &w;
    SheetImage *image;
    DesignPanel *panel;
    QTemporaryDir dir;

    Editor() : w(s.w())
    {
        w.setWindowState(Qt::WindowNoState);
        w.resize(1180, 800);
        w.activateWindow();
        QApplication::processEvents();
        image = w.image();
        panel = w.findChild<DesignPanel *>();
        w.VPSet();
    }
    DesignRecord &design() { return s.workspace.design; }
    const SheetScale &scale() { return s.workspace.scale; }
    QToolButton *tool(const char *name) { return w.findChild<QToolButton *>(QLatin1String(name)); }
    template <class T = QWidget> T *widget(const char *name) { return w.findChild<T *>(QLatin1String(name)); }
    QAction *undoItem() { return w.action(QStringLiteral("UndoPos")); }
    QAction *redoItem() { return w.action(QStringLiteral("RedoPos")); }

    QPoint px(int x, int y)
    {
        return {truncToInt(float(x) * scale().ScreenScale) + scale().SheetOffsetX,
                truncToInt(float(y) * scale().ScreenScale)};
    }
    void clickSheet(QPoint pixel)
    {
        QTest::mouseMove(image, pixel);
        QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, pixel);
    }
    // As a user's double-click arrives: a click, then the second press as the double-click.
    void doubleClickSheet(QPoint pixel)
    {
        clickSheet(pixel);
        QTest::mouseDClick(image, Qt::LeftButton, Qt::NoModifier, pixel);
        QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, pixel);
    }
    // The keys go to the window as a user's would, through its short-cuts.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&w, key, modifiers);
    }
    void undoKey() { key(Qt::Key_Z, Qt::ControlModifier); }
    void redoKey(bool y) { y ? key(Qt::Key_Y, Qt::ControlModifier) : key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    // Saves through the Save button under `path`, whose base name is the design's own.
    QByteArray save(const QString &path)
    {
        s.prompter.savePaths.push_back(path);
        QTest::mouseClick(widget("SaveBtn"), Qt::LeftButton);
        return fileBytes(path);
    }
    // A pixel of part `part` (part-box order) on the sheet.
    QPoint pixelOfPart(int part)
    {
        const QRect area = image->rect();
        for (int y = area.top(); y < area.bottom(); y += 2)
            for (int x = area.left(); x < area.right(); x += 2)
                if (panel->sheetEditing().partAt({x, y}) == part)
                    return {x, y};
        ADD_FAILURE() << "part " << part << " is not on the sheet";
        return {};
    }
    void answerHowHeavy(const QString &mass)
    {
        s.other = [mass](QDialog &dialog) {
            auto *howHeavy = qobject_cast<HowHeavyDialog *>(&dialog);
            if (!howHeavy)
                return 0;
            QLineEdit *field = howHeavy->howHeavyField();
            field->selectAll();
            QTest::keyClicks(field, mass);
            QTest::mouseClick(howHeavy->findChild<QPushButton *>(QStringLiteral("HHOKBtn")), Qt::LeftButton);
            return howHeavy->result();
        };
    }
};

TEST(EditHistory, FourEditsUndoneGiveTheSavedFileBackByteForByteAndRedoBringsEachBack)
{
    Editor t;
    t.w.DesignListClick(1); // Racer
    ASSERT_EQ(t.s.workspace.list.CurrentDesign, 1);
    EXPECT_EQ(t.w.windowTitle(), QStringLiteral("Racer - Zindle 4.1"));
    EXPECT_FALSE(t.undoItem()->isEnabled());
    const QByteArray original = t.save(t.dir.filePath(QStringLiteral("Racer.zndl")));
    ASSERT_FALSE(original.isEmpty());

    // 1. An outline: three clicks and a double-click with the outer tool.
    QTest::mouseClick(t.tool("DrawOuterBtn"), Qt::LeftButton);
    for (QPoint p : {QPoint(60, 520), QPoint(660, 520), QPoint(660, 330)})
        t.clickSheet(t.px(p.x(), p.y()));
    t.doubleClickSheet(t.px(60, 330));
    ASSERT_FALSE(t.panel->sheetEditing().toolActive());
    const std::vector<QPoint> drawn = t.design().OuterPts;
    ASSERT_EQ(drawn.size(), 8u);
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo Draw outer layer"));
    EXPECT_EQ(t.w.windowTitle(), QStringLiteral("Racer* - Zindle 4.1"));

    // 2. The front axle, placed further back.
    QTest::mouseClick(t.tool("FrontAxleBtn"), Qt::LeftButton);
    EXPECT_FALSE(t.undoItem()->isEnabled()); // the tool holds the window
    const QRect allowed = t.panel->sheetEditing().frontAxleArea();
    t.clickSheet(QPoint(allowed.left() + allowed.width() / 2, allowed.top() + 40));
    const float axleX = t.design().FrontAxleXPt;
    EXPECT_NE(axleX, 115.0f);
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo Move front axle"));

    // 3. A weight of a quarter pound.
    t.answerHowHeavy(QStringLiteral("0.25"));
    QTest::mouseClick(t.tool("AddWeightBtn"), Qt::LeftButton);
    t.clickSheet(t.px(400, 450));
    ASSERT_EQ(t.design().usedWeightCount(), 1);
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo Add weight"));

    // 4. The spring, picked on the sheet, made longer and applied.
    t.clickSheet(t.pixelOfPart(5));
    auto *length = t.widget<QLineEdit>("SpringLengthEF");
    ASSERT_TRUE(length->isVisible());
    length->setFocus();
    length->selectAll();
    QTest::keyClicks(length, QStringLiteral("48"));
    QTest::mouseClick(t.widget("ApplyBtn"), Qt::LeftButton);
    EXPECT_EQ(t.design().SpringLength, QStringLiteral("48"));
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo Change spring length"));
    EXPECT_EQ(t.w.history().count(), 4);
    // The bytes a save would write now.
    const QByteArray afterFour = EncodeDesign(t.design(), t.s.workspace.catalogue, QStringLiteral("Racer"));
    ASSERT_NE(afterFour, original);

    // Undo all four with the keys, each showing the design of one step earlier.
    t.undoKey();
    EXPECT_EQ(t.design().SpringLength, QStringLiteral("36"));
    EXPECT_EQ(length->text(), QStringLiteral("36"));
    EXPECT_EQ(t.w.windowTitle(), QStringLiteral("Racer* - Zindle 4.1"));
    t.undoKey();
    EXPECT_EQ(t.design().usedWeightCount(), 0);
    t.undoKey();
    EXPECT_EQ(t.design().FrontAxleXPt, 115.0f);
    t.undoKey();
    EXPECT_NE(t.design().OuterPts, drawn);
    EXPECT_FALSE(t.undoItem()->isEnabled());
    EXPECT_EQ(t.redoItem()->text(), QStringLiteral("Redo Draw outer layer"));
    // Back where the file was saved: unchanged, and the same bytes.
    QDir(t.dir.path()).mkpath(QStringLiteral("undone"));
    EXPECT_EQ(t.w.windowTitle(), QStringLiteral("Racer - Zindle 4.1"));
    EXPECT_TRUE(t.s.workspace.list.current().DesignSaved);
    EXPECT_EQ(t.save(t.dir.filePath(QStringLiteral("undone/Racer.zndl"))), original);

    // Redo, with both keys, brings each back in order.
    t.redoKey(false);
    EXPECT_EQ(t.design().OuterPts, drawn);
    t.redoKey(true);
    EXPECT_EQ(t.design().FrontAxleXPt, axleX);
    t.redoKey(false);
    EXPECT_EQ(t.design().usedWeightCount(), 1);
    t.redoKey(true);
    EXPECT_EQ(t.design().SpringLength, QStringLiteral("48"));
    EXPECT_FALSE(t.redoItem()->isEnabled());
    QDir(t.dir.path()).mkpath(QStringLiteral("redone"));
    EXPECT_EQ(t.save(t.dir.filePath(QStringLiteral("redone/Racer.zndl"))), afterFour);
}

} // namespace
} // namespace zindle::test
