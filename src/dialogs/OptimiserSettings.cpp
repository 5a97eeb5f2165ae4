// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser dialog's settings: the sizes of the design to vary, with their ranges, and the
// goal, constraints, seed and budget, read into what RunOptimiser takes.
#include "OptimiserDialog.h"

#include "app/Workspace.h"
#include "model/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <map>
#include <tuple>

namespace zindle {

namespace {

enum SizeColumn { SizeName, SizeLow, SizeHigh }; // as the dialog lays them out

// The sizes the Power Designer's map shows: the first search a student makes.
const QStringList &firstChosen()
{
    static const QStringList names = {QStringLiteral("drive-wheel"), QStringLiteral("spring-length")};
    return names;
}

} // namespace

void OptimiserDialog::listSizes()
{
    std::map<QString, std::tuple<Qt::CheckState, QString, QString>> kept;
    for (int row = 0; row < sizes_->rowCount(); ++row)
        kept[sizes_->item(row, SizeName)->data(Qt::UserRole).toString()] = {
            sizes_->item(row, SizeName)->checkState(), sizes_->item(row, SizeLow)->text(),
            sizes_->item(row, SizeHigh)->text()};
    const bool first = kept.empty();
    const QStringList names = OptimiserParameterNames(workspace_.design);
    sizes_->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        const OptimiserParameter parameter = FindOptimiserParameter(workspace_, names[row]).value();
        auto *name = new QTableWidgetItem(sizeCaption(parameter.name));
        name->setData(Qt::UserRole, parameter.name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        // A choice is ticked or not: its values have no From and To.
        auto *low = new QTableWidgetItem(parameter.isChoice() ? QString() : doubleText(parameter.low));
        auto *high = new QTableWidgetItem(parameter.isChoice() ? QString() : doubleText(parameter.high));
        if (parameter.isChoice()) {
            low->setFlags(Qt::ItemIsEnabled);
            high->setFlags(Qt::ItemIsEnabled);
        }
        name->setCheckState(first && firstChosen().contains(parameter.name) ? Qt::Checked : Qt::Unchecked);
        if (const auto was = kept.find(parameter.name); was != kept.end()) {
            name->setCheckState(std::get<0>(was->second));
            if (!parameter.isChoice()) {
                low->setText(std::get<1>(was->second));
                high->setText(std::get<2>(was->second));
            }
        }
        sizes_->setItem(row, SizeName, name);
        sizes_->setItem(row, SizeLow, low);
        sizes_->setItem(row, SizeHigh, high);
    }
    sizes_->resizeColumnToContents(SizeLow);
    sizes_->resizeColumnToContents(SizeHigh);
}

void OptimiserDialog::chooseSizes(const QStringList &names)
{
    for (int row = 0; row < sizes_->rowCount(); ++row) {
        QTableWidgetItem *item = sizes_->item(row, SizeName);
        item->setCheckState(names.contains(item->data(Qt::UserRole).toString()) ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<OptimiserParameter> OptimiserDialog::chosenParameters(QString &error) const
{
    std::vector<OptimiserParameter> parameters;
    for (int row = 0; row < sizes_->rowCount() && error.isEmpty(); ++row) {
        const QTableWidgetItem *item = sizes_->item(row, SizeName);
        if (item->checkState() != Qt::Checked)
            continue;
        std::optional<OptimiserParameter> parameter =
            FindOptimiserParameter(workspace_, item->data(Qt::UserRole).toString());
        if (parameter->isChoice()) {
            parameters.push_back(*parameter);
            continue;
        }
        const std::optional<double> low = parseDouble(sizes_->item(row, SizeLow)->text().trimmed());
        const std::optional<double> high = parseDouble(sizes_->item(row, SizeHigh)->text().trimmed());
        if (!low || !high)
            error = tr("Give %1 a number in From and in To.").arg(item->text());
        else
            error = NarrowOptimiserRange(*parameter, *low, *high);
        parameters.push_back(*parameter);
    }
    return parameters;
}

bool OptimiserDialog::readOptions(OptimiserOptions &options, QString &error) const
{
    options.goal.kind = static_cast<OptimiserGoal::Kind>(goal_->currentIndex());
    if (options.goal.kind == OptimiserGoal::Target) {
        const std::optional<double> target = parseDouble(target_->text().trimmed());
        if (!target || !(*target > 0.0)) {
            error = tr("The target time takes seconds above 0.");
            return false;
        }
        options.goal.targetTime = *target;
    }
    if (!mass_->text().trimmed().isEmpty()) {
        const std::optional<double> mass = parseDouble(mass_->text().trimmed());
        if (!mass || !(*mass > 0.0)) {
            error = tr("The mass limit takes lb above 0, or nothing for no limit.");
            return false;
        }
        options.constraints.maxMassLb = *mass;
    }
    options.constraints.noSkid = noSkid_->isChecked();
    options.constraints.noAdvisory = noAdvisory_->isChecked();
    options.seed = static_cast<quint64>(seed_->value());
    options.maxEvaluations = evaluations_->value();
    return true;
}

} // namespace zindle
