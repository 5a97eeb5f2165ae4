#include "SimulatePanel.h"

#include "ClickLabel.h"
#include "MainWindow.h"
#include "ResultFieldsView.h"
#include "ShellWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace zindle {

SimulatePanel::SimulatePanel(MainWindow &window, ResultFieldsView &results, std::vector<QWidget *> &forceWidgets,
                             QWidget *parent)
    : ModePanel(parent), forceWidgets_(forceWidgets)
{
    setObjectName(QStringLiteral("DynamicStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    results.addField(this, grid, 0, 0, QStringLiteral("Time to 15 ft (sec)"), QStringLiteral("/help/h-timeto15feet.html"),
                     QStringLiteral("TimeEF"), QStringLiteral("TimeLabel"));
    results.addField(this, grid, 1, 0, QStringLiteral("Top speed (ft/sec)"), QStringLiteral("/help/h-speedat15feet.html"),
                     QStringLiteral("TopSpeedEF"), QStringLiteral("TopSpeedLabel"));
    results.addField(this, grid, 0, 2, QStringLiteral("Distance (ft)"), QStringLiteral("/help/h-projecteddistance.html"),
                     QStringLiteral("PoweredDistanceEF"), QStringLiteral("PoweredDistanceLabel"));
    row->addLayout(grid);
    dynamicPanel_ = new QWidget(this);
    dynamicPanel_->setObjectName(QStringLiteral("DynamicPanel"));
    auto *dyn = new QGridLayout(dynamicPanel_);
    struct Live {
        const char *name, *text, *path;
    };
    const Live live[] = {
        {"DynamicTimeLabel", "Time", "/help/h-elapsedtime.html"},
        {"DynamicDistanceLabel", "Distance", "/help/h-elapseddistance.html"},
        {"DynamicRevsLeftLabel", "Revs (left)", "/help/h-elapsedrevsleft.html"},
        {"DynamicRevsRightLabel", "Revs (right)", "/help/h-elapsedrevsright.html"},
    };
    int c = 0;
    for (const Live &l : live) {
        ClickLabel *label = helpCaption(QLatin1String(l.text), QLatin1String(l.path), window.help(), dynamicPanel_);
        label->setObjectName(QLatin1String(l.name));
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: #0000aa;"));
        dyn->addWidget(label, 0, c);
        dyn->addWidget(new QLabel(QStringLiteral("0"), dynamicPanel_), 1, c);
        ++c;
    }
    row->addWidget(dynamicPanel_);
    dynamicLabel_ = new QLabel(QString(), this);
    dynamicLabel_->setObjectName(QStringLiteral("DynamicLabel"));
    row->addWidget(dynamicLabel_);
    row->addStretch();
}

void SimulatePanel::enter()
{
    show();
    dynamicPanel_->show();
    dynamicLabel_->show();
    for (QWidget *w : forceWidgets_) {
        w->resize(0, 0);
        w->show();
    }
}

void SimulatePanel::leave()
{
    hide();
    dynamicPanel_->hide();
    dynamicLabel_->hide();
    for (QWidget *w : forceWidgets_)
        w->hide();
}

} // namespace zindle
