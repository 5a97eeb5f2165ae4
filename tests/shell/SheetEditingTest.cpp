// SPDX-License-Identifier: GPL-3.0-or-later
// The Design mode's sheet tools driven through the sheet's mouse events, as a user would:
// outlines, the front axle, weights, the drive buttons, part hovering and the size fields.

#include "GuiTestSupport.h"

#include "dialogs/HowHeavyDialog.h"
#include "files/DesignFile.h"
#include "model/NumberText.h"
#include "shell/DesignPanel.h"
#include "app/ParameterCheck.h"
#include "shell/SheetEditing.h"
#include "shell/SheetImage.h"
#include "geometry/PartRegions.h"
#include "sheet/WeightTools.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTest>

namespace zindle::test {
namespace {

struct Sheet {
    StartedWindow s;
    MainWindow &w;
    SheetImage *image;
    DesignPanel *panel;

    explicit Sheet(QSize size = QSize(1180, 800)) : w(s.w())
    {
        w.setWindowState(Qt::WindowNoState);
        w.resize(size);
        QApplication::processEvents();
        image = w.image();
        panel = w.findChild<DesignPanel *>();
        w.VPSet();
    }
    SheetEditing &editing() { return panel->sheetEditing(); }
    DesignRecord &design() { return s.workspace.design; }
    const SheetScale &scale() { return s.workspace.scale; }
    QToolButton *tool(const char *name) { return w.findChild<QToolButton *>(QLatin1String(name)); }
    QWidget *widget(const char *name) { return w.findChild<QWidget *>(QLatin1String(name)); }

    // The pixel of a sheet point.
    QPoint px(int x, int y)
    {
        return {truncToInt(float(x) * scale().ScreenScale) + scale().SheetOffsetX,
                truncToInt(float(y) * scale().ScreenScale)};
    }
    void send(QEvent::Type type, QPoint p, Qt::MouseButton button)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(p), image->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
        QApplication::sendEvent(image, &event);
    }
    void press(QPoint p) { send(QEvent::MouseButtonPress, p, Qt::LeftButton); }
    void release(QPoint p) { send(QEvent::MouseButtonRelease, p, Qt::LeftButton); }
    void move(QPoint p) { send(QEvent::MouseMove, p, Qt::NoButton); }
    void click(QPoint p)
    {
        move(p);
        press(p);
        release(p);
    }
    void doubleClick(QPoint p)
    {
        click(p);
        send(QEvent::MouseButtonDblClick, p, Qt::LeftButton);
        release(p);
    }
};

// Clicks `clicks` single points, then double-clicks one more, with the outer tool.
std::vector<QPoint> drawOuter(Sheet &t, const std::vector<QPoint> &sheetPoints)
{
    t.tool("DrawOuterBtn")->click();
    std::vector<QPoint> expected;
    for (size_t i = 0; i + 1 < sheetPoints.size(); ++i) {
        const QPoint p = t.px(sheetPoints[i].x(), sheetPoints[i].y());
        t.click(p);
        expected.push_back(t.scale().pixelToSheet(p.x(), p.y()));
        expected.push_back(expected.back());
    }
    const QPoint last = t.px(sheetPoints.back().x(), sheetPoints.back().y());
    t.doubleClick(last);
    expected.push_back(t.scale().pixelToSheet(last.x(), last.y()));
    expected.push_back(expected.back());
    return expected;
}

TEST(SheetOutline, ClickCountsDecideTheCommitAtEverySize)
{
    for (const QSize size : {QSize(1180, 800), QSize(860, 640), QSize(1500, 1050)}) {
        Sheet t(size);
        const std::vector<QPoint> before = t.design().OuterPts;
        // One click and a double-click: four points, the old outline stays.
        drawOuter(t, {{100, 400}, {500, 400}});
        EXPECT_EQ(t.editing().outlines().pending(OutlineTarget::Outer).count(), 4);
        EXPECT_EQ(t.design().OuterPts, before);
        EXPECT_FALSE(t.editing().outlines().drawing());
        // Two clicks and a double-click: six points, committed.
        std::vector<QPoint> six = drawOuter(t, {{100, 420}, {600, 420}, {600, 300}});
        EXPECT_EQ(t.design().OuterPts, six) << size.width();
        // Three clicks and a double-click: eight points, exactly the ones clicked.
        std::vector<QPoint> eight = drawOuter(t, {{60, 500}, {650, 500}, {650, 320}, {60, 320}});
        ASSERT_EQ(t.design().OuterCount(), 8);
        EXPECT_EQ(t.design().OuterPts, eight) << size.width();
        EXPECT_EQ(t.w.CurrentMode(), SheetMode::Design);
        EXPECT_TRUE(t.widget("SetStatePanel")->isVisibleTo(&t.w));

        // Saved and read back, the drawn design is the same.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("drawn.zndl"));
        const DesignRecord drawn = t.design();
        SaveDesign(t.s.workspace, path, t.s.workspace.list.CurrentDesign);
        Workspace other;
        PrepareForFileRead(other);
        ReadBinaryDesignFile(other, path);
        EXPECT_EQ(other.design.OuterPts, drawn.OuterPts);
        EXPECT_EQ(other.design.InnerPts, drawn.InnerPts);
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(*parameterFields(other.design)[i], *parameterFields(drawn)[i]);
    }
}

TEST(SheetOutline, ReleaseOutsideRecordsNothingButMovesTheSegmentStart)
{
    Sheet t;
    t.tool("DrawInnerBtn")->click();
    const QPoint inside = t.px(200, 300);
    const QPoint outside(t.scale().SheetOffsetX + t.scale().DrawPxWidth + 20, 10);
    t.press(inside);
    t.move(outside);
    t.release(outside);
    EXPECT_EQ(t.editing().outlines().pending(OutlineTarget::Inner).count(), 0);
    // The next release inside records the segment from that press.
    const QPoint later = t.px(400, 300);
    t.move(later);
    t.release(later);
    const PendingOutline &pending = t.editing().outlines().pending(OutlineTarget::Inner);
    ASSERT_EQ(pending.count(), 2);
    EXPECT_EQ(pending.stored[0], t.scale().pixelToSheet(inside.x(), inside.y()));
    EXPECT_EQ(pending.stored[1], t.scale().pixelToSheet(later.x(), later.y()));
    t.w.findChild<QPushButton *>(QStringLiteral("DrawCancelBtn"))->click();
}

TEST(SheetOutline, DrawingLocksTheWindowAndCancelRestoresIt)
{
    Sheet t;
    const std::vector<QPoint> before = t.design().OuterPts;
    QAction *savePos = t.w.action(QStringLiteral("SavePos"));
    // An item that is disabled before the lock must come back disabled, not enabled.
    QAction *closePos = t.w.action(QStringLiteral("RenamePos"));
    closePos->setEnabled(false);
    t.tool("DrawOuterBtn")->click();
    EXPECT_TRUE(t.tool("DrawOuterBtn")->isEnabled());
    EXPECT_TRUE(t.tool("DrawOuterBtn")->isChecked());
    for (const char *name : {"DrawInnerBtn", "FrontAxleBtn", "AddWeightBtn", "AWDBtn", "VPBuildBtn", "NewBtn",
                             "DesignList", "SpringWidthEF", "ApplyBtn", "DefineMatlBtn"})
        EXPECT_FALSE(t.widget(name)->isEnabled()) << name;
    EXPECT_FALSE(savePos->isEnabled());
    EXPECT_FALSE(t.w.action(QStringLiteral("BuildPos"))->isEnabled());
    EXPECT_FALSE(t.widget("SetStatePanel")->isVisibleTo(&t.w));
    EXPECT_TRUE(t.widget("DrawCancelBtn")->isVisibleTo(&t.w));
    EXPECT_EQ(static_cast<QLabel *>(t.widget("DrawHintLabel"))->text(),
              QStringLiteral("To draw a shape, click points on the drawing sheet.  Double-click to finish (or press "
                             "Cancel to abort)."));

    // The rubber band (red in NOT-XOR, so it shows dark on the blue sheet) follows the mouse.
    t.click(t.px(100, 450));
    t.click(t.px(500, 450));
    const QImage beforeBand = t.image->canvas();
    t.move(t.px(520, 250));
    const QPoint mid = (t.px(500, 450) + t.px(520, 250)) / 2;
    int redOnBand = 0;
    for (int dx = -2; dx <= 2; ++dx)
        if (t.image->canvas().pixelColor(mid + QPoint(dx, 0)) != beforeBand.pixelColor(mid + QPoint(dx, 0)))
            ++redOnBand;
    EXPECT_GE(redOnBand, 1);
    t.image->canvas().save(shotFolder() + QStringLiteral("/edit-drawing-rubber-band.png"));

    static_cast<QPushButton *>(t.widget("DrawCancelBtn"))->click();
    EXPECT_EQ(t.design().OuterPts, before);
    EXPECT_EQ(t.editing().outlines().pending(OutlineTarget::Outer).count(), 0);
    for (const char *name : {"DrawInnerBtn", "FrontAxleBtn", "AWDBtn", "VPBuildBtn", "NewBtn", "DesignList",
                             "SpringWidthEF"})
        EXPECT_TRUE(t.widget(name)->isEnabled()) << name;
    EXPECT_FALSE(t.widget("ApplyBtn")->isEnabled());
    EXPECT_TRUE(savePos->isEnabled());
    EXPECT_FALSE(closePos->isEnabled());
    EXPECT_TRUE(t.widget("SetStatePanel")->isVisibleTo(&t.w));
    EXPECT_FALSE(t.widget("DrawCancelBtn")->isVisibleTo(&t.w));
    EXPECT_FALSE(t.tool("DrawOuterBtn")->isChecked());
}

TEST(SheetFrontAxle, PlacedRightOfTheDriveAxleOnlyAndNeverWithAllWheelDrive)
{
    Sheet t;
    const float oldX = t.design().FrontAxleXPt;
    // Left of the drive axle's centre: the tool ends, the axle stays.
    t.tool("FrontAxleBtn")->click();
    EXPECT_TRUE(t.editing().placingFrontAxle());
    const QRect allowed = t.editing().frontAxleArea();
    t.move(QPoint(allowed.left() - 3, 200));
    t.press(QPoint(allowed.left() - 3, 200));
    EXPECT_FALSE(t.editing().placingFrontAxle());
    EXPECT_EQ(t.design().FrontAxleXPt, oldX);
    EXPECT_TRUE(t.widget("VPBuildBtn")->isEnabled());

    t.tool("FrontAxleBtn")->click();
    const QPoint p = t.px(500, 500);
    t.move(p);
    t.press(p);
    const QPoint sheet = t.scale().pixelToSheet(p.x(), p.y());
    EXPECT_EQ(t.design().FrontAxleXPt, float(720 - sheet.x()));
    EXPECT_FLOAT_EQ(t.design().FrontAxleXIn, t.design().FrontAxleXPt / 72.0f);
    EXPECT_FALSE(t.tool("FrontAxleBtn")->isChecked());

    t.tool("AWDBtn")->click();
    t.tool("FrontAxleBtn")->click();
    EXPECT_FALSE(t.editing().placingFrontAxle());
    EXPECT_EQ(t.s.prompter.messages().back(), NoFrontAxleMessage());
    EXPECT_EQ(t.s.prompter.shown.back().caption, QStringLiteral("Please try again."));
    EXPECT_TRUE(t.widget("VPBuildBtn")->isEnabled());
}

TEST(SheetWeights, LimitsOfHowHeavyAndRemovalByDrawnRectangle)
{
    Sheet t;
    ClearWeights(t.design());
    t.w.VPSet();
    // Each text is typed into "How heavy?" and OK pressed; a refused one is then cancelled.
    auto addWeight = [&t](const QString &text, QPoint at) {
        t.s.other = [&text](QDialog &dialog) {
            auto *howHeavy = qobject_cast<HowHeavyDialog *>(&dialog);
            EXPECT_NE(howHeavy, nullptr);
            if (!howHeavy)
                return 0;
            EXPECT_EQ(howHeavy->windowTitle(), QStringLiteral("How heavy?"));
            howHeavy->howHeavyField()->setText(text);
            howHeavy->findChild<QPushButton *>(QStringLiteral("HHOKBtn"))->click();
            if (!howHeavy->added())
                howHeavy->findChild<QPushButton *>(QStringLiteral("HHCancelBtn"))->click();
            return howHeavy->result();
        };
        t.tool("AddWeightBtn")->click();
        t.press(t.px(at.x(), at.y()));
    };
    for (const char *ok : {"1", "-1", "0.0001", "-0.0001"})
        addWeight(QLatin1String(ok), {300, 300});
    EXPECT_EQ(t.design().usedWeightCount(), 4);
    EXPECT_TRUE(t.s.prompter.messages().isEmpty());
    for (const char *refused : {"0.00009", "1.01", "-1.01", "heavy", ""})
        addWeight(QLatin1String(refused), {300, 300});
    EXPECT_EQ(t.design().usedWeightCount(), 4);
    EXPECT_EQ(t.s.prompter.messages().size(), 5);
    EXPECT_EQ(t.s.prompter.messages().front(), WeightLimitMessage());
    EXPECT_TRUE(t.widget("VPBuildBtn")->isEnabled());

    // Slots 0 (1 lb) and 2 (0.0001 lb) hang at the same point; their rectangles overlap just
    // above it, and the lower slot goes.
    const HitRect first = t.design().Weights[0].Rect;
    const HitRect third = t.design().Weights[2].Rect;
    const QPoint onBoth(first.left + 5, first.bottom - 1);
    ASSERT_TRUE(first.contains(onBoth.x(), onBoth.y()));
    ASSERT_TRUE(third.contains(onBoth.x(), onBoth.y()));
    t.tool("RemoveWeightBtn")->click();
    t.press(onBoth);
    EXPECT_TRUE(t.design().Weights[0].isFree());
    EXPECT_FALSE(t.design().Weights[2].isFree());
    EXPECT_EQ(t.design().usedWeightCount(), 3);

    // A full design only beeps.
    for (WeightSlot &slot : t.design().Weights)
        if (slot.isFree())
            slot.Mass = 0.01f;
    addWeight(QStringLiteral("0.5"), {200, 200});
    ASSERT_FALSE(t.s.prompter.shown.empty());
    EXPECT_EQ(t.s.prompter.shown.back().kind, QStringLiteral("beep"));
}

TEST(SheetWeights, AClickOnTheWeightsOwnPointRemovesIt)
{
    Sheet t;
    ClearWeights(t.design());
    AddWeight(t.design(), {300, 300}, 0.5f);
    t.w.VPSet(); // the drawing records where the arrow hangs
    const QPoint point = t.px(300, 300);
    // Just right of the arrow's frame nothing is hit, and the tool ends.
    t.tool("RemoveWeightBtn")->click();
    QTest::mouseClick(t.image, Qt::LeftButton, Qt::NoModifier, point + QPoint(6, 0));
    EXPECT_EQ(t.design().usedWeightCount(), 1);
    t.tool("RemoveWeightBtn")->click();
    QTest::mouseClick(t.image, Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(t.design().usedWeightCount(), 0);
}

TEST(SheetDrive, AllWheelDriveAndBackKeepsTheOtherWheel)
{
    Sheet t;
    auto *otherWheel = static_cast<QLineEdit *>(t.widget("OtherWhlDiaEF"));
    t.design().OtherWhlDia = QStringLiteral("2.25");
    t.tool("FWDBtn")->click(); // between rear and front the shown size stays
    EXPECT_EQ(t.design().OtherWhlDia, QStringLiteral("2.25"));
    t.tool("AWDBtn")->click();
    EXPECT_FALSE(otherWheel->isEnabled());
    EXPECT_EQ(t.design().RSpringLength, t.design().SpringLength);
    EXPECT_TRUE(t.s.workspace.regions.otherAxleHit.isEmpty());
    t.design().OtherWhlDia = QStringLiteral("3");
    t.tool("RWDBtn")->click();
    EXPECT_TRUE(otherWheel->isEnabled());
    EXPECT_EQ(t.design().OtherWhlDia, QStringLiteral("2.25"));
    EXPECT_EQ(otherWheel->text(), QStringLiteral("2.25"));
    EXPECT_EQ(t.design().Drive, DriveKind::RearWD);
}

TEST(SheetParts, HoverTriesSmallPartsFirstAndClickSelects)
{
    Sheet t;
    const PartRegions &r = t.s.workspace.regions;
    const QPoint axle = r.driveAxleHit.boundingRect().center();
    ASSERT_TRUE(r.driveWheelsHit.contains(axle));
    t.move(axle);
    EXPECT_EQ(t.w.HighlightedPart, 6);
    auto *label = static_cast<QLabel *>(t.widget("PartAttributesLabel"));
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Highlighted: Drive axle (")));
    EXPECT_TRUE(label->text().endsWith(QStringLiteral(", 0.5 inches dia, 7 inches long).")));
    // Highlighting draws and erasing gives back the same sheet.
    const QImage highlighted = t.image->canvas();
    t.move(QPoint(2, 2));
    EXPECT_EQ(t.w.HighlightedPart, -1);
    t.move(axle);
    EXPECT_EQ(t.image->canvas(), highlighted);
    // The wheel's rim lies outside the spring and the axle.
    const QRect wheel = r.driveWheelsHit.boundingRect();
    const QPoint rim(wheel.center().x(), wheel.top() + 3);
    if (!r.treadHit.contains(rim)) {
        t.move(rim);
        EXPECT_EQ(t.w.HighlightedPart, 3);
    }
    t.press(axle);
    EXPECT_EQ(static_cast<QComboBox *>(t.widget("PartNameBox"))->currentIndex(), 6);
    EXPECT_TRUE(t.widget("DriveAxleDiaEF")->isVisibleTo(&t.w));
    t.press(QPoint(2, 2));
    EXPECT_EQ(static_cast<QComboBox *>(t.widget("PartNameBox"))->currentIndex(), -1);
    EXPECT_FALSE(t.widget("DriveAxleDiaEF")->isVisibleTo(&t.w));
}

TEST(SheetParts, EnterAppliesEveryPendingSizeWithARefreshEach)
{
    Sheet t;
    auto *springWidth = static_cast<QLineEdit *>(t.widget("SpringWidthEF"));
    auto *springLength = static_cast<QLineEdit *>(t.widget("SpringLengthEF"));
    t.w.SelectPart(5);
    springWidth->setText(QStringLiteral("2"));
    emit springWidth->textEdited(springWidth->text());
    springLength->setText(QStringLiteral("48"));
    emit springLength->textEdited(springLength->text());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_8, Qt::NoModifier, QStringLiteral("8"));
    springLength->setText(QStringLiteral("4"));
    QApplication::sendEvent(springLength, &key); // types the 8 again: "48"
    EXPECT_TRUE(t.widget("ApplyBtn")->isEnabled());
    const size_t refreshes = refreshLog(t.w).size();
    emit springLength->returnPressed();
    EXPECT_EQ(t.design().SpringWidth, QStringLiteral("2"));
    EXPECT_EQ(t.design().SpringLength, QStringLiteral("48"));
    EXPECT_EQ(t.design().RSpringLength, QStringLiteral("48"));
    EXPECT_EQ(refreshLog(t.w).size(), refreshes + 2);
    EXPECT_FALSE(t.widget("ApplyBtn")->isEnabled());
    // A refused size goes back to the design's text and leaves the design alone.
    springWidth->setText(QStringLiteral("6.5"));
    emit springWidth->textEdited(springWidth->text());
    t.w.ApplyBtnClick();
    EXPECT_EQ(springWidth->text(), QStringLiteral("2"));
    EXPECT_EQ(t.s.prompter.messages().back(),
              QStringLiteral("The spring width must be positive, no less than 0.1 inch, and no more than 6 inches."));
}

TEST(SheetParts, AWheelTypedTooSmallShowsTheEnlargedSizeAfterEnter)
{
    Sheet t;
    t.w.SelectPart(3);
    auto *wheel = static_cast<QLineEdit *>(t.widget("DriveWhlDiaEF"));
    t.w.activateWindow();
    QApplication::setActiveWindow(&t.w);
    wheel->setFocus();
    ASSERT_TRUE(wheel->hasFocus());
    wheel->selectAll();
    QTest::keyClicks(wheel, QStringLiteral("3"));
    QTest::keyClick(wheel, Qt::Key_Return);
    // The default spring's case is 4.82 in across: the wheel grows to fit it.
    EXPECT_EQ(t.design().DriveWhlDia, QStringLiteral("4.80"));
    EXPECT_EQ(wheel->text(), QStringLiteral("4.80"));
    EXPECT_EQ(static_cast<QLabel *>(t.widget("PartAttributesLabel"))->text(),
              QStringLiteral("Drive wheel enlarged to 4.80 in to fit the spring case"));
    // A wheel large enough stays as typed, and the note goes.
    wheel->selectAll();
    QTest::keyClicks(wheel, QStringLiteral("5.5"));
    QTest::keyClick(wheel, Qt::Key_Return);
    EXPECT_EQ(wheel->text(), QStringLiteral("5.5"));
    EXPECT_FALSE(static_cast<QLabel *>(t.widget("PartAttributesLabel"))->text().contains(QStringLiteral("enlarged")));
}

// Every check at its bounds, in its order, with its message.
TEST(ParameterValidation, EachCheckAtItsBoundsInOrder)
{
    const ParameterTexts good{"4.80", "1.75", "0.5", "7", "0.2", "7", "1.5", "36", "4.0", "0.05", "3.5"};
    struct Bound {
        QString ParameterTexts::*field;
        const char *passes, *fails;
        const char *message;
    };
    const Bound bounds[] = {
        {&ParameterTexts::DriveWhlDia, "7.5", "7.51", "The drive wheel diameter must be positive, greater than the spring chamber outer diameter, and no more than 7.5 inches."},
        {&ParameterTexts::DriveWhlDia, "0.51", "0.009", "The drive wheel diameter must be positive, greater than the spring chamber outer diameter, and no more than 7.5 inches."},
        {&ParameterTexts::OtherWhlDia, "0.25", "0.24", "The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, and greater than the axle diameter."},
        {&ParameterTexts::DriveAxleDia, "2", "2.01", "The drive axle diameter must be positive, greater than zero, and no more than 2 inches."},
        {&ParameterTexts::DriveAxleLength, "36", "0.00009", "The drive axle length must be positive, greater than zero, and no more than 36 inches."},
        {&ParameterTexts::OtherAxleDia, "1", "1,0", "The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the wheel diameter."},
        {&ParameterTexts::OtherAxleLength, "0.0001", "", "The non-drive axle length must be positive, greater than zero, and no more than 36 inches."},
        {&ParameterTexts::SpringWidth, "0.1", "6.01", "The spring width must be positive, no less than 0.1 inch, and no more than 6 inches."},
        {&ParameterTexts::SpringLength, "240", "2.99", "The spring length must be positive, no less than 3 inches, and no more than 240 inches."},
        {&ParameterTexts::CaseRatio, "99", "3.9", "The case ratio must be positive, no less than 4 percent, and no more than 99 percent."},
        {&ParameterTexts::Friction, "0.25", "0.26", "The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb."},
        {&ParameterTexts::DriveAxleDia, "0.5", "1.75", nullptr}, // passes its own check; see below
    };
    for (const Bound &b : bounds) {
        ScriptedPrompter prompter;
        ParameterTexts texts = good;
        texts.*b.field = QLatin1String(b.passes);
        EXPECT_TRUE(ValidateParameters(texts, prompter)) << b.passes;
        if (!b.message)
            continue;
        texts.*b.field = QLatin1String(b.fails);
        EXPECT_FALSE(ValidateParameters(texts, prompter)) << b.fails;
        ASSERT_EQ(prompter.shown.size(), 1u);
        // Text that is no number says so first; the range message follows as it stands.
        EXPECT_EQ(prompter.shown[0].text, notANumberNote(QLatin1String(b.fails)) + QLatin1String(b.message));
        EXPECT_EQ(prompter.shown[0].caption, QStringLiteral("Please try again."));
    }
    // A big spring case lets the drive wheel past 7.5 in.
    ScriptedPrompter prompter;
    ParameterTexts big = good;
    big.DriveWhlDia = QStringLiteral("7.6");
    big.CaseOuterD = QStringLiteral("7.55");
    EXPECT_TRUE(ValidateParameters(big, prompter));
    // Wheels no larger than their axles (checks 11 and 12), and the first failure wins.
    ParameterTexts axle = good;
    axle.DriveWhlDia = QStringLiteral("0.5");
    EXPECT_FALSE(ValidateParameters(axle, prompter));
    axle = good;
    axle.OtherWhlDia = QStringLiteral("0.25");
    axle.OtherAxleDia = QStringLiteral("0.25");
    EXPECT_FALSE(ValidateParameters(axle, prompter));
    axle.SpringWidth = QStringLiteral("9");
    EXPECT_FALSE(ValidateParameters(axle, prompter));
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("The diameter of the drive wheel must be larger than the diameter of the drive axle."));
    EXPECT_EQ(prompter.shown[1].text,
              QStringLiteral("The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle."));
    EXPECT_TRUE(prompter.shown[2].text.startsWith(QStringLiteral("The spring width")));
}

TEST(SheetPictures, BuiltInDesignsAndAllWheelDriveWithWeights)
{
    Sheet t;
    for (int slot = 0; slot < 5; ++slot) {
        t.w.DesignListClick(slot);
        QApplication::processEvents();
        t.w.VPSet();
        t.image->canvas().save(shotFolder() + QStringLiteral("/edit-design-%1.png").arg(slot));
    }
    t.w.DesignListClick(1);
    t.tool("AWDBtn")->click();
    AddWeight(t.design(), {300, 250}, 0.3f);
    AddWeight(t.design(), {450, 420}, -0.5f);
    t.w.VPSet();
    EXPECT_TRUE(t.s.workspace.regions.otherWheelsHit.isEmpty());
    EXPECT_FALSE(t.design().Weights[1].Rect.isEmpty());
    t.image->canvas().save(shotFolder() + QStringLiteral("/edit-awd-weights.png"));
    t.w.grab().save(shotFolder() + QStringLiteral("/edit-window-awd.png"));
}

TEST(SheetParts, TheCommaKeyTypesTheDecimalPointWhereTheDesktopWritesNumbersWithAComma)
{
    Sheet t;
    t.w.SelectPart(5);
    auto *springWidth = static_cast<QLineEdit *>(t.widget("SpringWidthEF"));
    springWidth->selectAll();
    QTest::keyClicks(springWidth, QStringLiteral("1,75"));
    QTest::keyClick(springWidth, Qt::Key_Return);
    if (QLocale::system().decimalPoint() == QLatin1String(",")) {
        EXPECT_EQ(t.design().SpringWidth, QStringLiteral("1.75"));
    } else {
        EXPECT_EQ(t.design().SpringWidth, QStringLiteral("1.5"));
        EXPECT_EQ(t.s.prompter.messages().back(),
                  QStringLiteral("\"1,75\" is not a number (a period is the decimal point). The spring width must be "
                                 "positive, no less than 0.1 inch, and no more than 6 inches."));
    }
}

} // namespace
} // namespace zindle::test
