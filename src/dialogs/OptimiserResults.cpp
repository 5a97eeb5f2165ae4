// SPDX-License-Identifier: GPL-3.0-or-later
// What the optimiser dialog shows when a search ends, the best designs and the map, and how a
// chosen design goes to the window.
#include "OptimiserDialog.h"

#include "OptimiserMapView.h"
#include "app/Workspace.h"
#include "model/NumberText.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

bool inPounds(const OptimiserParameter &parameter) { return parameter.name.endsWith(QLatin1String("-mass")); }

const char *const DriveCaptions[] = {QT_TRANSLATE_NOOP("OptimiserDialog", "rear"),
                                     QT_TRANSLATE_NOOP("OptimiserDialog", "front"),
                                     QT_TRANSLATE_NOOP("OptimiserDialog", "all")};

// As the sizes are measured: a hundredth of an inch, a thousandth of a pound; a choice in words.
QString valueText(const OptimiserParameter &parameter, double value)
{
    if (!parameter.isChoice())
        return QString::number(value, 'f', inPounds(parameter) ? 3 : 2);
    const long index = std::lround(value);
    if (parameter.name == QLatin1String("drive") && index >= 0 && index < static_cast<long>(parameter.choices.size()))
        return OptimiserDialog::tr(DriveCaptions[parameter.choices[static_cast<size_t>(index)].code]);
    return parameter.choiceWord(value);
}

QString columnTitle(const OptimiserParameter &parameter)
{
    if (parameter.isChoice())
        return OptimiserDialog::sizeCaption(parameter.name);
    return (inPounds(parameter) ? OptimiserDialog::tr("%1 (lb)") : OptimiserDialog::tr("%1 (in)"))
        .arg(OptimiserDialog::sizeCaption(parameter.name));
}

// Entering Simulate puts the element size back to the one the run used: no change of the student's.
DesignSnapshot withoutStepSize(DesignSnapshot snapshot)
{
    snapshot.design.StepSize.clear();
    return snapshot;
}

} // namespace

QString OptimiserDialog::sizeCaption(const QString &name)
{
    static const std::pair<const char *, const char *> captions[] = {
        {"spring-length", QT_TR_NOOP("spring length")}, {"spring-width", QT_TR_NOOP("spring width")},
        {"drive-wheel", QT_TR_NOOP("drive wheel")},     {"other-wheel", QT_TR_NOOP("other wheel")},
        {"drive-axle", QT_TR_NOOP("drive axle")},       {"other-axle", QT_TR_NOOP("other axle")},
        {"front-axle-x", QT_TR_NOOP("front axle place")},
        {"drive", QT_TR_NOOP("drive")},                 {"spring-material", QT_TR_NOOP("spring material")},
        {"tread-material", QT_TR_NOOP("tread material")}, {"outer-material", QT_TR_NOOP("outer body material")},
        {"inner-material", QT_TR_NOOP("inner body material")},
        {"drive-wheel-material", QT_TR_NOOP("drive wheel material")},
        {"other-wheel-material", QT_TR_NOOP("other wheel material")},
    };
    for (const auto &[key, caption] : captions)
        if (name == QLatin1String(key))
            return tr(caption);
    static const QRegularExpression weight(QStringLiteral("^weight([0-9]+)-(mass|x)$"));
    const QRegularExpressionMatch match = weight.match(name);
    if (!match.hasMatch())
        return name;
    return match.captured(2) == QLatin1String("mass") ? tr("weight %1 mass").arg(match.captured(1))
                                                      : tr("weight %1 place").arg(match.captured(1));
}

void OptimiserDialog::showBest()
{
    best_->clear();
    best_->setRowCount(0);
    QStringList headers{tr("Rank")};
    for (const OptimiserParameter &parameter : parameters_)
        headers << columnTitle(parameter);
    headers << tr("Time (s)") << tr("Distance (ft)") << tr("What differs from your design");
    best_->setColumnCount(static_cast<int>(headers.size()));
    best_->setHorizontalHeaderLabels(headers);
    best_->setRowCount(static_cast<int>(result_.best.size()));
    for (int row = 0; row < best_->rowCount(); ++row) {
        const OptimiserDesign &design = result_.best[static_cast<size_t>(row)];
        int column = 0;
        const auto put = [&](const QString &text) { best_->setItem(row, column++, new QTableWidgetItem(text)); };
        put(QString::number(row + 1));
        QStringList changes;
        for (size_t p = 0; p < parameters_.size(); ++p) {
            const OptimiserParameter &parameter = parameters_[p];
            const QString was = valueText(parameter, studentValues_[p]), now = valueText(parameter, design.values[p]);
            put(now);
            if (was == now)
                continue;
            if (parameter.isChoice())
                changes << tr("%1 %2 → %3").arg(sizeCaption(parameter.name), was, now);
            else
                changes << (inPounds(parameter) ? tr("%1 %2 → %3 lb") : tr("%1 %2 → %3 in"))
                               .arg(sizeCaption(parameter.name), was, now);
        }
        const std::optional<double> time = design.timeTo15Ft ? parseDouble(design.time) : std::nullopt;
        put(time ? QString::number(*time, 'f', 2) : tr("short of 15 ft"));
        put(QString::number(design.distanceFt, 'f', 1));
        put(changes.isEmpty() ? tr("the same as your design") : changes.join(QStringLiteral("; ")));
    }
    best_->resizeColumnsToContents();
    best_->horizontalHeader()->setStretchLastSection(true);
    // All five in view, whatever room the map leaves.
    const int rows = std::max(1, best_->rowCount());
    best_->setMinimumHeight(best_->horizontalHeader()->sizeHint().height() + rows * best_->verticalHeader()->defaultSectionSize()
                            + 2 * best_->frameWidth());
    if (best_->rowCount() > 0)
        best_->selectRow(0);
    apply_->setEnabled(best_->rowCount() > 0);
}

void OptimiserDialog::showMap()
{
    // A choice has no axis: the map's are the first two sizes.
    std::vector<size_t> sizes;
    for (size_t p = 0; p < parameters_.size(); ++p)
        if (!parameters_[p].isChoice())
            sizes.push_back(p);
    if (sizes.size() < 2 || result_.tried.empty()) {
        map_->clear();
        map_->hide();
        mapNote_->setText(sizes.size() < 2 && !result_.tried.empty() ? tr("The design map needs two sizes varied.")
                                                                     : QString());
        mapNote_->setVisible(!mapNote_->text().isEmpty());
        return;
    }
    // About four designs tried to a cell of the global phase's share, within what a student can
    // still tell apart.
    const int cells = std::clamp(static_cast<int>(std::lround(std::sqrt(double(result_.tried.size()) / 4.0))), 6, 24);
    const OptimiserParameter &across = parameters_[sizes[0]], &up = parameters_[sizes[1]];
    OptimiserMap map = MakeOptimiserMap(result_, parameters_, static_cast<int>(sizes[0]), static_cast<int>(sizes[1]), cells);
    map.grid.xTitle = columnTitle(across);
    map.grid.yTitle = columnTitle(up);
    map.grid.title = tr("%1: time to 15 ft of the designs tried").arg(workspace_.list.shownName(searchedSlot_));
    QStringList note;
    if (parameters_.size() > 2)
        note << tr("The map shows the first two sizes varied, %1 and %2; the others varied too.")
                    .arg(sizeCaption(across.name), sizeCaption(up.name));
    note << tr("Dots: designs sampled. Lines: each local search, to the best design it found. Ring: your design.");
    mapNote_->setText(note.join(QLatin1Char(' ')));
    mapNote_->show();
    map_->showMap(std::move(map));
    map_->show();
}

bool OptimiserDialog::designStillSearched() const
{
    if (workspace_.list.CurrentDesign != searchedSlot_)
        return false;
    const DesignSnapshot now = withoutStepSize(takeSnapshot(workspace_));
    return sameDesign(now, withoutStepSize(searched_)) || sameDesign(now, withoutStepSize(applied_));
}

bool OptimiserDialog::ApplyClick()
{
    const QList<QTableWidgetItem *> chosen = best_->selectedItems();
    if (searching() || chosen.isEmpty() || !applyDesign)
        return false;
    const size_t row = static_cast<size_t>(chosen.front()->row());
    if (row >= result_.best.size())
        return false;
    // Sizes chosen for the design as it was at Start would land on something else.
    if (!designStillSearched()) {
        status_->setText(tr("The design changed since the search; start it again to apply one of its designs."));
        return false;
    }
    if (!applyDesign(parameters_, result_.best[row])) {
        status_->setText(tr("The design is being edited; finish that first."));
        return false;
    }
    applied_ = takeSnapshot(workspace_);
    return true;
}

} // namespace zindle
