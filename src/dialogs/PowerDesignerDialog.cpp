#include "PowerDesignerDialog.h"

#include "model/Prompter.h"
#include "app/Workspace.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zindle {

namespace {

QLineEdit *addEdit(QWidget *parent, QGridLayout *grid, int row, int column, const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(60);
    grid->addWidget(edit, row, column);
    return edit;
}

} // namespace

PowerDesignerDialog::PowerDesignerDialog(Workspace &workspace, Prompter &prompter, QWidget *parent)
    : QDialog(parent, Qt::Tool), workspace_(workspace), prompter_(prompter)
{
    setObjectName(QStringLiteral("TPDWin"));
    setWindowTitle(QStringLiteral("Power Designer"));
    setModal(false);
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const SweepRanges defaults;
    struct Row {
        const char *label, *hint, *from, *to, *step;
        const SweepRange *range;
    };
    const Row rows[] = {
        {"Spring Width (in)", "Width of the spring", "SWFromEF", "SWToEF", "SWStepEF", &defaults.width},
        {"Spring Length (in)", "Length of the spring", "SLFromEF", "SLToEF", "SLStepEF", &defaults.length},
        {"Drive wheel dia (in)", "Diameter of rear (drive) wheel.  Set to 0 for minimum allowable", "DWFromEF",
         "DWToEF", "DWStepEF", &defaults.wheel},
    };
    int r = 0;
    for (const Row &row : rows) {
        auto *caption = new QLabel(QLatin1String(row.label), this);
        caption->setToolTip(QLatin1String(row.hint));
        grid->addWidget(caption, r, 0);
        addEdit(this, grid, r, 1, row.from, row.range->from)->setToolTip(QLatin1String(row.hint));
        grid->addWidget(new QLabel(QStringLiteral("to"), this), r, 2);
        addEdit(this, grid, r, 3, row.to, row.range->to)->setToolTip(QLatin1String(row.hint));
        grid->addWidget(new QLabel(QStringLiteral("step"), this), r, 4);
        addEdit(this, grid, r, 5, row.step, row.range->step)->setToolTip(QLatin1String(row.hint));
        ++r;
    }
    column->addLayout(grid);

    auto *result = new QGridLayout;
    const std::pair<const char *, const char *> bests[] = {
        {"Best Time to 15 ft", "BestYet"},
        {"at Spring Width = ", "BestSWYet"},
        {"Spring Length = ", "BestSLYet"},
        {"Drive Wheel Diameter = ", "BestDWYet"},
    };
    r = 0;
    for (const auto &[caption, name] : bests) {
        result->addWidget(new QLabel(QLatin1String(caption), this), r, 0, Qt::AlignRight);
        auto *edit = new QLineEdit(QStringLiteral("-"), this);
        edit->setObjectName(QLatin1String(name));
        edit->setEnabled(false);
        edit->setFixedWidth(120);
        result->addWidget(edit, r, 1);
        ++r;
    }
    column->addLayout(result);

    auto *buttons = new QHBoxLayout;
    go_ = new QPushButton(QStringLiteral("GO"), this);
    go_->setObjectName(QStringLiteral("PDGoBtn"));
    go_->setAutoDefault(false);
    auto *stop = new QPushButton(QStringLiteral("STOP"), this);
    stop->setObjectName(QStringLiteral("Button1"));
    stop->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("PDCancelBtn"));
    cancel->setAutoDefault(false);
    buttons->addWidget(go_);
    buttons->addWidget(stop);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(go_, &QPushButton::clicked, this, [this] { GoClick(); });
    connect(stop, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
}

QLineEdit *PowerDesignerDialog::field(const QString &objectName) const
{
    return findChild<QLineEdit *>(objectName);
}

SweepRanges PowerDesignerDialog::ranges() const
{
    const auto text = [this](const char *name) { return field(QLatin1String(name))->text(); };
    SweepRanges r;
    r.width = {text("SWFromEF"), text("SWToEF"), text("SWStepEF")};
    r.length = {text("SLFromEF"), text("SLToEF"), text("SLStepEF")};
    r.wheel = {text("DWFromEF"), text("DWToEF"), text("DWStepEF")};
    return r;
}

void PowerDesignerDialog::showBest(const SweepBest &best)
{
    field(QStringLiteral("BestYet"))->setText(best.BestYet);
    field(QStringLiteral("BestSWYet"))->setText(best.BestSWYet);
    field(QStringLiteral("BestSLYet"))->setText(best.BestSLYet);
    field(QStringLiteral("BestDWYet"))->setText(best.BestDWYet);
}

void PowerDesignerDialog::GoClick()
{
    // A press while a sweep runs (its events are processed between combinations) would start a
    // second sweep inside the first.
    if (sweeping_ || !runSimulateChain)
        return;
    const SweepRanges r = ranges();
    const QString message = ValidateSweepRanges(r);
    if (!message.isEmpty()) {
        outcome_ = SweepOutcome{};
        outcome_.message = message;
        prompter_.message(message, SweepMessageCaption);
        return;
    }
    if (beforeSweep)
        beforeSweep();
    stopRequested_ = false;
    sweeping_ = true;
    go_->setEnabled(false);
    SweepHooks hooks;
    hooks.runSimulateChain = runSimulateChain;
    hooks.stopRequested = [this] { return stopRequested_ || (windowMovedOn && windowMovedOn()); };
    hooks.progress = [this](const SweepProgress &) {
        showBest(best_);
        QCoreApplication::processEvents();
    };
    outcome_ = RunPowerDesignerSweep(workspace_.design, workspace_.results, best_, r, hooks);
    showBest(best_);
    sweeping_ = false;
    go_->setEnabled(true);
    if (afterSweep)
        afterSweep();
}

} // namespace zindle
