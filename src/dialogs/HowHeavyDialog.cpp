// SPDX-License-Identifier: GPL-3.0-or-later
#include "HowHeavyDialog.h"

#include "model/DesignRecord.h"
#include "model/Prompter.h"
#include "sheet/WeightTools.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zindle {

HowHeavyDialog::HowHeavyDialog(DesignRecord &design, Prompter &prompter, QWidget *parent)
    : QDialog(parent), design_(design), prompter_(prompter)
{
    setObjectName(QStringLiteral("THHWin"));
    setWindowTitle(tr("How heavy?"));
    setModal(true);
    auto *grid = new QGridLayout(this);
    auto *question = new QLabel(tr("How heavy is this weight?"), this);
    question->setObjectName(QStringLiteral("HowHeavyLabel"));
    grid->addWidget(question, 0, 0, 1, 2);
    howHeavy_ = new QLineEdit(QStringLiteral("0.125"), this);
    howHeavy_->setObjectName(QStringLiteral("HowHeavyEF"));
    grid->addWidget(howHeavy_, 1, 0);
    grid->addWidget(new QLabel(tr("lb"), this), 1, 1);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("HHOKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("HHCancelBtn"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &HowHeavyDialog::HHOKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &HowHeavyDialog::HHCancelBtnClick);
}

void HowHeavyDialog::prepare(QPoint pendingWeight)
{
    pending_ = pendingWeight;
    added_ = false;
}

void HowHeavyDialog::HHOKBtnClick()
{
    const std::optional<float> mass = AcceptWeightMass(howHeavy_->text());
    if (!mass) {
        prompter_.message(WeightLimitMessage(), tr("Please try again."));
        return;
    }
    if (AddWeight(design_, pending_, *mass) < 0) {
        prompter_.beep();
        return;
    }
    added_ = true;
    done(QDialog::Accepted);
}

void HowHeavyDialog::HHCancelBtnClick()
{
    // Both buttons close with OK; what happened is told by added().
    added_ = false;
    done(QDialog::Accepted);
}

} // namespace zindle
