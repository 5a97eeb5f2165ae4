#include "DesignPanel.h"

#include "ClickLabel.h"
#include "MainWindow.h"
#include "PartSizeFields.h"
#include "ShellWidgets.h"
#include "model/MaterialEditing.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zindle {

const std::array<const char *, PartCount> PartNameItems = {
    "Inner layers", "Outer layer", "Wheel tread", "Drive wheels",
    "Other wheels", "Spring", "Drive axle", "Other axle"};

Part partOfItem(int partNameIndex)
{
    static const Part parts[] = {InnerBodyPart, OuterBodyPart, TreadPart, DriveWheelPart,
                                 OtherWheelPart, SpringPart, DriveAxlePart, OtherAxlePart};
    return parts[partNameIndex];
}

DesignPanel::DesignPanel(MainWindow &window, QWidget *parent) : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("SetStatePanel"));
    HelpLinks &help = window.help();
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 2, 6, 2);
    column->setSpacing(2);
    auto *row = new QHBoxLayout;
    column->addLayout(row);

    toolPanel_ = new QWidget(this);
    toolPanel_->setObjectName(QStringLiteral("SetStateToolPanel"));
    auto *tools = new QHBoxLayout(toolPanel_);
    tools->setContentsMargins(2, 2, 2, 2);
    // The sheet tools themselves arrive with the drawing work; the buttons are here so the
    // modes can enable and disable them.
    struct Tool {
        const char *name, *text, *hint;
    };
    const Tool toolTable[] = {
        {"DrawOuterBtn", "Outer", "Draw the outline of the outer layers"},
        {"DrawInnerBtn", "Inner", "Draw the outline of the inner layers"},
        {"FrontAxleBtn", "Axle", "Place the front axle"},
        {"AddWeightBtn", "+Wt", "Add a weight"},
        {"RemoveWeightBtn", "-Wt", "Remove a weight"},
    };
    for (const Tool &t : toolTable) {
        QToolButton *button = speedButton(QLatin1String(t.name), QLatin1String(t.text), QLatin1String(t.hint),
                                          toolPanel_);
        tools->addWidget(button);
        drawingTools_.push_back(button);
    }
    row->addWidget(toolPanel_);

    driveBox_ = new QGroupBox(QStringLiteral("Drive"), this);
    driveBox_->setObjectName(QStringLiteral("DriveBox"));
    auto *drives = new QHBoxLayout(driveBox_);
    drives->setContentsMargins(4, 0, 4, 0);
    auto *driveGroup = new QButtonGroup(this);
    const char *driveNames[] = {"RWDBtn", "FWDBtn", "AWDBtn"};
    const char *driveTexts[] = {"RWD", "FWD", "AWD"};
    const char *driveHints[] = {"Rear-wheel drive", "Front-wheel drive", "All-wheel drive"};
    for (int i = 0; i < 3; ++i) {
        QToolButton *button = speedButton(QLatin1String(driveNames[i]), QLatin1String(driveTexts[i]),
                                          QLatin1String(driveHints[i]), driveBox_);
        button->setCheckable(true);
        driveGroup->addButton(button, i);
        drives->addWidget(button);
        driveButtons_[static_cast<size_t>(i)] = button;
        const auto drive = static_cast<DriveKind>(i);
        connect(button, &QToolButton::clicked, this, [this, drive] { DriveButtonClick(drive); });
    }
    row->addWidget(driveBox_);

    partNameLabel_ = helpCaption(QStringLiteral("Currently selected:"), QStringLiteral("/help/h-part.html"), help, this);
    partNameLabel_->setObjectName(QStringLiteral("PartNameLabel"));
    row->addWidget(partNameLabel_);
    partNameBox_ = new QComboBox(this);
    partNameBox_->setObjectName(QStringLiteral("PartNameBox"));
    for (const char *item : PartNameItems)
        partNameBox_->addItem(QLatin1String(item));
    connect(partNameBox_, &QComboBox::activated, this, [this](int index) { SelectPart(index); });
    row->addWidget(partNameBox_);

    materialLabel_ = helpCaption(QStringLiteral("Material:"), QStringLiteral("/help/h-material.html"), help, this);
    materialLabel_->setObjectName(QStringLiteral("MaterialLabel"));
    row->addWidget(materialLabel_);
    const char *comboNames[] = {"OuterBodyList", "InnerBodyList", "DriveWheelList", "OtherWheelList",
                                "DriveAxleList", "OtherAxleList", "SpringList", "TreadList"};
    auto *comboStack = new QGridLayout;
    for (int part = 0; part < PartCount; ++part) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(comboNames[part]));
        combo->setMinimumWidth(130);
        comboStack->addWidget(combo, 0, 0);
        materialCombos_[static_cast<size_t>(part)] = combo;
        connect(combo, &QComboBox::activated, this, [this, part](int index) { MaterialComboChange(part, index); });
    }
    row->addLayout(comboStack);

    topParameterLabel_ = helpCaption(QStringLiteral("Width (in):"), QStringLiteral("/help/h-diawidth.html"), help, this);
    topParameterLabel_->setObjectName(QStringLiteral("TopParameterLabel"));
    bottomParameterLabel_ =
        helpCaption(QStringLiteral("Length (in):"), QStringLiteral("/help/h-lengths.html"), help, this);
    bottomParameterLabel_->setObjectName(QStringLiteral("BottomParameterLabel"));
    auto *topStack = new QGridLayout;
    auto *bottomStack = new QGridLayout;
    sizes_ = new PartSizeFields(window, this, topStack, bottomStack, [this] { pendingChange(); },
                                [this] { ApplyBtnClick(); });
    row->addWidget(topParameterLabel_);
    row->addLayout(topStack);
    row->addWidget(bottomParameterLabel_);
    row->addLayout(bottomStack);

    applyBtn_ = new QPushButton(QStringLiteral("Apply"), this);
    applyBtn_->setObjectName(QStringLiteral("ApplyBtn"));
    applyBtn_->setEnabled(false);
    connect(applyBtn_, &QPushButton::clicked, this, &DesignPanel::ApplyBtnClick);
    row->addWidget(applyBtn_);
    row->addStretch();

    partAttributesLabel_ = new QLabel(
        QStringLiteral("Select parts to edit their attributes. Click \"Apply\" to apply your changes."), this);
    partAttributesLabel_->setObjectName(QStringLiteral("PartAttributesLabel"));
    column->addWidget(partAttributesLabel_);
}

void DesignPanel::pendingChange()
{
    applyBtn_->setEnabled(true);
    applyBtn_->setDefault(true);
}

void DesignPanel::leave()
{
    hide();
    for (QComboBox *combo : materialCombos_)
        combo->hide();
    sizes_->hideAll();
    for (QAbstractButton *tool : drawingTools_)
        tool->setEnabled(false);
    for (QAbstractButton *drive : driveButtons_)
        drive->setEnabled(false);
}

void DesignPanel::enter()
{
    show();
    partNameBox_->show();
    SelectPart(1);
    partNameLabel_->show();
    for (QAbstractButton *tool : drawingTools_)
        tool->setEnabled(true);
    for (QAbstractButton *drive : driveButtons_)
        drive->setEnabled(true);
    applyBtn_->setEnabled(false);
}

void DesignPanel::disableApply() { applyBtn_->setEnabled(false); }

void DesignPanel::stopWatchingFields() { sizes_->stopWatching(); }

void DesignPanel::applyToolColour(const QColor &background, bool designModeUp)
{
    const QColor tools = designModeUp ? background : InactiveToolColour;
    setPanelColour(toolPanel_, tools);
    setPanelColour(driveBox_, tools);
}

QLineEdit *DesignPanel::parameterField(int partNameIndex, bool bottom) const
{
    return sizes_->field(partNameIndex, bottom);
}

void DesignPanel::syncMaterialCombos()
{
    const Workspace &workspace = window_.workspace();
    syncing_ = true;
    for (int part = 0; part < PartCount; ++part) {
        const MaterialKind kind = partKind(part);
        QStringList names = workspace.catalogue.names(kind);
        if (!names.isEmpty())
            names[0] = builtInItemText(kind);
        QComboBox *combo = materialCombos_[static_cast<size_t>(part)];
        combo->clear();
        combo->addItems(names);
        combo->setCurrentIndex(workspace.design.MatIndex[static_cast<size_t>(part)]);
    }
    syncing_ = false;
}

void DesignPanel::syncDesignControls()
{
    syncing_ = true;
    sizes_->sync();
    driveButtons_[static_cast<size_t>(window_.workspace().design.Drive)]->setChecked(true);
    syncing_ = false;
}

void DesignPanel::SelectPart(int index)
{
    partNameBox_->setCurrentIndex(index);
    for (QComboBox *combo : materialCombos_)
        combo->hide();
    sizes_->hideAll();
    topParameterLabel_->hide();
    bottomParameterLabel_->hide();
    materialLabel_->hide();
    if (index < 0 || index >= PartCount)
        return;
    materialLabel_->show();
    const Part part = partOfItem(index);
    QComboBox *combo = materialCombos_[static_cast<size_t>(part)];
    combo->setCurrentIndex(window_.workspace().design.MatIndex[static_cast<size_t>(part)]);
    combo->show();
    const MaterialKind kind = partKind(part);
    QLineEdit *top = parameterField(index, false);
    QLineEdit *bottom = parameterField(index, true);
    if (top) {
        topParameterLabel_->setText(kind == MaterialKind::Spring ? QStringLiteral("Width (in):")
                                                                  : QStringLiteral("Dia (in):"));
        topParameterLabel_->show();
        top->show();
    }
    if (bottom) {
        bottomParameterLabel_->setText(QStringLiteral("Length (in):"));
        bottomParameterLabel_->show();
        bottom->show();
    }
}

void DesignPanel::MaterialComboChange(int part, int index)
{
    if (syncing_ || index < 0)
        return;
    Workspace &workspace = window_.workspace();
    workspace.design.MatIndex[static_cast<size_t>(part)] = index;
    materialPending_[static_cast<size_t>(part) + 1] = true;
    pendingChange();
    workspace.MarkDesignChanged();
}

void DesignPanel::ApplyBtnClick()
{
    // Sizes first, then the materials (which took effect when they were chosen).
    sizes_->applyPending();
    materialPending_.fill(false);
    applyBtn_->setEnabled(false);
}

void DesignPanel::DriveButtonClick(DriveKind drive)
{
    if (syncing_)
        return;
    Workspace &workspace = window_.workspace();
    ApplyDrive(workspace.design, drive);
    workspace.MarkDesignChanged();
    window_.RefreshMode(0, 0, window_.CurrentMode());
}

} // namespace zindle
