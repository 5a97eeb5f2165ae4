// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignPanel.h"

#include "dialogs/ClickLabel.h"
#include "LiveReadout.h"
#include "MainWindow.h"
#include "PartSizeFields.h"
#include "SheetEditing.h"
#include "ShellWidgets.h"
#include "model/MaterialEditing.h"
#include "model/NumberText.h"

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
#include <algorithm>
#include <vector>

namespace zindle {

const std::array<const char *, PartCount> PartNameItems = {
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Inner layers"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Outer layer"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Wheel tread"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Drive wheels"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Other wheels"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Spring"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Drive axle"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Other axle"),
};

const std::array<const char *, PartCount> PartLabelTexts = {
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Inner layer"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Outer layer"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Wheel tread"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Drive wheel"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Other wheel"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Spring"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Drive axle"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Other axle"),
};

namespace {

// How the Edit menu names a material choice, by Part (MatIndex order).
const char *const MaterialStepNames[PartCount] = {
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change outer layer material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change inner layers material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change drive wheel material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change other wheel material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change drive axle material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change other axle material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change spring material"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Change wheel tread material"),
};
const char *const DriveStepNames[3] = {
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Choose rear wheel drive"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Choose front wheel drive"),
    QT_TRANSLATE_NOOP("zindle::DesignPanel", "Choose four wheel drive"),
};

} // namespace

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
    // The tools and the drive buttons, then the part's attributes (or the drawing hint while a
    // tool is in use): one line in a wide window, one below the other in a narrow one.
    row_ = new QBoxLayout(QBoxLayout::LeftToRight);
    column->addLayout(row_);
    auto *toolLine = new QHBoxLayout;
    row_->addLayout(toolLine);
    auto *stateLine = new QHBoxLayout;
    row_->addLayout(stateLine, 1);

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
        {"DrawOuterBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "Outer"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Draw outer layer shape"), &SheetEditing::DrawOuterBtnClick, true},
        {"ClearOuterBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "X"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Clear the outer layer shape"), &SheetEditing::ClearOuterBtnClick, false},
        {"DrawInnerBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "Inner"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Draw inner layer shape"), &SheetEditing::DrawInnerBtnClick, true},
        {"ClearInnerBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "A"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Clear the inner layer shape"), &SheetEditing::ClearInnerBtnClick, false},
        {"FrontAxleBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "Axle"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Place the front axle"), &SheetEditing::SetFrontAxleBtnClick, true},
        {"AddWeightBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "+Wt"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Add a weight"), &SheetEditing::AddWtBtnClick, true},
        {"RemoveWeightBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "-Wt"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Remove a weight"), &SheetEditing::RemoveWtBtnClick, true},
        {"ClearAllCustomBtn", QT_TRANSLATE_NOOP("zindle::DesignPanel", "Clear"),
         QT_TRANSLATE_NOOP("zindle::DesignPanel", "Clear the shapes and the weights"), &SheetEditing::ClearAllCustomBtnClick,
         false},
    };
    editing_ = std::make_unique<SheetEditing>(window, *this);
    for (const Tool &t : toolTable) {
        QToolButton *button = speedButton(QLatin1String(t.name), tr(t.text), tr(t.hint),
                                          toolPanel_);
        // A tool's button stays down while the tool is in use.
        button->setCheckable(true);
        tools->addWidget(button);
        button->setVisible(t.shown);
        drawingTools_.push_back(button);
        const auto click = t.click;
        connect(button, &QToolButton::clicked, this, [this, click] { ((*editing_).*click)(); });
    }
    toolLine->addWidget(toolPanel_);

    driveBox_ = new QGroupBox(tr("Drive"), this);
    driveBox_->setObjectName(QStringLiteral("DriveBox"));
    auto *drives = new QHBoxLayout(driveBox_);
    drives->setContentsMargins(4, 0, 4, 0);
    auto *driveGroup = new QButtonGroup(this);
    const char *driveNames[] = {"RWDBtn", "FWDBtn", "AWDBtn"};
    const char *driveTexts[] = {QT_TR_NOOP("RWD"), QT_TR_NOOP("FWD"), QT_TR_NOOP("AWD")};
    const char *driveHints[] = {QT_TR_NOOP("Rear wheel drive"), QT_TR_NOOP("Front wheel drive"),
                                QT_TR_NOOP("Four wheel drive")};
    for (int i = 0; i < 3; ++i) {
        QToolButton *button = speedButton(QLatin1String(driveNames[i]), tr(driveTexts[i]), tr(driveHints[i]), driveBox_);
        button->setCheckable(true);
        driveGroup->addButton(button, i);
        drives->addWidget(button);
        driveButtons_[static_cast<size_t>(i)] = button;
        const auto drive = static_cast<DriveKind>(i);
        connect(button, &QToolButton::clicked, this, [this, drive] { DriveButtonClick(drive); });
    }
    toolLine->addWidget(driveBox_);
    toolLine_ = toolLine;

    // The part attributes; they make way for the drawing hint while a sheet tool is in use.
    setStatePanel_ = new QWidget(this);
    setStatePanel_->setObjectName(QStringLiteral("SetStatePanel"));
    auto *stateColumn = new QVBoxLayout(setStatePanel_);
    stateColumn->setContentsMargins(0, 0, 0, 0);
    stateColumn->setSpacing(2);
    // The part and its material, then its sizes and Apply; a narrow window puts them on two lines.
    stateLines_ = new QBoxLayout(QBoxLayout::LeftToRight);
    stateLines_->setSpacing(6);
    stateColumn->addLayout(stateLines_);
    auto *stateRow = new QHBoxLayout;
    auto *sizeRow = new QHBoxLayout;
    stateLines_->addLayout(stateRow);
    stateLines_->addLayout(sizeRow);
    stateLines_->addStretch();
    stateLine->addWidget(setStatePanel_, 1);
    drawCancelBtn_ = new QPushButton(tr("Cancel"), this);
    drawCancelBtn_->setObjectName(QStringLiteral("DrawCancelBtn"));
    drawCancelBtn_->hide();
    connect(drawCancelBtn_, &QPushButton::clicked, this, [this] { editing_->DrawCancelBtnClick(); });
    stateLine->addWidget(drawCancelBtn_);
    drawHintLabel_ = new QLabel(tr("To draw a shape, click points on the drawing sheet.  "
                                    "Double-click to finish (or press Cancel to abort)."),
                                this);
    drawHintLabel_->setObjectName(QStringLiteral("DrawHintLabel"));
    drawHintLabel_->setWordWrap(true);
    drawHintLabel_->hide();
    stateLine->addWidget(drawHintLabel_, 1);
    // Whatever the tool state, the free room stays at the right end: the tools and the drive
    // buttons keep their places.
    stateLine->addStretch();
    QWidget *const panel = setStatePanel_;

    partNameLabel_ = helpCaption(tr("Currently selected:"), QStringLiteral("/help/h-part.html"), help, panel);
    partNameLabel_->setObjectName(QStringLiteral("PartNameLabel"));
    stateRow->addWidget(partNameLabel_);
    partNameBox_ = new QComboBox(panel);
    partNameBox_->setObjectName(QStringLiteral("PartNameBox"));
    for (const char *item : PartNameItems)
        partNameBox_->addItem(tr(item));
    connect(partNameBox_, &QComboBox::activated, this, [this](int index) { SelectPart(index); });
    stateRow->addWidget(partNameBox_);

    materialLabel_ = helpCaption(tr("Material:"), QStringLiteral("/help/h-material.html"), help, panel);
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

    topParameterLabel_ = helpCaption(tr("Width (in):"), QStringLiteral("/help/h-diawidth.html"), help, panel);
    topParameterLabel_->setObjectName(QStringLiteral("TopParameterLabel"));
    bottomParameterLabel_ =
        helpCaption(tr("Length (in):"), QStringLiteral("/help/h-lengths.html"), help, panel);
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
    sizeRow->addWidget(topParameterLabel_);
    sizeRow->addLayout(topStack);
    sizeRow->addWidget(bottomParameterLabel_);
    sizeRow->addLayout(bottomStack);

    applyBtn_ = new QPushButton(tr("Apply"), panel);
    applyBtn_->setObjectName(QStringLiteral("ApplyBtn"));
    applyBtn_->setEnabled(false);
    connect(applyBtn_, &QPushButton::clicked, this, &DesignPanel::ApplyBtnClick);
    sizeRow->addWidget(applyBtn_);
    // The size fields are of the expanding kind: the room they do not take stays at the end.
    sizeRow->addStretch();

    partAttributesLabel_ = new QLabel(
        tr("Select parts to edit their attributes. Click \"Apply\" to apply your changes."), panel);
    partAttributesLabel_->setObjectName(QStringLiteral("PartAttributesLabel"));
    attributesLine_ = new QBoxLayout(QBoxLayout::LeftToRight);
    attributesLine_->setSpacing(12);
    attributesLine_->addWidget(partAttributesLabel_, 1);
    readout_ = new LiveReadout(window.liveResults(), panel);
    attributesLine_->addWidget(readout_);
    stateColumn->addLayout(attributesLine_);
}

DesignPanel::~DesignPanel() = default;

int DesignPanel::fitToWidth(int width)
{
    const QMargins margins = layout()->contentsMargins();
    const int room = width - margins.left() - margins.right();
    const int tools = toolLine_->sizeHint().width();
    // The widest the attribute lines get, whichever part is selected: the part box and the
    // widest material list, then both size fields under their longest captions, and Apply.
    const auto stateRow = static_cast<QBoxLayout *>(stateLines_->itemAt(0)->layout());
    const auto sizeRow = static_cast<QBoxLayout *>(stateLines_->itemAt(1)->layout());
    // What a layout gives a widget: its size hint within its minimum and maximum.
    const auto laidOut = [](const QWidget *widget) {
        return std::clamp(widget->sizeHint().width(), widget->minimumWidth(), widget->maximumWidth());
    };
    int widestCombo = 0;
    for (const QComboBox *combo : materialCombos_)
        widestCombo = std::max(widestCombo, laidOut(combo));
    const int part = partNameLabel_->sizeHint().width() + partNameBox_->sizeHint().width()
                     + materialLabel_->sizeHint().width() + widestCombo + 3 * stateRow->spacing();
    const QFontMetrics captions = topParameterLabel_->fontMetrics();
    const int topCaption = std::max(captions.horizontalAdvance(tr("Width (in):")),
                                    captions.horizontalAdvance(tr("Dia (in):")));
    const int bottomCaption = captions.horizontalAdvance(tr("Length (in):"));
    int widestField = 0;
    for (int p = 0; p < PartCount; ++p)
        for (const bool bottom : {false, true})
            if (const QLineEdit *field = parameterField(p, bottom))
                widestField = std::max(widestField, laidOut(field));
    const int sizes = topCaption + bottomCaption + 2 * widestField + applyBtn_->sizeHint().width()
                      + 4 * sizeRow->spacing();
    const int gap = stateLines_->spacing();
    const bool oneLine = tools + row_->spacing() + part + gap + sizes <= room;
    const bool attributesOnOneLine = part + gap + sizes <= room;
    row_->setDirection(oneLine ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    stateLines_->setDirection(oneLine || attributesOnOneLine ? QBoxLayout::LeftToRight
                                                             : QBoxLayout::TopToBottom);
    for (QLayout *line : {static_cast<QLayout *>(stateRow), static_cast<QLayout *>(sizeRow)})
        stateLines_->setAlignment(line, oneLine || attributesOnOneLine ? Qt::Alignment() : Qt::AlignLeft);
    row_->setAlignment(toolLine_, oneLine ? Qt::Alignment() : Qt::AlignLeft);
    // The live results stand right of the part description when the line holds both, the
    // longest description included; else on a line of their own below it.
    const int lineRoom = oneLine ? room - tools - row_->spacing() : room;
    const QFontMetrics text = partAttributesLabel_->fontMetrics();
    int description = text.horizontalAdvance(partDescription(-1));
    for (int p = 0; p < PartCount; ++p)
        description = std::max(description, text.horizontalAdvance(partDescription(p)));
    const bool readoutBeside = description + attributesLine_->spacing() + readout_->usualWidth() <= lineRoom;
    attributesLine_->setDirection(readoutBeside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    attributesLine_->setAlignment(readout_, readoutBeside ? Qt::AlignRight : Qt::AlignLeft);
    // A long part description wraps in a narrow panel; beside the live results it has room.
    partAttributesLabel_->setWordWrap(!oneLine && !readoutBeside);
    if (oneLine && readoutBeside)
        return 0; // the strip's own height holds one line
    // The height of the lines as laid out now, summed line by line: the nested layouts keep the
    // sizes of their previous directions until they are next laid out. The size row counts at
    // the height of its fields whichever part is selected, so that a part chosen later finds
    // them their full height rather than crushed into the strip.
    const bool stackedAttributes = !(oneLine || attributesOnOneLine);
    const int stateHeight = stateRow->sizeHint().height();
    const int sizeHeight = std::max({sizeRow->sizeHint().height(), applyBtn_->sizeHint().height(),
                                     parameterField(5, false)->sizeHint().height()});
    const int lines = stackedAttributes ? stateHeight + stateLines_->spacing() + sizeHeight
                                        : std::max(stateHeight, sizeHeight);
    const int descriptionHeight = partAttributesLabel_->fontMetrics().height()
                                  * (partAttributesLabel_->wordWrap() ? 2 : 1);
    const int attributes = readoutBeside ? std::max(descriptionHeight, readout_->height())
                                         : descriptionHeight + attributesLine_->spacing() + readout_->height();
    const int state = lines + 2 + attributes; // the attribute column's spacing
    const int toolsHeight = toolLine_->sizeHint().height();
    const int content = oneLine ? std::max(toolsHeight, state) : toolsHeight + row_->spacing() + state;
    const int height = content + margins.top() + margins.bottom() + 2;
    return height;
}

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
        topParameterLabel_->setText(kind == MaterialKind::Spring ? tr("Width (in):")
                                                                  : tr("Dia (in):"));
        topParameterLabel_->show();
        top->show();
    }
    if (bottom) {
        bottomParameterLabel_->setText(tr("Length (in):"));
        bottomParameterLabel_->show();
        bottom->show();
    }
}

QString DesignPanel::partDescription(int index) const
{
    if (index < 0 || index >= PartCount)
        return tr("Select parts to edit their attributes. Click \"Apply\" to apply your changes.");
    const Workspace &workspace = window_.workspace();
    const DesignRecord &d = workspace.design;
    const Part part = partOfItem(index);
    const QString material =
        workspace.catalogue.name(partKind(part), d.MatIndex[static_cast<size_t>(part)]);
    const QString label = tr(PartLabelTexts[static_cast<size_t>(index)]);
    switch (index) {
    case 3:
    case 4:
        return tr("Highlighted: %1 (%2, %3 inches dia).").arg(label, material, index == 3 ? d.DriveWhlDia : d.OtherWhlDia);
    case 5:
        return tr("Highlighted: %1 (%2, %3 inches wide, %4 inches long).").arg(label, material, d.SpringWidth, d.SpringLength);
    case 6:
    case 7:
        return tr("Highlighted: %1 (%2, %3 inches dia, %4 inches long).")
            .arg(label, material, index == 6 ? d.DriveAxleDia : d.OtherAxleDia,
                 index == 6 ? d.DriveAxleLength : d.OtherAxleLength);
    default:
        return tr("Highlighted: %1 (%2).").arg(label, material);
    }
}

void DesignPanel::MaterialComboChange(int part, int index)
{
    if (syncing_ || index < 0)
        return;
    Workspace &workspace = window_.workspace();
    DesignEdit edit = window_.history().begin();
    workspace.design.MatIndex[static_cast<size_t>(part)] = index;
    materialPending_[static_cast<size_t>(part) + 1] = true;
    pendingChange();
    workspace.MarkDesignChanged();
    edit.commit(tr(MaterialStepNames[part]));
}

void DesignPanel::ApplyBtnClick()
{
    // Sizes first, each with its own refresh, then the materials (which took effect when
    // they were chosen). All of it is one step.
    DesignEdit edit = window_.history().begin();
    const QString wheelBefore = window_.workspace().design.DriveWhlDia;
    const QString wheelTyped = parameterField(3, false)->text();
    // Named after the sizes the user applied, not what the build then adjusted to fit them.
    const std::vector<QString DesignRecord::*> taken = sizes_->applyPending();
    edit.commit(sizeStepName(taken), StepKind::SizeApplied);
    materialPending_.fill(false);
    applyBtn_->setEnabled(false);
    // A wheel the build made larger than asked is said once, or the student wonders why the
    // car came out different from the number typed.
    const QString asked =
        std::find(taken.begin(), taken.end(), &DesignRecord::DriveWhlDia) != taken.end() ? wheelTyped : wheelBefore;
    const QString used = window_.workspace().design.DriveWhlDia;
    const QString note = tr("Drive wheel enlarged to %1 in to fit the spring case");
    if (used != asked && parseFloat(used).value_or(0.0f) > parseFloat(asked).value_or(0.0f))
        partAttributesLabel_->setText(note.arg(used));
    else if (partAttributesLabel_->text().startsWith(note.left(note.indexOf(QLatin1String("%1")))))
        partAttributesLabel_->setText(partDescription(-1)); // an older note no longer holds
}

void DesignPanel::DriveButtonClick(DriveKind drive)
{
    if (syncing_)
        return;
    Workspace &workspace = window_.workspace();
    DesignRecord &design = workspace.design;
    DesignEdit edit = window_.history().begin();
    // Between rear and front drive the other wheel keeps the size it shows; only leaving
    // all-wheel drive brings back the size put aside when it was chosen.
    if (drive != DriveKind::AllWD && design.Drive != DriveKind::AllWD)
        design.SavedOtherWhlDia = design.OtherWhlDia;
    ApplyDrive(design, drive);
    showDriveControls(drive);
    workspace.MarkDesignChanged();
    window_.RefreshMode(0, 0, window_.CurrentMode());
    edit.commit(tr(DriveStepNames[static_cast<int>(drive)]));
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
