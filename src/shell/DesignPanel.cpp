#include "DesignPanel.h"

#include "ClickLabel.h"
#include "MainWindow.h"
#include "PartSizeFields.h"
#include "SheetEditing.h"
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

const std::array<const char *, PartCount> PartLabelTexts = {
    "Inner layer", "Outer layer", "Wheel tread", "Drive wheel",
    "Other wheel", "Spring", "Drive axle", "Other axle"};

Part partOfItem(int partNameIndex)
{
    static const Part parts[] = {InnerBodyPart, OuterBodyPart, TreadPart, DriveWheelPart,
                                 OtherWheelPart, SpringPart, DriveAxlePart, OtherAxlePart};
    return parts[partNameIndex];
}

DesignPanel::DesignPanel(MainWindow &window, QWidget *parent) : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("DesignStatePanel"));
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
    struct Tool {
        const char *name, *text, *hint;
        void (SheetEditing::*click)();
        bool shown;
    };
    const Tool toolTable[] = {
        {"DrawOuterBtn", "Outer", "Draw outer layer shape", &SheetEditing::DrawOuterBtnClick, true},
        {"ClearOuterBtn", "X", "Clear the outer layer shape", &SheetEditing::ClearOuterBtnClick, false},
        {"DrawInnerBtn", "Inner", "Draw inner layer shape", &SheetEditing::DrawInnerBtnClick, true},
        {"ClearInnerBtn", "A", "Clear the inner layer shape", &SheetEditing::ClearInnerBtnClick, false},
        {"FrontAxleBtn", "Axle", "Place the front axle", &SheetEditing::SetFrontAxleBtnClick, true},
        {"AddWeightBtn", "+Wt", "Add a weight", &SheetEditing::AddWtBtnClick, true},
        {"RemoveWeightBtn", "-Wt", "Remove a weight", &SheetEditing::RemoveWtBtnClick, true},
        {"ClearAllCustomBtn", "Clear", "Clear the shapes and the weights", &SheetEditing::ClearAllCustomBtnClick,
         false},
    };
    editing_ = std::make_unique<SheetEditing>(window, *this);
    for (const Tool &t : toolTable) {
        QToolButton *button = speedButton(QLatin1String(t.name), QLatin1String(t.text), QLatin1String(t.hint),
                                          toolPanel_);
        // A tool's button stays down while the tool is in use.
        button->setCheckable(true);
        tools->addWidget(button);
        button->setVisible(t.shown);
        drawingTools_.push_back(button);
        const auto click = t.click;
        connect(button, &QToolButton::clicked, this, [this, click] { ((*editing_).*click)(); });
    }
    row->addWidget(toolPanel_);

    driveBox_ = new QGroupBox(QStringLiteral("Drive"), this);
    driveBox_->setObjectName(QStringLiteral("DriveBox"));
    auto *drives = new QHBoxLayout(driveBox_);
    drives->setContentsMargins(4, 0, 4, 0);
    auto *driveGroup = new QButtonGroup(this);
    const char *driveNames[] = {"RWDBtn", "FWDBtn", "AWDBtn"};
    const char *driveTexts[] = {"RWD", "FWD", "AWD"};
    const char *driveHints[] = {"Rear wheel drive", "Front wheel drive", "Four wheel drive"};
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

    // The part attributes; they make way for the drawing hint while a sheet tool is in use.
    setStatePanel_ = new QWidget(this);
    setStatePanel_->setObjectName(QStringLiteral("SetStatePanel"));
    auto *stateColumn = new QVBoxLayout(setStatePanel_);
    stateColumn->setContentsMargins(0, 0, 0, 0);
    stateColumn->setSpacing(2);
    auto *stateRow = new QHBoxLayout;
    stateColumn->addLayout(stateRow);
    row->addWidget(setStatePanel_, 1);
    drawCancelBtn_ = new QPushButton(QStringLiteral("Cancel"), this);
    drawCancelBtn_->setObjectName(QStringLiteral("DrawCancelBtn"));
    drawCancelBtn_->hide();
    connect(drawCancelBtn_, &QPushButton::clicked, this, [this] { editing_->DrawCancelBtnClick(); });
    row->addWidget(drawCancelBtn_);
    drawHintLabel_ = new QLabel(QStringLiteral("To draw a shape, click points on the drawing sheet.  "
                                               "Double-click to finish (or press Cancel to abort)."),
                                this);
    drawHintLabel_->setObjectName(QStringLiteral("DrawHintLabel"));
    drawHintLabel_->hide();
    row->addWidget(drawHintLabel_, 1);
    QWidget *const panel = setStatePanel_;

    partNameLabel_ = helpCaption(QStringLiteral("Currently selected:"), QStringLiteral("/help/h-part.html"), help, panel);
    partNameLabel_->setObjectName(QStringLiteral("PartNameLabel"));
    stateRow->addWidget(partNameLabel_);
    partNameBox_ = new QComboBox(panel);
    partNameBox_->setObjectName(QStringLiteral("PartNameBox"));
    for (const char *item : PartNameItems)
        partNameBox_->addItem(QLatin1String(item));
    connect(partNameBox_, &QComboBox::activated, this, [this](int index) { SelectPart(index); });
    stateRow->addWidget(partNameBox_);

    materialLabel_ = helpCaption(QStringLiteral("Material:"), QStringLiteral("/help/h-material.html"), help, panel);
    materialLabel_->setObjectName(QStringLiteral("MaterialLabel"));
    stateRow->addWidget(materialLabel_);
    const char *comboNames[] = {"OuterBodyList", "InnerBodyList", "DriveWheelList", "OtherWheelList",
                                "DriveAxleList", "OtherAxleList", "SpringList", "TreadList"};
    auto *comboStack = new QGridLayout;
    for (int part = 0; part < PartCount; ++part) {
        auto *combo = new QComboBox(panel);
        combo->setObjectName(QLatin1String(comboNames[part]));
        combo->setMinimumWidth(130);
        comboStack->addWidget(combo, 0, 0);
        materialCombos_[static_cast<size_t>(part)] = combo;
        connect(combo, &QComboBox::activated, this, [this, part](int index) { MaterialComboChange(part, index); });
    }
    stateRow->addLayout(comboStack);

    topParameterLabel_ = helpCaption(QStringLiteral("Width (in):"), QStringLiteral("/help/h-diawidth.html"), help, panel);
    topParameterLabel_->setObjectName(QStringLiteral("TopParameterLabel"));
    bottomParameterLabel_ =
        helpCaption(QStringLiteral("Length (in):"), QStringLiteral("/help/h-lengths.html"), help, panel);
    bottomParameterLabel_->setObjectName(QStringLiteral("BottomParameterLabel"));
    auto *topStack = new QGridLayout;
    auto *bottomStack = new QGridLayout;
    sizes_ = new PartSizeFields(window, panel, topStack, bottomStack, [this] { pendingChange(); },
                                [this] { ApplyBtnClick(); });
    // The second spring of an all-wheel-drive car follows the first; its fields stay hidden.
    const char *secondSpringNames[] = {"RSpringWidthEF", "RSpringLengthEF", "RArborDiaEF"};
    for (size_t i = 0; i < secondSpringFields_.size(); ++i) {
        auto *field = new QLineEdit(panel);
        field->setObjectName(QLatin1String(secondSpringNames[i]));
        field->hide();
        secondSpringFields_[i] = field;
    }
    stateRow->addWidget(topParameterLabel_);
    stateRow->addLayout(topStack);
    stateRow->addWidget(bottomParameterLabel_);
    stateRow->addLayout(bottomStack);

    applyBtn_ = new QPushButton(QStringLiteral("Apply"), panel);
    applyBtn_->setObjectName(QStringLiteral("ApplyBtn"));
    applyBtn_->setEnabled(false);
    connect(applyBtn_, &QPushButton::clicked, this, &DesignPanel::ApplyBtnClick);
    stateRow->addWidget(applyBtn_);
    stateRow->addStretch();

    partAttributesLabel_ = new QLabel(
        QStringLiteral("Select parts to edit their attributes. Click \"Apply\" to apply your changes."), panel);
    partAttributesLabel_->setObjectName(QStringLiteral("PartAttributesLabel"));
    stateColumn->addWidget(partAttributesLabel_);
}

DesignPanel::~DesignPanel() = default;

void DesignPanel::pendingChange()
{
    applyBtn_->setEnabled(true);
    applyBtn_->setDefault(true);
}

void DesignPanel::enableApply() { pendingChange(); }

QToolButton *DesignPanel::toolButton(const char *name) const
{
    for (QToolButton *tool : drawingTools_)
        if (tool->objectName() == QLatin1String(name))
            return tool;
    return nullptr;
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

void DesignPanel::showDriveControls(DriveKind drive)
{
    // An all-wheel-drive car has no other wheel whose size could be typed.
    if (QLineEdit *otherWheel = parameterField(4, false))
        otherWheel->setEnabled(drive != DriveKind::AllWD);
    for (QLineEdit *field : secondSpringFields_)
        field->hide();
}

void DesignPanel::syncDesignControls()
{
    syncing_ = true;
    sizes_->sync();
    const DesignRecord &design = window_.workspace().design;
    const QString secondSpring[] = {design.RSpringWidth, design.RSpringLength, design.RArborDia};
    for (size_t i = 0; i < secondSpringFields_.size(); ++i)
        secondSpringFields_[i]->setText(secondSpring[i]);
    driveButtons_[static_cast<size_t>(design.Drive)]->setChecked(true);
    // While a sheet tool holds the lock, the fields' enabled states belong to the lock.
    if (!editing_->toolActive())
        showDriveControls(design.Drive);
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

QString DesignPanel::partDescription(int index) const
{
    if (index < 0 || index >= PartCount)
        return QStringLiteral("Select parts to edit their attributes. Click \"Apply\" to apply your changes.");
    const Workspace &workspace = window_.workspace();
    const DesignRecord &d = workspace.design;
    const Part part = partOfItem(index);
    const QString material =
        workspace.catalogue.name(partKind(part), d.MatIndex[static_cast<size_t>(part)]);
    const QString head = QStringLiteral("Highlighted: ") + QLatin1String(PartLabelTexts[static_cast<size_t>(index)]);
    switch (index) {
    case 3:
    case 4:
        return head + QStringLiteral(" (") + material + QStringLiteral(", ") +
               (index == 3 ? d.DriveWhlDia : d.OtherWhlDia) + QStringLiteral(" inches dia") + QStringLiteral(").");
    case 5:
        return QStringLiteral("Highlighted: ") + QStringLiteral("Spring") + QStringLiteral(" (") + material +
               QStringLiteral(", ") + d.SpringWidth + QStringLiteral(" inches wide, ") + d.SpringLength +
               QStringLiteral(" inches long") + QStringLiteral(").");
    case 6:
    case 7:
        return head + QStringLiteral(" (") + material + QStringLiteral(", ") +
               (index == 6 ? d.DriveAxleDia : d.OtherAxleDia) + QStringLiteral(" inches dia, ") +
               (index == 6 ? d.DriveAxleLength : d.OtherAxleLength) + QStringLiteral(" inches long") +
               QStringLiteral(").");
    default:
        return head + QStringLiteral(" (") + material + QStringLiteral(").");
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
    // Sizes first, each with its own refresh, then the materials (which took effect when
    // they were chosen).
    sizes_->applyPending();
    materialPending_.fill(false);
    applyBtn_->setEnabled(false);
}

void DesignPanel::DriveButtonClick(DriveKind drive)
{
    if (syncing_)
        return;
    Workspace &workspace = window_.workspace();
    DesignRecord &design = workspace.design;
    // Between rear and front drive the other wheel keeps the size it shows; only leaving
    // all-wheel drive brings back the size put aside when it was chosen.
    if (drive != DriveKind::AllWD && design.Drive != DriveKind::AllWD)
        design.SavedOtherWhlDia = design.OtherWhlDia;
    ApplyDrive(design, drive);
    showDriveControls(drive);
    workspace.MarkDesignChanged();
    window_.RefreshMode(0, 0, window_.CurrentMode());
}

void DesignPanel::ResetParameters()
{
    editing_->resetToolStates();
    sizes_->clearPending();
    materialPending_.fill(false);
    applyBtn_->setEnabled(false);
    syncMaterialCombos();
    syncDesignControls();
}

} // namespace zindle
