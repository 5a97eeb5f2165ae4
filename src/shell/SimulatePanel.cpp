// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatePanel.h"

#include "dialogs/ClickLabel.h"
#include "MainWindow.h"
#include "ResultFieldsView.h"
#include "ShellWidgets.h"
#include "ChartViews.h"
#include "WindowRefreshHooks.h"
#include "app/Workspace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace zindle {

SimulatePanel::SimulatePanel(MainWindow &window, ResultFieldsView &results, std::vector<QWidget *> &forceWidgets,
                             QWidget *parent)
    : ModePanel(parent), forceWidgets_(forceWidgets)
{
    setObjectName(QStringLiteral("DynamicStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    results.addField(this, grid, 0, 0, QStringLiteral("TimeEF"), QStringLiteral("TimeLabel"));
    results.addField(this, grid, 1, 0, QStringLiteral("TopSpeedEF"), QStringLiteral("TopSpeedLabel"));
    results.addField(this, grid, 0, 2, QStringLiteral("PoweredDistanceEF"), QStringLiteral("PoweredDistanceLabel"));
    revisedLabel_ = new QLabel(QString(), this);
    revisedLabel_->setObjectName(QStringLiteral("RevisedLabel"));
    revisedLabel_->hide();
    grid->addWidget(revisedLabel_, 1, 3);
    row->addLayout(grid);

    dynamicPanel_ = new QWidget(this);
    dynamicPanel_->setObjectName(QStringLiteral("DynamicPanel"));
    auto *dyn = new QGridLayout(dynamicPanel_);
    dyn->setContentsMargins(4, 0, 4, 0);
    const auto button = [&](const char *name, const char *hint, QStyle::StandardPixmap icon, int column,
                            void (PhysicsViews::*click)()) {
        auto *b = new QToolButton(dynamicPanel_);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tr(hint));
        // An icon alone says nothing to a screen reader.
        b->setAccessibleName(tr(hint));
        b->setIcon(style()->standardIcon(icon));
        connect(b, &QToolButton::clicked, this, [&window, click] { (window.views().*click)(); });
        dyn->addWidget(b, 0, column, 4, 1);
        return b;
    };
    rewind_ = button("RewindDynamicBtn", QT_TR_NOOP("Wind up the spring"), QStyle::SP_MediaSkipBackward, 0,
                     &PhysicsViews::RewindDynamicBtnClick);
    step_ = button("StepDynamicBtn", QT_TR_NOOP("Step forward in time"), QStyle::SP_MediaSeekForward, 1,
                   &PhysicsViews::StepDynamicBtnClick);
    toEnd_ = button("ToEndDynamicBtn", QT_TR_NOOP("View the entire cycle"), QStyle::SP_MediaSkipForward, 2,
                    &PhysicsViews::ToEndDynamicBtnClick);
    rewind_->setEnabled(false);
    struct Live {
        const char *caption, *name, *text, *path;
        QLabel **value;
        const char *widest; // the widest text a usual run gives it
    };
    const Live live[] = {
        {"DynamicTimeCaption", "DynamicTimeLabel", QT_TR_NOOP("Time"), "/help/h-elapsedtime.html", &time_, "100.00 sec"},
        {"DynamicDistanceCaption", "DynamicDistanceLabel", QT_TR_NOOP("Distance"), "/help/h-elapseddistance.html", &distance_,
         "-99.99 of 999.99 ft"},
        {"DynamicRevsLeftCaption", "DynamicRevsLeftLabel", QT_TR_NOOP("Revs (left)"), "/help/h-elapsedrevsleft.html", &revsLeft_,
         "Rev 999.9 of 999.9: Rear"},
        {"DynamicRevsRightCaption", "DynamicRevsRightLabel", QT_TR_NOOP("Revs (right)"), "/help/h-elapsedrevsright.html",
         &revsRight_, "Rev 999.9 of 999.9: Front"},
    };
    liveGrid_ = dyn;
    int c = 0;
    for (const Live &l : live) {
        ClickLabel *label = helpCaption(tr(l.text), QLatin1String(l.path), window.help(), dynamicPanel_);
        label->setObjectName(QLatin1String(l.caption));
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: #0000aa;"));
        liveCaptions_[static_cast<size_t>(c)] = label;
        auto *value = new QLabel(QString(), dynamicPanel_);
        value->setObjectName(QLatin1String(l.name));
        // A width of its own that every frame's text fits: labels sized by their text cut the
        // longer ones off and move the strip a few pixels at every change.
        value->setFixedWidth(std::max(110, value->fontMetrics().horizontalAdvance(QLatin1String(l.widest)) + 6));
        liveValues_[static_cast<size_t>(c)] = value;
        *l.value = value;
        ++c;
    }
    placeLiveLabels(false);
    row->addWidget(dynamicPanel_);
    dynamicLabel_ = new QLabel(QString(), this);
    dynamicLabel_->setObjectName(QStringLiteral("DynamicLabel"));
    row->addWidget(dynamicLabel_);
    charts_ = new QPushButton(tr("Run Charts"), this);
    charts_->setObjectName(QStringLiteral("RunChartsBtn"));
    charts_->setToolTip(tr("Distance, speed, and propulsion against traction over the whole run (Ctrl+R)"));
    connect(charts_, &QPushButton::clicked, this, [&window] { window.charts().ShowRunCharts(); });
    row->addWidget(charts_, 0, Qt::AlignVCenter);
    row->addStretch();
}

void SimulatePanel::resizeEvent(QResizeEvent *event)
{
    ModePanel::resizeEvent(event);
    // A narrow strip needs all its room for the running labels; the menu and Ctrl+R remain.
    charts_->setVisible(width() >= WidthForChartsButton);
    placeLiveLabels(width() < WidthForChartsButton);
}

void SimulatePanel::placeLiveLabels(bool twoRows)
{
    if (twoRows == liveInTwoRows_ && liveGrid_->indexOf(liveCaptions_[0]) >= 0)
        return;
    liveInTwoRows_ = twoRows;
    for (size_t i = 0; i < liveCaptions_.size(); ++i) {
        const int column = 3 + static_cast<int>(twoRows ? i % 2 : i);
        const int row = twoRows ? 2 * static_cast<int>(i / 2) : 0;
        liveGrid_->removeWidget(liveCaptions_[i]);
        liveGrid_->removeWidget(liveValues_[i]);
        liveGrid_->addWidget(liveCaptions_[i], row, column);
        liveGrid_->addWidget(liveValues_[i], row + 1, column);
    }
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

void SimulatePanel::showFrame(const SimulationFrame &frame)
{
    time_->setText(frame.DynamicTimeLabel);
    distance_->setText(frame.DynamicDistanceLabel);
    revsLeft_->setText(frame.DynamicRevsLeftLabel);
    revsRight_->setText(frame.DynamicRevsRightLabel);
}

void SimulatePanel::sync(const Workspace &workspace)
{
    const SimulationState &state = workspace.simulation;
    rewind_->setEnabled(state.RewindEnabled);
    step_->setEnabled(state.StepEnabled);
    toEnd_->setEnabled(state.ToEndEnabled);
    if (state.frameShown)
        showFrame(state.shownFrame);
    revisedLabel_->setText(workspace.results.RevisedLabel);
    revisedLabel_->setVisible(!workspace.results.RevisedLabel.isEmpty());
}

} // namespace zindle
