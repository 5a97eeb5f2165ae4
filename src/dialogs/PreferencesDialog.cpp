// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesDialog.h"

#include "LocalDecimalComma.h"

#include "model/NumberText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PreferencesDialog)
};

bool inRange(const QString &text, float low, float high)
{
    const auto value = parseFloat(text);
    return value && *value >= low && *value <= high;
}

QLabel *greyLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: grey;"));
    return label;
}

} // namespace

bool ValidatePreferenceTexts(Prompter &prompter, const QString &caseRatio, const QString &friction)
{
    if (!inRange(caseRatio, 4.0f, 99.0f)) {
        prompter.message(Texts::tr("The case ratio must be positive, no less than 4 percent, and no more than 99 "
                                   "percent."),
                         Texts::tr("Please try again."));
        return false;
    }
    if (!inRange(friction, 0.01f, 0.25f)) {
        prompter.message(Texts::tr("The friction force must be positive, greater than 0.01 lb, and no more than "
                                   "0.25 lb."),
                         Texts::tr("Please try again."));
        return false;
    }
    return true;
}

PreferencesDialog::PreferencesDialog(Workspace &workspace, Prompter &prompter, QWidget *parent)
    : QDialog(parent), workspace_(workspace), prompter_(prompter)
{
    setObjectName(QStringLiteral("TPFWin"));
    setWindowTitle(tr("Preferences"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(greyLabel(tr("Defaults"), this), 0, 2);

    auto *stepLabel = new QLabel(tr("Finite element size (pixels)"), this);
    stepLabel->setToolTip(tr("Size of the squares used to estimate mass of the car (smaller values are more accurate "
                             "but take more time to compute)"));
    stepSize_ = new QLineEdit(this);
    acceptLocalDecimalComma(stepSize_);
    stepSize_->setObjectName(QStringLiteral("StepSizeEF"));
    stepSize_->setToolTip(tr("Size of the squares used to estimate mass of the car (smaller is more accurate)"));
    auto *stepDefault = greyLabel(QStringLiteral("(8)"), this);
    // The caption names the field for a screen reader too.
    stepLabel->setBuddy(stepSize_);
    grid->addWidget(stepLabel, 1, 0);
    grid->addWidget(stepSize_, 1, 1);
    grid->addWidget(stepDefault, 1, 2);
    // The element size is set from the Analyze mode's slider; the dialog keeps it out of sight.
    stepLabel->hide();
    stepSize_->hide();
    stepDefault->hide();

    auto *caseLabel = new QLabel(tr("Spring to Case Area Ratio (%)"), this);
    caseLabel->setToolTip(tr("Percent of the spring chamber that is occupied by the spring.  Larger values lead to a "
                             "smaller spring chamber but fewer revolutions."));
    caseRatio_ = new QLineEdit(this);
    acceptLocalDecimalComma(caseRatio_);
    caseRatio_->setObjectName(QStringLiteral("CaseRatioEF"));
    caseRatio_->setToolTip(
        tr("Ratio of spring area to case area.  Larger --> smaller spring case but fewer revolutions"));
    caseLabel->setBuddy(caseRatio_);
    grid->addWidget(caseLabel, 2, 0);
    grid->addWidget(caseRatio_, 2, 1);
    grid->addWidget(greyLabel(QStringLiteral("(4.0)"), this), 2, 2);

    const QString frictionHint = tr("An assumed friction force that represents the rolling friction of your car");
    auto *frictionLabel = new QLabel(tr("Friction force (lb)"), this);
    frictionLabel->setToolTip(frictionHint);
    friction_ = new QLineEdit(this);
    acceptLocalDecimalComma(friction_);
    friction_->setObjectName(QStringLiteral("FrictionEF"));
    friction_->setToolTip(frictionHint);
    frictionLabel->setBuddy(friction_);
    grid->addWidget(frictionLabel, 3, 0);
    grid->addWidget(friction_, 3, 1);
    grid->addWidget(greyLabel(QStringLiteral("(0.05)"), this), 3, 2);

    auto *chamber = new QGroupBox(tr("Chamber"), this);
    chamber->setToolTip(tr("Shape of spring chamber"));
    auto *chamberLayout = new QHBoxLayout(chamber);
    const QString shapeHint = tr("Shape for the spring chamber and its outer surface (an octagonal shape may be easier "
                                 "to cut by hand)");
    octagonal_ = new QRadioButton(tr("Octagonal"), chamber);
    octagonal_->setObjectName(QStringLiteral("OctBtn"));
    octagonal_->setToolTip(shapeHint);
    circular_ = new QRadioButton(tr("Circular"), chamber);
    circular_->setObjectName(QStringLiteral("CircBtn"));
    circular_->setToolTip(shapeHint);
    chamberLayout->addWidget(octagonal_);
    chamberLayout->addWidget(circular_);
    layout->addWidget(chamber);
    connect(octagonal_, &QRadioButton::clicked, this, &PreferencesDialog::ChamberClick);
    connect(circular_, &QRadioButton::clicked, this, &PreferencesDialog::ChamberClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("PrefOKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("PFCancelBtn"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { PrefOKBtnClick(); });
    connect(cancel, &QPushButton::clicked, this, &PreferencesDialog::PFCancelBtnClick);

    for (QLineEdit *field : {caseRatio_, friction_}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!loading_)
                edited_ = true;
        });
    }
    LoadFromDesign();
}

void PreferencesDialog::LoadFromDesign()
{
    closedByOK_ = false;
    loading_ = true;
    const DesignRecord &design = workspace_.design;
    stepSize_->setText(design.StepSize);
    caseRatio_->setText(design.CaseRatio);
    friction_->setText(design.Friction);
    octagonal_->setChecked(design.ChamberShape == ChamberShapeKind::Octagonal);
    circular_->setChecked(design.ChamberShape == ChamberShapeKind::Circular);
    edited_ = false;
    loading_ = false;
}

bool PreferencesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == caseRatio_ || watched == friction_) {
        if (event->type() == QEvent::FocusIn) {
            FieldEnter();
        } else if (event->type() == QEvent::FocusOut) {
            // Only a move of the focus inside the dialog leaves the field; a message box or
            // another window taking the focus for a moment does not.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                if (watched == caseRatio_)
                    CaseRatioEFExit();
                else
                    FrictionEFExit();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PreferencesDialog::FieldEnter() { edited_ = false; }

bool PreferencesDialog::validateField(const QString &caseRatio, const QString &friction)
{
    if (validateParameters)
        return validateParameters(caseRatio, friction);
    return ValidatePreferenceTexts(prompter_, caseRatio, friction);
}

void PreferencesDialog::fieldExit(QLineEdit *field, QString DesignRecord::*stored)
{
    DesignRecord &design = workspace_.design;
    if (validateField(caseRatio_->text(), friction_->text())) {
        design.*stored = field->text();
        if (edited_)
            workspace_.MarkDesignChanged();
    } else {
        loading_ = true;
        field->setText(design.*stored);
        loading_ = false;
    }
    edited_ = false;
}

void PreferencesDialog::CaseRatioEFExit() { fieldExit(caseRatio_, &DesignRecord::CaseRatio); }
void PreferencesDialog::FrictionEFExit() { fieldExit(friction_, &DesignRecord::Friction); }

void PreferencesDialog::ChamberClick()
{
    const ChamberShapeKind shape = octagonal_->isChecked() ? ChamberShapeKind::Octagonal
                                                           : ChamberShapeKind::Circular;
    workspace_.design.ChamberShape = shape;
    workspace_.MarkDesignChanged();
}

bool PreferencesDialog::PrefOKBtnClick()
{
    if (!inRange(stepSize_->text(), 2.0f, 72.0f)) {
        prompter_.message(tr("The finite element size must be positive, greater than 2 pixels, and not more than 72 "
                             "pixels. "),
                          tr("Please try again."));
        return false;
    }
    if (!inRange(caseRatio_->text(), 4.0f, 99.0f)) {
        prompter_.message(tr("The case ratio must be positive, not less than 4 percent, and less than 99 percent. "),
                          tr("Please try again."));
        return false;
    }
    if (!inRange(friction_->text(), 0.01f, 0.25f)) {
        prompter_.message(tr("The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. "),
                          tr("Please try again."));
        return false;
    }
    // The computations read the settings from the design, so what OK accepts must reach it even
    // when the field was never left (Enter presses OK from inside the field).
    DesignRecord &design = workspace_.design;
    bool changed = false;
    auto take = [&changed](QString &stored, const QString &typed) {
        if (stored != typed) {
            stored = typed;
            changed = true;
        }
    };
    take(design.StepSize, stepSize_->text());
    take(design.CaseRatio, caseRatio_->text());
    take(design.Friction, friction_->text());
    if (changed)
        workspace_.MarkDesignChanged();
    closedByOK_ = true;
    done(QDialog::Accepted);
    return true;
}

void PreferencesDialog::PFCancelBtnClick()
{
    // Nothing is rolled back: what was accepted when a field was left stays in effect.
    closedByOK_ = false;
    done(QDialog::Accepted);
}

} // namespace zindle
