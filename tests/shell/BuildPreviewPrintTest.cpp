// SPDX-License-Identifier: GPL-3.0-or-later
// The Build mode's 3D picture driven through its buttons (Rewind, Step, To end, Stop, Picture
// Size) and the Preview Templates mode's stepping, on a started main window.

#include "GuiTestSupport.h"

#include "shell/BuildPanel.h"
#include "shell/SheetImage.h"
#include "sheet/EmptySheet.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QTest>
#include <functional>
#include <set>

namespace zindle::test {
namespace {

QToolButton *button(MainWindow &w, const char *name)
{
    auto *b = w.findChild<QToolButton *>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

QString labelText(MainWindow &w, const char *name)
{
    auto *label = w.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

int coredLayers(const Workspace &ws) { return ws.results.LayersCoredEF.toInt(); }

// Calls `probe` between the stages of a drawing (the drawing processes events after each one).
class StageProbe {
public:
    explicit StageProbe(std::function<void()> probe) : probe_(std::move(probe))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { probe_(); });
        timer_.start(0);
    }

private:
    std::function<void()> probe_;
    QTimer timer_;
};

// Plays what the window recorded at its real pace, until it has played everything.
void playAtPace(MainWindow &w, const std::function<void()> &start)
{
    w.player().setImmediate(false);
    start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.player().busy(); }, 20000));
    w.player().setImmediate(true);
}

struct BuildWindow : StartedWindow {
    BuildWindow()
    {
        w().setWindowState(Qt::WindowNoState);
        w().resize(1180, 800);
        QApplication::processEvents();
    }
    BuildPanel *panel() { return w().findChild<BuildPanel *>(QStringLiteral("BuildStatePanel")); }
};

TEST(BuildView, EnteringBuildDrawsTheWholeCarAndLeavesOnlyRewind)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    ASSERT_EQ(coredLayers(s.workspace), 4);
    EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("11 of 11"));
    EXPECT_EQ(w.Built3DStage, 11);
    EXPECT_TRUE(button(w, "Rewind3DBtn")->isEnabled());
    EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled());
    EXPECT_FALSE(button(w, "ToEnd3DBtn")->isEnabled());
    EXPECT_FALSE(button(w, "DrawCancelBtn")->isVisible());
    EXPECT_EQ(button(w, "DrawCancelBtn")->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(w.findChild<QSlider *>(QStringLiteral("Slider3D"))->isEnabled());
    EXPECT_EQ(button(w, "Rewind3DBtn")->toolTip(), QStringLiteral("Start again"));
    EXPECT_EQ(button(w, "StepForward3DBtn")->toolTip(), QStringLiteral("Draw the next layer"));
    EXPECT_EQ(button(w, "ToEnd3DBtn")->toolTip(), QStringLiteral("Draw the whole car"));
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("Progress3DLabel"))->toolTip(), QStringLiteral("Layer"));
}

TEST(BuildView, RewindAndStepWalkEveryStageForSeveralLayerCounts)
{
    BuildWindow s;
    MainWindow &w = s.w();
    std::set<int> counts;
    // Wider springs need more cored layers around their chamber.
    const char *springWidths[] = {"0.5", "1", "1.5", "2.5", "3"};
    for (int slot = 0; slot < 5; ++slot) {
        w.DesignListClick(slot);
        s.workspace.design.SpringWidth = QLatin1String(springWidths[slot]);
        w.VPBuild();
        const int n = coredLayers(s.workspace) + 7;
        counts.insert(n);
        const QString of = QStringLiteral(" of ") + QString::number(n);
        EXPECT_EQ(labelText(w, "Progress3DLabel"), QString::number(n) + of) << slot;

        button(w, "Rewind3DBtn")->click();
        EXPECT_EQ(w.Built3DStage, 1) << slot;
        EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("1") + of);
        EXPECT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
        EXPECT_TRUE(button(w, "ToEnd3DBtn")->isEnabled());
        for (int stage = 2; stage <= n; ++stage) {
            ASSERT_TRUE(button(w, "StepForward3DBtn")->isEnabled()) << slot << " " << stage;
            button(w, "StepForward3DBtn")->click();
            EXPECT_EQ(w.Built3DStage, stage);
            EXPECT_EQ(labelText(w, "Progress3DLabel"), QString::number(stage) + of);
        }
        EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled()) << slot;
        EXPECT_FALSE(button(w, "ToEnd3DBtn")->isEnabled()) << slot;
        EXPECT_TRUE(button(w, "Rewind3DBtn")->isEnabled()) << slot;
    }
    EXPECT_GE(counts.size(), 2u);
}

TEST(BuildView, StepwiseDrawingEndsWithTheSamePictureAsTheWholeDrawing)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    const QImage whole = w.image()->canvas().copy();
    button(w, "Rewind3DBtn")->click();
    while (button(w, "StepForward3DBtn")->isEnabled())
        button(w, "StepForward3DBtn")->click();
    EXPECT_EQ(w.image()->canvas(), whole);
    button(w, "Rewind3DBtn")->click();
    button(w, "ToEnd3DBtn")->click();
    EXPECT_EQ(w.image()->canvas(), whole);
    EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled());
}

TEST(BuildView, StopEndsTheDrawingAfterTheStageAndSteppingGoesOn)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    button(w, "Rewind3DBtn")->click();
    bool lockedWhileDrawing = false, stopShown = false;
    {
        StageProbe probe([&] {
            BuildPanel *panel = s.panel();
            if (!panel->drawing() || panel->view().Built3DStage != 5)
                return;
            lockedWhileDrawing = !w.findChild<QWidget *>(QStringLiteral("ProcessPanel"))->isEnabled()
                                 && !w.menuBar()->isEnabled() && !button(w, "Rewind3DBtn")->isEnabled()
                                 && !button(w, "StepForward3DBtn")->isEnabled()
                                 && !w.findChild<QSlider *>(QStringLiteral("Slider3D"))->isEnabled()
                                 && !w.action(QStringLiteral("PrintTemplatesPos"))->isEnabled();
            QToolButton *stop = button(w, "DrawCancelBtn");
            stopShown = stop->isVisible() && stop->text() == QStringLiteral("Stop");
            stop->click();
        });
        playAtPace(w, [&] { button(w, "ToEnd3DBtn")->click(); });
    }
    EXPECT_TRUE(lockedWhileDrawing);
    EXPECT_TRUE(stopShown);
    EXPECT_EQ(w.Built3DStage, 5);
    EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("5 of 11"));
    EXPECT_FALSE(button(w, "DrawCancelBtn")->isVisible());
    EXPECT_EQ(button(w, "DrawCancelBtn")->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(w.findChild<QWidget *>(QStringLiteral("ProcessPanel"))->isEnabled());
    EXPECT_TRUE(w.menuBar()->isEnabled());
    EXPECT_TRUE(w.action(QStringLiteral("PrintTemplatesPos"))->isEnabled());
    // The student goes on from where the drawing stopped: a step draws stage 6, To end the rest.
    EXPECT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
    EXPECT_TRUE(button(w, "ToEnd3DBtn")->isEnabled());
    EXPECT_TRUE(button(w, "Rewind3DBtn")->isEnabled());
    button(w, "StepForward3DBtn")->click();
    EXPECT_EQ(w.Built3DStage, 6);
    EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("6 of 11"));
    EXPECT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
    button(w, "ToEnd3DBtn")->click();
    EXPECT_EQ(w.Built3DStage, 11);
    EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("11 of 11"));
    EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled());
    EXPECT_FALSE(button(w, "ToEnd3DBtn")->isEnabled());
    // The picture put together after the Stop is the one a whole drawing makes.
    const QImage resumed = w.image()->canvas().copy();
    w.VPBuild();
    EXPECT_EQ(w.image()->canvas(), resumed);
}

TEST(BuildView, StopDuringAStepLeavesSteppingOn)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    button(w, "Rewind3DBtn")->click();
    for (int i = 0; i < 3; ++i)
        button(w, "StepForward3DBtn")->click();
    {
        StageProbe probe([&] {
            if (s.panel()->drawing())
                button(w, "DrawCancelBtn")->click();
        });
        button(w, "StepForward3DBtn")->click();
    }
    EXPECT_EQ(w.Built3DStage, 5);
    EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("5 of 11"));
    EXPECT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
    button(w, "StepForward3DBtn")->click();
    EXPECT_EQ(w.Built3DStage, 6);
}

TEST(BuildView, LeavingTheModeStopsTheDrawingAndNothingDrawsOnTheNewMode)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    QImage designSheet;
    {
        StageProbe probe([&] {
            if (s.panel()->drawing() && s.panel()->view().Built3DStage == 3 && w.CurrentMode() == SheetMode::Build) {
                w.VPSet();
                designSheet = w.image()->canvas().copy();
            }
        });
        button(w, "ToEnd3DBtn")->setEnabled(true);
        button(w, "Rewind3DBtn")->click();
        playAtPace(w, [&] { button(w, "ToEnd3DBtn")->click(); });
    }
    EXPECT_EQ(w.CurrentMode(), SheetMode::Design);
    EXPECT_FALSE(s.panel()->drawing());
    EXPECT_EQ(w.Built3DStage, 0);
    ASSERT_FALSE(designSheet.isNull());
    EXPECT_EQ(w.image()->canvas(), designSheet);
    EXPECT_TRUE(w.findChild<QWidget *>(QStringLiteral("ProcessPanel"))->isEnabled());
    EXPECT_FALSE(s.panel()->isVisible());
}

TEST(BuildView, AResizeDuringTheDrawingRedrawsTheWholePicture)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    const size_t refreshes = refreshLog(w).size();
    bool resized = false;
    {
        StageProbe probe([&] {
            if (!resized && s.panel()->drawing() && s.panel()->view().Built3DStage == 3) {
                resized = true;
                w.WindowResized();
            }
        });
        button(w, "Rewind3DBtn")->click();
        playAtPace(w, [&] { button(w, "ToEnd3DBtn")->click(); });
    }
    ASSERT_TRUE(resized);
    EXPECT_EQ(refreshLog(w).size(), refreshes + 1);
    EXPECT_FALSE(s.panel()->drawing());
    EXPECT_EQ(w.Built3DStage, 11);
    EXPECT_EQ(labelText(w, "Progress3DLabel"), QStringLiteral("11 of 11"));
    EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled());
}

TEST(BuildView, PictureSizeSliderDisablesSteppingUntilRebuilt)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPBuild();
    button(w, "Rewind3DBtn")->click();
    ASSERT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
    auto *slider = w.findChild<QSlider *>(QStringLiteral("Slider3D"));
    EXPECT_EQ(slider->toolTip(), QStringLiteral("Size of 3D image (smaller is faster).  Press Build button to redraw."));
    EXPECT_FLOAT_EQ(s.workspace.scale.PreviewZoom, 0.4f);

    // Held down, the slider does nothing yet.
    slider->setSliderDown(true);
    slider->setValue(2);
    EXPECT_FLOAT_EQ(s.workspace.scale.PreviewZoom, 0.4f);
    EXPECT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
    slider->setSliderDown(false); // lets go
    EXPECT_FLOAT_EQ(s.workspace.scale.PreviewZoom, 0.75f);
    EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled());
    EXPECT_FALSE(button(w, "ToEnd3DBtn")->isEnabled());
    EXPECT_TRUE(button(w, "Rewind3DBtn")->isEnabled());

    const int smallDepth = s.panel()->view().placement().DepthPxX;
    button(w, "Rewind3DBtn")->click();
    EXPECT_TRUE(button(w, "StepForward3DBtn")->isEnabled());
    EXPECT_GT(s.panel()->view().placement().DepthPxX, smallDepth);

    slider->setValue(1);
    EXPECT_FLOAT_EQ(s.workspace.scale.PreviewZoom, 0.575f);
    EXPECT_FALSE(button(w, "StepForward3DBtn")->isEnabled());
    w.VPBuild();
    EXPECT_EQ(w.Built3DStage, 11);
}

TEST(PreviewTemplates, StepAndRewindWalkTheTemplates)
{
    BuildWindow s;
    MainWindow &w = s.w();
    w.VPPreview();
    const int count = coredLayers(s.workspace) + 2;
    ASSERT_EQ(count, 6);
    QToolButton *step = button(w, "StepPVBtn"), *rewind = button(w, "RewindPvBtn");
    EXPECT_EQ(step->toolTip(), QStringLiteral("Preview the next template"));
    EXPECT_EQ(rewind->toolTip(), QStringLiteral("Preview the first template"));
    EXPECT_EQ(labelText(w, "PreviewLabel"), QStringLiteral("1 of 6"));
    EXPECT_TRUE(step->isEnabled());
    EXPECT_FALSE(rewind->isEnabled());
    const QImage outer = w.image()->canvas().copy();
    step->click();
    EXPECT_EQ(labelText(w, "PreviewLabel"), QStringLiteral("2 of 6"));
    EXPECT_EQ(w.PreviewIndex, 2);
    EXPECT_TRUE(rewind->isEnabled());
    EXPECT_NE(w.image()->canvas(), outer);
    const QImage inner = w.image()->canvas().copy();
    step->click();
    step->click();
    step->click();
    EXPECT_EQ(labelText(w, "PreviewLabel"), QStringLiteral("5 of 6"));
    EXPECT_TRUE(step->isEnabled());
    step->click();
    EXPECT_EQ(labelText(w, "PreviewLabel"), QStringLiteral("6 of 6"));
    EXPECT_FALSE(step->isEnabled());
    rewind->click();
    EXPECT_EQ(labelText(w, "PreviewLabel"), QStringLiteral("1 of 6"));
    EXPECT_EQ(w.image()->canvas(), outer);
    EXPECT_TRUE(step->isEnabled());
    EXPECT_FALSE(rewind->isEnabled());
    step->click();
    EXPECT_EQ(w.image()->canvas(), inner);

    // Leaving and coming back starts again at the first template.
    w.VPSet();
    w.VPPreview();
    EXPECT_EQ(labelText(w, "PreviewLabel"), QStringLiteral("1 of 6"));
    EXPECT_EQ(w.PreviewIndex, 1);
    EXPECT_FALSE(rewind->isEnabled());
}

} // namespace
} // namespace zindle::test
