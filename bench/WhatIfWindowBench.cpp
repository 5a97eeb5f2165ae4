// SPDX-License-Identifier: GPL-3.0-or-later
// A What if slider move in the window, from the move to the charts drawn with the new run (the
// copy, the run on a worker, the hand-back and the painting at the window's chart size), over
// 200 moves along the spring length and the drive wheel. Beside it, in the same run, the whole
// Simulate refresh of the same design, the figure the move is compared with.
//
// A plain program: it times the window's event loop, which Google Benchmark's loop does not fit.

#include "app/RefreshChain.h"
#include "dialogs/WhatIfWindow.h"
#include "shell/GuiTestSupport.h"
#include "shell/WhatIfView.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace zindle;

namespace {

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const size_t rank = static_cast<size_t>(std::ceil(share * static_cast<double>(values.size()))) - 1;
    return values[std::min(rank, values.size() - 1)];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(20, std::atoi(argv[1])) : 200;

    test::StartedWindow s;
    MainWindow &w = s.w();
    w.action(QStringLiteral("WhatIfPos"))->trigger();
    WhatIfWindow *whatIf = w.whatIf().whatIf();
    const auto settle = [&] { (void)QTest::qWaitFor([&] { return !whatIf->computing() && whatIf->shownRun(); }, 20000); };
    settle();
    const QSize chartSize(540, 520);

    std::vector<double> moveMs;
    for (int i = 0; i < moves; ++i) {
        const WhatIfKnob knob = i % 2 == 0 ? WhatIfKnob::SpringLength : WhatIfKnob::DriveWheel;
        const WhatIfRange range = whatIfRange(s.workspace.design, knob, -1);
        QElapsedTimer clock;
        clock.start();
        whatIf->moveKnob(knob, (i * 7) % (range.steps + 1), false);
        settle();
        const QImage picture = whatIf->picture(chartSize);
        moveMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (picture.isNull())
            return 1;
    }
    std::vector<double> refreshMs;
    for (int i = 0; i < moves; ++i) {
        Workspace copy = s.workspace;
        QElapsedTimer clock;
        clock.start();
        PrepareEntireCycle(copy);
        RefreshPhysicsMode(copy, SheetMode::Simulate);
        refreshMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const double median = percentile(moveMs, 0.5), p95 = percentile(moveMs, 0.95);
    const double reference = percentile(refreshMs, 0.5);
    std::printf("slider move to charts drawn: median %.2f ms, 95th percentile %.2f ms (%d moves)\n", median, p95, moves);
    std::printf("Simulate refresh of the same design: median %.2f ms; move/refresh ratio %.2f\n", reference,
                median / reference);
    return 0;
}
