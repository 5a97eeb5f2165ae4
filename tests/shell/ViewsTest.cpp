// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyze, Simulate and Race pictures and their controls: the element size slider, the
// dynamic panel's buttons, the Advisories window, the race replay and what stops running work.

#include "GuiTestSupport.h"

#include <QTest>

#include "dialogs/AdvisoriesWindow.h"
#include "model/NumberText.h"
#include "physics/Race.h"
#include "shell/SheetImage.h"
#include "shell/ShellWidgets.h"
#include "sheet/RaceTrackPainter.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "shell/WindowRefreshHooks.h"
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace zindle::test {
namespace {

std::vector<QPoint> rect(int l, int t, int r, int b)
{
    return {QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)};
}

QToolButton *button(MainWindow &w, const char *name) { return w.findChild<QToolButton *>(QLatin1String(name)); }
QLabel *label(MainWindow &w, const char *name) { return w.findChild<QLabel *>(QLatin1String(name)); }

// Shown labels of the Advisories window, top to bottom.
QStringList shownAdvisories(MainWindow &w)
{
    QStringList texts;
    for (const char *name : {"SkidAdvisoryLabel", "CarTooBigLabel", "AxleFreeLabel", "CaseFreeLabel",
                             "CoreInterfereLabel", "FloatingLabel"}) {
        QLabel *l = w.views().advisories()->label(QLatin1String(name));
        if (!l->isHidden())
            texts << l->text();
    }
    return texts;
}

TEST(ElementSize, SliderPositionsGiveTheSixSizesAndRefreshAnalyze)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPProperties();
    auto *slider = w.findChild<QSlider *>(QStringLiteral("ElementSizeSlider"));
    auto *field = w.findChild<QLineEdit *>(QStringLiteral("StepSizeEF"));
    ASSERT_TRUE(slider && field);
    EXPECT_EQ(slider->value(), 3);
    const char *sizes[] = {"72", "36", "18", "9", "4", "2"};
    for (int position : {0, 1, 2, 4, 5, 3}) {
        const size_t refreshes = refreshLog(w).size();
        slider->setValue(position);
        EXPECT_EQ(s.workspace.design.StepSize, QLatin1String(sizes[position]));
        EXPECT_EQ(field->text(), QLatin1String(sizes[position]));
        ASSERT_GT(refreshLog(w).size(), refreshes);
        EXPECT_EQ(refreshLog(w).back(), SheetMode::Analyze);
        EXPECT_EQ(s.workspace.mass.ElementSize, QString::fromLatin1(sizes[position]).toInt());
    }

    // Nothing happens while the button is held on the slider; letting go takes the size.
    slider->setSliderDown(true);
    slider->setValue(1);
    EXPECT_EQ(s.workspace.design.StepSize, QStringLiteral("9"));
    slider->setSliderDown(false);
    EXPECT_EQ(s.workspace.design.StepSize, QStringLiteral("36"));

    // The same size again does not refresh.
    const size_t refreshes = refreshLog(w).size();
    w.views().ElementSizeChanged(1);
    EXPECT_EQ(refreshLog(w).size(), refreshes);

    // Simulate goes back to 9, and the slider shows it on the way back to Analyze.
    slider->setValue(5);
    w.VPDynamic();
    EXPECT_EQ(s.workspace.design.StepSize, QStringLiteral("9"));
    EXPECT_EQ(field->text(), QStringLiteral("9"));
    EXPECT_EQ(s.workspace.mass.ElementSize, 9);
    w.VPProperties();
    EXPECT_EQ(slider->value(), 3);
}

TEST(ElementSize, EachPositionCarriesItsCaptionUnderItsTick)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1200, 800);
    w.VPProperties();
    QApplication::processEvents();
    auto *captions = w.findChild<SliderTickLabels *>(QStringLiteral("ElementSizeSliderLabels"));
    ASSERT_NE(captions, nullptr);
    ASSERT_TRUE(captions->isVisibleTo(&w));
    EXPECT_EQ(captions->captions(), QStringList({"1", "1/2", "1/4", "1/8", "1/16", "1/32"}));
    EXPECT_EQ(label(w, "MaxTorqueLabel")->text(), QStringLiteral("Max Torque (in-lb)"));

    // The ink of the painted captions falls into six groups, each centred under its tick.
    const QImage picture = captions->grab().toImage();
    const QColor background = picture.pixelColor(0, 0);
    std::vector<std::pair<int, int>> groups; // first and last inked column
    for (int x = 0; x < picture.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < picture.height() && !ink; ++y)
            ink = qGray(picture.pixel(x, y)) < qGray(background.rgb()) - 60;
        if (!ink)
            continue;
        if (groups.empty() || x - groups.back().second > 4)
            groups.emplace_back(x, x);
        else
            groups.back().second = x;
    }
    ASSERT_EQ(groups.size(), 6u);
    const auto *slider = w.findChild<QSlider *>(QStringLiteral("ElementSizeSlider"));
    for (int position = 0; position < 6; ++position) {
        const double centre = (groups[size_t(position)].first + groups[size_t(position)].second) / 2.0;
        EXPECT_NEAR(centre, captions->tickX(position), 3.0) << position;
    }
    // The ticks span the slider from end to end.
    const int left = slider->mapTo(&w, QPoint(0, 0)).x() - captions->mapTo(&w, QPoint(0, 0)).x();
    EXPECT_GT(captions->tickX(0), left);
    EXPECT_LT(captions->tickX(0), left + 20);
    EXPECT_LT(captions->tickX(5), left + slider->width());
    EXPECT_GT(captions->tickX(5), left + slider->width() - 20);
}

TEST(AnalyzePicture, GridMarkerAndNormalForceBars)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPProperties();
    const ForcePicture &f = w.views().forces;
    ASSERT_TRUE(f.NormalForceLeftShape.visible);
    ASSERT_TRUE(f.NormalForceRightShape.visible);
    EXPECT_FALSE(f.PropulsionLeftShape.visible); // propulsion is a Simulate picture
    const float M = s.workspace.forces.ForcePictureMass;
    const int expected = int(s.workspace.forces.NormalForceDriveAtRest / M * 150.0f);
    EXPECT_EQ(f.NormalForceLeftShape.rect.height(), std::abs(expected));
    EXPECT_EQ(f.NormalForceLeftShape.rect.width(), 4);
    EXPECT_TRUE(f.NFLeftLabel.text.endsWith(QStringLiteral(" lb")));
    EXPECT_EQ(f.NFLeftLabel.text.size(), 5 + 3);

    // The centroid marker's centre is white-and-green on the sheet.
    const SheetScale &sc = s.workspace.scale;
    const QImage &canvas = w.image()->canvas();
    const QPoint centre(int(s.workspace.mass.CentroidX * 72.0f * sc.ScreenScale) + sc.SheetOffsetX,
                        int(s.workspace.mass.CentroidY * 72.0f * sc.ScreenScale));
    const int r = int(15.0f * sc.ScreenScale);
    EXPECT_EQ(canvas.pixelColor(centre + QPoint(-r / 2, -r / 2)), QColor(0, 128, 0)); // upper left: green
    EXPECT_EQ(canvas.pixelColor(centre + QPoint(r / 2, -r / 2)), QColor(Qt::white));  // upper right: white
    EXPECT_EQ(canvas.pixelColor(centre + QPoint(r / 2, r / 2)), QColor(0, 128, 0));   // lower right: green
}

TEST(SimulatePanel, StepAfterTheLastFrameShowsTheEndAndDisablesStepAndToEnd)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    QToolButton *rewind = button(w, "RewindDynamicBtn");
    QToolButton *step = button(w, "StepDynamicBtn");
    QToolButton *toEnd = button(w, "ToEndDynamicBtn");
    ASSERT_TRUE(rewind && step && toEnd);
    EXPECT_FALSE(rewind->isEnabled());
    EXPECT_TRUE(step->isEnabled());
    EXPECT_EQ(label(w, "DynamicTimeLabel")->text(), QStringLiteral("0.02 sec"));

    step->click();
    EXPECT_EQ(w.SimulateStep, 2);
    EXPECT_TRUE(rewind->isEnabled());
    EXPECT_EQ(label(w, "DynamicTimeLabel")->text(), QStringLiteral("0.04 sec"));
    EXPECT_TRUE(label(w, "DynamicRevsLeftLabel")->text().endsWith(QStringLiteral(": Rear")));
    EXPECT_TRUE(w.views().forces.PropulsionLeftShape.visible);

    // Jump to just before the last frame, then step past it.
    int presses = 0;
    w.SimulateStep = int(s.workspace.simulation.LastRunTime * 50.0f) - 3;
    ASSERT_GT(w.SimulateStep, 2);
    while (step->isEnabled() && presses < 10) {
        step->click();
        ++presses;
    }
    ASSERT_FALSE(step->isEnabled());
    EXPECT_FALSE(toEnd->isEnabled());
    EXPECT_TRUE(rewind->isEnabled());
    EXPECT_TRUE(s.workspace.simulation.shownFrame.final);
    // The end picture has no propulsion.
    EXPECT_EQ(s.workspace.simulation.shownFrame.propulsionLeft, 0.0f);
    // Pressing once more does nothing.
    const int stepNow = w.SimulateStep;
    w.views().StepDynamicBtnClick();
    EXPECT_EQ(w.SimulateStep, stepNow);

    rewind->click();
    EXPECT_EQ(w.SimulateStep, 1);
    EXPECT_TRUE(step->isEnabled());
    EXPECT_TRUE(toEnd->isEnabled());
    EXPECT_FALSE(rewind->isEnabled());
    EXPECT_EQ(label(w, "DynamicTimeLabel")->text(), QStringLiteral("0.02 sec"));
}

TEST(SimulatePanel, RewindLeavesStepOffForACarTheModelCannotRun)
{
    StartedWindow s;
    MainWindow &w = s.w();
    ClearOuterShape(s.workspace.design);
    w.VPDynamic();
    ASSERT_TRUE(s.workspace.checks.cannotRun());
    button(w, "ToEndDynamicBtn")->click();
    button(w, "RewindDynamicBtn")->click();
    // The window and the command line share one rule: no body, no frames to step through.
    EXPECT_EQ(w.SimulateStep, 1);
    EXPECT_FALSE(button(w, "StepDynamicBtn")->isEnabled());
    EXPECT_FALSE(button(w, "ToEndDynamicBtn")->isEnabled());
    EXPECT_FALSE(button(w, "RewindDynamicBtn")->isEnabled());
}

TEST(SimulatePanel, EntireCycleDisablesStepAndEndsOnTheFinalPicture)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    button(w, "ToEndDynamicBtn")->click();
    EXPECT_FALSE(button(w, "StepDynamicBtn")->isEnabled());
    EXPECT_FALSE(button(w, "ToEndDynamicBtn")->isEnabled());
    EXPECT_TRUE(button(w, "RewindDynamicBtn")->isEnabled());
    EXPECT_TRUE(s.workspace.simulation.shownFrame.final);
    const QString end = text00(s.workspace.simulation.LastRunTime) + QStringLiteral(" sec");
    EXPECT_EQ(label(w, "DynamicTimeLabel")->text(), end);
    // The revised distance shows when the run fell short of the prediction.
    EXPECT_EQ(label(w, "RevisedLabel")->isHidden(), s.workspace.results.RevisedLabel.isEmpty());
    if (!s.workspace.results.RevisedLabel.isEmpty()) {
        EXPECT_TRUE(label(w, "RevisedLabel")->text().startsWith(QStringLiteral("(was ")));
    }
}

TEST(SimulatePanel, LeavingDuringTheEntireCycleStopsItCleanly)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    // Design mode is chosen while the animation plays.
    w.player().setImmediate(false);
    QTimer::singleShot(0, &w, [&w] { w.VPSet(); });
    button(w, "ToEndDynamicBtn")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.player().busy(); }, 20000));
    EXPECT_EQ(w.CurrentMode(), SheetMode::Design);
    // Nothing of the Simulate run was evaluated for a mode that is gone.
    EXPECT_FALSE(s.workspace.advisories.SkidAdvisoryLabel.visible);
    EXPECT_FALSE(w.views().forces.anyVisible());
    // The later frames were not drawn: the refresh that ran last is Design's.
    EXPECT_EQ(refreshLog(w).back(), SheetMode::Design);
}

TEST(AdvisoriesWindow, ShownUpdatedAndHiddenWithTheEvaluations)
{
    StartedWindow s;
    MainWindow &w = s.w();
    AdvisoriesWindow *window = w.views().advisories();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Advisories"));
    EXPECT_EQ(window->size(), QSize(230, 134));
    EXPECT_EQ(window->label(QStringLiteral("FloatingLabel"))->toolTip(),
              QStringLiteral("Indicates that some parts of the body are not connected to anything."));
    // The default design is well joined.
    EXPECT_FALSE(window->isVisible());

    DesignRecord &d = s.workspace.design;
    const auto refresh = [&](SheetMode mode) { mode == SheetMode::Design ? w.VPSet() : w.VPProperties(); };

    // Body clear of the case.
    const auto outer = d.OuterPts;
    const auto inner = d.InnerPts;
    d.OuterPts = rect(400, 300, 700, 530);
    d.InnerPts = rect(450, 350, 650, 520);
    refresh(SheetMode::Design);
    EXPECT_TRUE(window->isVisible());
    // Over the sheet, not over the strip's fields.
    const QRect sheetOnScreen(w.image()->mapToGlobal(QPoint(0, 0)), w.image()->size());
    EXPECT_TRUE(sheetOnScreen.contains(window->geometry()));
    EXPECT_EQ(shownAdvisories(w), (QStringList{"Spring case is not connected.", "Some parts are floating."}));

    // Inner layer apart, only the outer touching the case: updated in place.
    d.OuterPts = outer;
    d.InnerPts = rect(600, 100, 700, 200);
    refresh(SheetMode::Analyze);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownAdvisories(w), QStringList{"Some parts are floating."});

    // Front axle in open air.
    d.OuterPts = rect(0, 300, 400, 540);
    d.InnerPts.clear();
    refresh(SheetMode::Design);
    EXPECT_EQ(shownAdvisories(w), QStringList{"Front axle not connected."});

    // Closed by the user, shown again by the next evaluation that finds something.
    window->close();
    EXPECT_FALSE(window->isVisible());
    refresh(SheetMode::Design);
    EXPECT_TRUE(window->isVisible());
    // Race leaves the window as it is.
    d.OuterPts = outer;
    d.InnerPts = inner;
    window->close();
    w.views().raceIntervalOverride = 1;
    w.VPRace();
    EXPECT_FALSE(window->isVisible());

    // Fixed: nothing to report hides the window.
    refresh(SheetMode::Design);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(shownAdvisories(w).isEmpty());
}

TEST(AdvisoriesWindow, PaperEdgeAndSkidFollowTheirModes)
{
    StartedWindow s;
    MainWindow &w = s.w();
    AdvisoryState state;
    EvaluateAdvisories(state, OverlapFacts{false, true, false, true, false, false, true, false, false, true},
                       DriveKind::RearWD, QStringLiteral("7.5"), SheetMode::Simulate, true);
    w.views().advisories()->sync(state);
    EXPECT_EQ(shownAdvisories(w), QStringList{"Skid advisory."});
    EvaluateAdvisories(state, OverlapFacts{false, true, false, true, false, false, true, false, false, true},
                       DriveKind::RearWD, QStringLiteral("7.51"), SheetMode::Analyze, true);
    w.views().advisories()->sync(state);
    EXPECT_EQ(shownAdvisories(w), QStringList{"Car overlaps paper edge."});

    // A skidding design in Simulate, then Analyze: the skid line goes away.
    w.VPDynamic();
    if (s.workspace.forces.SkidOccurred) {
        EXPECT_TRUE(shownAdvisories(w).contains(QStringLiteral("Skid advisory.")));
        w.VPProperties();
        EXPECT_FALSE(shownAdvisories(w).contains(QStringLiteral("Skid advisory.")));
    }
}

TEST(AdvisoriesWindow, ACarThatCannotRunSaysWhyAndShowsNoRun)
{
    StartedWindow s;
    MainWindow &w = s.w();
    AdvisoriesWindow *window = w.views().advisories();
    const QStringList names{"NoBodyLabel", "NotNumberLabel", "NoRevolutionsLabel", "TooLightLabel",
                            "AxlesTooCloseLabel"};
    for (const QString &name : names) {
        ASSERT_NE(window->label(name), nullptr) << name.toStdString();
        EXPECT_TRUE(window->label(name)->toolTip().startsWith("Indicates that ")) << name.toStdString();
    }
    // The labels above the building advisories.
    QLayout *column = window->layout();
    EXPECT_LT(column->indexOf(window->label("AxlesTooCloseLabel")), column->indexOf(window->label("SkidAdvisoryLabel")));

    // A negative weight that outweighs the car, in Simulate.
    s.workspace.design.Weights[0] = WeightSlot{400, 300, -1.0f, {}};
    w.VPDynamic();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->label("TooLightLabel")->isHidden());
    EXPECT_EQ(window->label("TooLightLabel")->text(), "Car weighs less than 0.01 lb.");
    EXPECT_TRUE(window->label("SkidAdvisoryLabel")->isHidden());
    for (const char *field : {"TimeEF", "TopSpeedEF"})
        EXPECT_TRUE(w.findChild<QLineEdit *>(QLatin1String(field))->text().isEmpty()) << field;
    EXPECT_TRUE(s.workspace.results.TrueCentroidEF.isEmpty());
    EXPECT_FALSE(w.findChild<QLineEdit *>(QStringLiteral("ProjectedMassEF"))->text().isEmpty());
    EXPECT_FALSE(button(w, "StepDynamicBtn")->isEnabled());
    EXPECT_FALSE(w.views().forces.anyVisible());

    // Many lines at once: the window grows rather than cutting the last ones off.
    AdvisoryState state;
    for (AdvisoryLabel *label : {&state.NoBodyLabel, &state.NotNumberLabel, &state.NoRevolutionsLabel,
                                 &state.AxlesTooCloseLabel, &state.CarTooBigLabel, &state.CoreInterfereLabel}) {
        label->caption = QStringLiteral("Not numbers: Spring width, Spring length, Friction force.");
        label->visible = true;
    }
    state.windowVisible = true;
    window->sync(state);
    EXPECT_EQ(window->width(), 230);
    EXPECT_GT(window->height(), 134);
    state = AdvisoryState{};
    window->sync(state);
    EXPECT_EQ(window->size(), QSize(230, 134));
}

TEST(RaceView, SameTickCrossingsArePlacedInLaneOrder)
{
    StartedWindow s;
    MainWindow &w = s.w();
    Workspace &ws = s.workspace;
    ASSERT_GE(ws.list.DesignCount(), 5);
    // Lanes 0 and 1 cross 15 ft within the same tick (0.05 s to 0.10 s); lane 1 first.
    for (int lane : {0, 1}) {
        RaceTrace &trace = ws.list.traces[size_t(lane)];
        trace = RaceTrace{};
        for (int i = 0; i <= 20; ++i)
            trace.DistanceTrace[size_t(i)] = i * (lane == 1 ? 2.0f : 1.6f);
        ws.list.entries[size_t(lane)].DesignSimulated = true;
    }
    w.DesignListClick(4);
    w.views().raceIntervalOverride = 1;
    w.VPRace();
    ASSERT_TRUE(ws.race.raceOver);
    EXPECT_EQ(ws.race.lanes[0].RacePlace, 1);
    EXPECT_EQ(ws.race.lanes[1].RacePlace, 2);
    EXPECT_EQ(ws.race.lanes[0].RaceClock, 10); // 16 ft at 0.10 s
    EXPECT_EQ(ws.race.lanes[1].RaceClock, 8);  // 16 ft at 0.08 s
    EXPECT_EQ(raceResultText(ws.race.lanes[0]), QStringLiteral("15 ft in 0.10 sec - 1st place"));
    EXPECT_EQ(raceResultText(ws.race.lanes[1]), QStringLiteral("15 ft in 0.08 sec - 2nd place"));
    EXPECT_FALSE(w.views().raceRunning());
    EXPECT_FALSE(w.player().busy());
}

TEST(RaceView, SpeedSliderSetsTheTimerAndAModeChangeStopsTheRace)
{
    StartedWindow s;
    MainWindow &w = s.w();
    auto *slider = w.findChild<QSlider *>(QStringLiteral("RaceSlider"));
    auto *speed = w.findChild<QLabel *>(QStringLiteral("RaceSpeedLabel"));
    slider->setValue(0);
    EXPECT_EQ(w.views().raceInterval(), 200);
    EXPECT_EQ(speed->text(), QStringLiteral("0.25x"));
    slider->setValue(2);
    EXPECT_EQ(w.views().raceInterval(), 50);
    EXPECT_EQ(speed->text(), QStringLiteral("1x"));
    slider->setValue(1);
    EXPECT_EQ(w.views().raceInterval(), 100);

    // The race is run when Race is entered and played afterwards; a mode change during the
    // replay ends it at once, without the results on the sheet.
    w.player().setImmediate(false);
    w.VPRace();
    EXPECT_TRUE(s.workspace.race.raceOver);
    QTest::qWait(250);
    EXPECT_TRUE(w.views().raceRunning());
    w.VPSet();
    EXPECT_EQ(w.CurrentMode(), SheetMode::Design);
    EXPECT_FALSE(w.views().raceRunning());
    EXPECT_FALSE(w.player().busy());
}

// Pixels of the force picture's colours on the sheet.
int forceInk(const QImage &sheet)
{
    int n = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QColor c = sheet.pixelColor(x, y);
            // The bars are pure red, blue and dark green.
            n += c == QColor(Qt::red) || c == QColor(Qt::blue) || c == QColor(0, 128, 0);
        }
    return n;
}

TEST(ForcePicture, LeavingSimulateOrAnalyzeTakesTheForcesOffTheSheet)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.DesignListClick(1);
    for (void (MainWindow::*enter)() : {&MainWindow::VPDynamic, &MainWindow::VPProperties}) {
        (w.*enter)();
        const QImage under = w.views().base.copy();
        ASSERT_FALSE(under.isNull());
        ASSERT_NE(w.image()->canvas(), under); // the bars are on the sheet
        // Print Templates leaves the sheet as it was, but without the force picture.
        w.VPPrint();
        EXPECT_EQ(w.image()->canvas(), under);
        EXPECT_FALSE(w.views().forces.anyVisible());
        EXPECT_EQ(forceInk(w.image()->canvas()), forceInk(under));
        w.paperPrototype()->hide();
    }
}

TEST(RaceView, LanesCarryTheNamesTheDesignListShows)
{
    QTemporaryDir dir;
    StartedWindow s;
    MainWindow &w = s.w();
    Workspace &ws = s.workspace;
    // The Racer saved as "Blue Comet": the file holds the name "Racer", the list the new one.
    w.DesignListClick(1);
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Blue Comet.zndl"))};
    w.SaveBtnClick();
    ASSERT_EQ(ws.list.DesignCount(), 6);
    w.DesignListClick(5);
    ASSERT_EQ(ws.list.CurrentDesign, 5);
    EXPECT_EQ(ws.list.entries[5].DesignName, QStringLiteral("Racer"));
    EXPECT_EQ(ws.list.items[5], QStringLiteral("Blue Comet"));
    w.VPDynamic();
    w.DesignListClick(1);
    w.views().raceIntervalOverride = 1;
    w.VPRace();
    ASSERT_TRUE(ws.race.raceOver);

    // The lane names are the list's items: the same picture as a list whose stored name is
    // "Blue Comet" too, and not the one of a list that shows "Racer" twice.
    const RaceGeometry geometry = raceGeometry(ws);
    std::vector<RaceBar> bars(2);
    bars[0].lane = 1;
    bars[1].lane = 5;
    const auto names = [&](const DesignList &list) {
        QImage picture(w.image()->canvas().size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        PaintLaneNames(painter, bars, list, geometry, true);
        return picture;
    };
    DesignList stored = ws.list;
    stored.entries[5].DesignName = QStringLiteral("Blue Comet");
    DesignList twice = ws.list;
    twice.items[5] = QStringLiteral("Racer");
    EXPECT_EQ(names(ws.list), names(stored));
    EXPECT_NE(names(ws.list), names(twice));
}

} // namespace
} // namespace zindle::test
