// SPDX-License-Identifier: GPL-3.0-or-later
// The Power Designer in the window: the time from pressing GO to the results shown (best fields,
// design map painted, the window showing Simulate for the combination held), for the 50 x 50
// sweep of the Default Design over drive wheel 4 to 7.5 and spring length 24 to 48, on the worker
// thread and one by one ("Show every combination"). Prints each run and the medians.
//
//   QT_QPA_PLATFORM=offscreen build/bench/zindle_window_sweep_bench [threaded runs] [one-by-one runs]

#include "shell/GuiTestSupport.h"

#include "dialogs/PowerDesignerDialog.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zindle;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// One sweep from GO to the results painted, in milliseconds.
double timeSweep(MainWindow &w, PowerDesignerDialog *pd, bool watched)
{
    pd->showEveryCombination()->setChecked(watched);
    QEventLoop loop;
    QObject::connect(pd, &PowerDesignerDialog::sweepEnded, &loop, &QEventLoop::quit);
    // How long the window's thread goes without handling its events: a timer that would tick
    // every 5 ms records the longest gap between its ticks.
    QTimer ticker;
    ticker.setInterval(5);
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    QElapsedTimer clock;
    clock.start();
    pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"))->click();
    const double goMs = double(clock.nsecsElapsed()) / 1e6; // the press itself, on the window's thread
    sinceTick.start();
    ticker.start();
    if (pd->sweeping())
        loop.exec();
    ticker.stop();
    // What the sweep left to draw: the dialog's fields and map, the window's sheet.
    QApplication::processEvents();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    std::printf("%s: %.0f ms, %d combinations, best %s", watched ? "one by one" : "threaded", ms,
                pd->lastOutcome().combinations, qPrintable(pd->field(QStringLiteral("BestYet"))->text()));
    if (watched)
        std::printf("\n");
    else
        std::printf("; GO itself %.1f ms, then the window's events waited %lld ms at most\n", goMs, longestGap);
    // Back to the design as it was, so that every run starts alike.
    w.Undo();
    QApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int threadedRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const int watchedRuns = argc > 2 ? std::max(0, std::atoi(argv[2])) : 3;

    test::StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    w.show();
    QApplication::processEvents();
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    PowerDesignerDialog *pd = w.views().powerDesigner();
    const std::pair<const char *, const char *> fields[] = {
        {"DWFromEF", "4"},  {"DWToEF", "7.5"}, {"DWStepEF", "0.0715"}, {"SLFromEF", "24"},  {"SLToEF", "48"},
        {"SLStepEF", "0.49"}, {"SWFromEF", "1.5"}, {"SWToEF", "1.5"},  {"SWStepEF", "1.5"},
    };
    for (const auto &[name, text] : fields)
        pd->field(QLatin1String(name))->setText(QLatin1String(text));
    w.VPDynamic();
    QApplication::processEvents();

    std::vector<double> threaded, watched;
    for (int i = 0; i < threadedRuns; ++i)
        threaded.push_back(timeSweep(w, pd, false));
    for (int i = 0; i < watchedRuns; ++i)
        watched.push_back(timeSweep(w, pd, true));
    const double t = median(threaded), o = median(watched);
    std::printf("median threaded: %.0f ms (%d runs)\n", t, threadedRuns);
    if (watchedRuns > 0)
        std::printf("median one by one: %.0f ms (%d runs), %.2f ms per combination; ratio %.1f\n", o, watchedRuns,
                    o / 2500.0, o / t);
    return 0;
}
