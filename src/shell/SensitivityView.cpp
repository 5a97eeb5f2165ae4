// SPDX-License-Identifier: GPL-3.0-or-later
#include "SensitivityView.h"

#include "MainWindow.h"
#include "DesignKey.h"
#include "app/Sensitivity.h"
#include "charts/SensitivityChart.h"
#include "dialogs/ChartWindow.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SensitivityView)
};

} // namespace

void SensitivityView::ShowSensitivity()
{
    if (!chart_) {
        chart_ = new ChartWindow(Texts::tr("Sensitivity"), window_.prompter(), &window_);
        chart_->setObjectName(QStringLiteral("SensitivityWin"));
        chart_->resize(640, 600);
        chart_->showText(Texts::tr("Working out which change matters most..."));
    }
    chart_->show();
    chart_->raise();
    shownKey_.clear();
    follow();
}

void SensitivityView::follow()
{
    if (!chart_ || !chart_->isVisible())
        return;
    const Workspace &ws = window_.workspace();
    if (ws.list.CurrentDesign < 0 || ws.list.CurrentDesign >= ws.list.DesignCount())
        return;
    if (currentDesignKey(ws) == shownKey_)
        return;
    if (watch_.watching()) {
        again_ = true; // one computation at a time; the newest state follows it
        return;
    }
    start();
}

void SensitivityView::start()
{
    const Workspace &ws = window_.workspace();
    runningKey_ = currentDesignKey(ws);
    again_ = false;
    // The copy is taken here, on the window's thread; the inputs' runs are handed out from the
    // worker, which waits for them without holding the window.
    auto copy = std::make_shared<const Workspace>(ws);
    const QString name = ws.list.shownName(ws.list.CurrentDesign);
    WorkerPool &workers = window_.workers();
    watch_.watch(workers.run([copy, &workers] { return ComputeSensitivity(workers, *copy); }),
                 [this, name](std::future<SensitivityResult> &done) {
                     const SensitivityResult result = done.get();
                     const QByteArray key = runningKey_;
                     // A result of a design no longer shown is never drawn under its name.
                     if (!again_ && key == currentDesignKey(window_.workspace())) {
                         shownKey_ = key;
                         show(result, name);
                     } else if (chart_->isVisible()) {
                         start();
                     }
                 });
}

void SensitivityView::show(const SensitivityResult &result, const QString &name)
{
    if (!result.message.isEmpty()) {
        chart_->showText(result.message);
        return;
    }
    SensitivityChartOptions options;
    options.designName = name;
    chart_->showChart(name, [result, options](QPainter &painter, const QRectF &area) {
        paintSensitivityChart(painter, area, result, options);
    });
    chart_->setCaption(ShownLargestEffectSentence(result));
}

} // namespace zindle
