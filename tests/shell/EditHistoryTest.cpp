// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the window, driven by real mouse and key events on the sheet and the
// controls; Escape, the tools' hints and the hover text.

#include "GuiTestSupport.h"
#include "support/FolderFiles.h"
#include "support/QtPrinters.h"

#include "dialogs/HowHeavyDialog.h"
#include "files/DesignFile.h"
#include "model/NumberText.h"
#include "shell/DesignPanel.h"
#include "shell/SheetEditing.h"
#include "shell/SheetImage.h"
#include "shell/WindowRefreshHooks.h"
#include "dialogs/PowerDesignerDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace zindle::test {
namespace {

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
        return test::contentOf(path);
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

TEST(EditHistory, EscapeEndsEveryToolWithoutAChangeOrAStep)
{
    Editor t;
    const std::vector<QPoint> outline = t.design().OuterPts;
    // Mid-outline: two points drawn, then Escape, exactly as Cancel.
    QTest::mouseClick(t.tool("DrawOuterBtn"), Qt::LeftButton);
    t.clickSheet(t.px(100, 500));
    t.clickSheet(t.px(600, 500));
    t.key(Qt::Key_Escape);
    EXPECT_FALSE(t.panel->sheetEditing().toolActive());
    EXPECT_EQ(t.panel->sheetEditing().outlines().pending(OutlineTarget::Outer).count(), 0);
    EXPECT_EQ(t.design().OuterPts, outline);
    EXPECT_FALSE(t.widget("DrawCancelBtn")->isVisible());
    EXPECT_TRUE(t.widget("SetStatePanel")->isVisible());
    EXPECT_FALSE(t.tool("DrawOuterBtn")->isChecked());
    EXPECT_TRUE(t.widget("VPBuildBtn")->isEnabled());
    // The next click on the sheet draws nothing.
    t.clickSheet(t.px(300, 300));
    EXPECT_EQ(t.design().OuterPts, outline);

    // The axle and weight tools end the same way, by Escape or by their Cancel.
    const float axle = t.design().FrontAxleXPt;
    for (const char *button : {"FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn"}) {
        for (const bool byEscape : {true, false}) {
            QTest::mouseClick(t.tool(button), Qt::LeftButton);
            ASSERT_TRUE(t.panel->sheetEditing().toolActive()) << button;
            EXPECT_FALSE(t.widget("VPBuildBtn")->isEnabled());
            if (byEscape)
                t.key(Qt::Key_Escape);
            else
                QTest::mouseClick(t.widget("DrawCancelBtn"), Qt::LeftButton);
            EXPECT_FALSE(t.panel->sheetEditing().toolActive()) << button;
            EXPECT_FALSE(t.tool(button)->isChecked());
            EXPECT_TRUE(t.widget("VPBuildBtn")->isEnabled());
            EXPECT_TRUE(t.widget("SetStatePanel")->isVisible());
            EXPECT_FALSE(t.widget("DrawHintLabel")->isVisible());
        }
    }
    t.clickSheet(t.px(400, 400));
    EXPECT_EQ(t.design().FrontAxleXPt, axle);
    EXPECT_EQ(t.design().usedWeightCount(), 0);
    EXPECT_EQ(t.w.history().count(), 0);
    EXPECT_TRUE(t.s.prompter.messages().isEmpty());
    // A click that leaves the axle where it is, or finds no weight, ends its tool unchanged.
    QTest::mouseClick(t.tool("FrontAxleBtn"), Qt::LeftButton);
    t.clickSheet(t.px(5, 5));
    QTest::mouseClick(t.tool("RemoveWeightBtn"), Qt::LeftButton);
    t.clickSheet(t.px(300, 300));
    EXPECT_FALSE(t.panel->sheetEditing().toolActive());
    // Nothing changed, so nothing is marked: not by the tools, nor by the Power Designer
    // opened and closed without GO.
    t.w.views().ShowPowerDesigner();
    t.w.views().powerDesigner()->close();
    EXPECT_FALSE(t.w.views().powerDesigner()->isVisible());
    EXPECT_TRUE(t.s.workspace.list.current().DesignSaved);
    EXPECT_FALSE(t.w.windowTitle().contains(QLatin1Char('*'))) << t.w.windowTitle().toStdString();
}

TEST(EditHistory, EachToolSaysWhereToClick)
{
    Editor t;
    auto *hint = t.widget<QLabel>("DrawHintLabel");
    const struct {
        const char *button, *shot;
        QString text;
    } tools[] = {
        {"DrawOuterBtn", "hint-outline.png",
         QStringLiteral("To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).")},
        {"FrontAxleBtn", "hint-front-axle.png",
         QStringLiteral("Click where the front axle goes, right of the drive axle.  A click anywhere else, Cancel or Esc leaves it where it is.")},
        {"AddWeightBtn", "hint-add-weight.png",
         QStringLiteral("Click where the weight goes on the drawing sheet, then say how heavy it is.  Cancel or Esc adds none.")},
        {"RemoveWeightBtn", "hint-remove-weight.png",
         QStringLiteral("Click the weight to remove.  Cancel or Esc removes none.")},
    };
    for (const auto &tool : tools) {
        QTest::mouseClick(t.tool(tool.button), Qt::LeftButton);
        EXPECT_TRUE(hint->isVisible()) << tool.button;
        EXPECT_EQ(hint->text(), tool.text);
        EXPECT_TRUE(t.widget("DrawCancelBtn")->isVisible());
        EXPECT_FALSE(t.widget("SetStatePanel")->isVisible());
        t.w.grab().save(shotFolder() + QLatin1Char('/') + QLatin1String(tool.shot));
        t.key(Qt::Key_Escape);
        EXPECT_FALSE(hint->isVisible());
    }
}

TEST(EditHistory, TheHoverTextClearsWhenThePointerLeavesTheSheet)
{
    Editor t;
    auto *label = t.widget<QLabel>("PartAttributesLabel");
    const QString invitation = t.panel->partDescription(-1);
    const QPoint spring = t.pixelOfPart(5);
    QMouseEvent move(QEvent::MouseMove, QPointF(spring), t.image->mapToGlobal(QPointF(spring)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(t.image, &move);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Highlighted: Spring"))) << label->text().toStdString();
    EXPECT_EQ(t.w.HighlightedPart, 5);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(t.image, &leave);
    EXPECT_EQ(label->text(), invitation);
    EXPECT_EQ(t.w.HighlightedPart, -1);
}

TEST(EditHistory, TheEditMenuNamesItsStepsAndEveryKindOfChangeIsOne)
{
    Editor t;
    // A drive button: the side effects on the other wheel come back with the undo.
    const QString otherWheel = t.design().OtherWhlDia;
    QTest::mouseClick(t.tool("AWDBtn"), Qt::LeftButton);
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo Choose four wheel drive"));
    // A material choice.
    auto *outerBody = t.widget<QComboBox>("OuterBodyList");
    t.w.SelectPart(1);
    emit outerBody->activated(0);
    EXPECT_EQ(t.w.history().count(), 1); // choosing what was chosen is no change
    // Entering Simulate resets the element size but adds no step.
    t.w.VPDynamic();
    t.w.VPSet();
    EXPECT_EQ(t.w.history().count(), 1);
    t.undoKey();
    EXPECT_EQ(t.design().Drive, DriveKind::RearWD);
    EXPECT_EQ(t.design().OtherWhlDia, otherWheel);
    EXPECT_TRUE(t.tool("RWDBtn")->isChecked());
    t.redoKey(true);
    EXPECT_TRUE(t.tool("AWDBtn")->isChecked());

    // Moving the axle, then the picture of the menu with both items named.
    QTest::mouseClick(t.tool("RWDBtn"), Qt::LeftButton);
    QTest::mouseClick(t.tool("FrontAxleBtn"), Qt::LeftButton);
    const QRect allowed = t.panel->sheetEditing().frontAxleArea();
    t.clickSheet(QPoint(allowed.left() + allowed.width() / 3, allowed.top() + 40));
    t.undoKey();
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo Choose rear wheel drive"));
    EXPECT_EQ(t.redoItem()->text(), QStringLiteral("Redo Move front axle"));
    auto *editMenu = t.w.findChild<QMenu *>(QStringLiteral("EditMenu"));
    ASSERT_NE(editMenu, nullptr);
    editMenu->popup(t.w.mapToGlobal(QPoint(60, 20)));
    QApplication::processEvents();
    editMenu->grab().save(shotFolder() + QStringLiteral("/edit-menu.png"));
    editMenu->hide();

    // A new design starts a history of its own.
    t.s.prompter.confirmAnswers.push_back(Answer::No);
    t.w.DesignListClick(1);
    EXPECT_EQ(t.w.history().count(), 0);
    EXPECT_FALSE(t.undoItem()->isEnabled());
    EXPECT_EQ(t.undoItem()->text(), QStringLiteral("Undo"));
}

} // namespace
} // namespace zindle::test
