// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutExportDialog.h"

#include "LocalDecimalComma.h"
#include "model/NumberText.h"
#include "model/Prompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zindle {

namespace {

constexpr CutMachine Machines[3] = {CutMachine::Laser, CutMachine::Plotter, CutMachine::Print};
constexpr CutColours Colours[3] = {CutColours::RedCutsBlueEngraves, CutColours::GreenCutsBlueEngraves,
                                   CutColours::LayerPerOperation};

std::optional<double> numberIn(const QLineEdit *field, double low, double high)
{
    const std::optional<double> value = parseDouble(field->text().trimmed());
    if (!value || !(*value >= low && *value <= high))
        return std::nullopt;
    return value;
}

} // namespace

CutProfile cutProfileOf(const CutExportChoices &choices)
{
    CutProfile profile = DefaultCutProfile(choices.machine);
    profile.kerfIn = choices.kerfIn;
    profile.kerfByMaterial = choices.kerfByMaterial;
    profile.gapIn = choices.gapIn;
    // The same green as the command line's --cut-colour green.
    if (choices.colours == CutColours::GreenCutsBlueEngraves)
        profile.cutColour = CutColourNamed(QStringLiteral("green")).value_or(profile.cutColour);
    return profile;
}

QString cutMachineName(CutMachine machine)
{
    switch (machine) {
    case CutMachine::Laser:
        return QStringLiteral("laser");
    case CutMachine::Print:
        return QStringLiteral("print");
    case CutMachine::Plotter:
        break;
    }
    return QStringLiteral("plotter");
}

QString cutColoursName(CutColours colours)
{
    switch (colours) {
    case CutColours::GreenCutsBlueEngraves:
        return QStringLiteral("green");
    case CutColours::LayerPerOperation:
        return QStringLiteral("layers");
    case CutColours::RedCutsBlueEngraves:
        break;
    }
    return QStringLiteral("red");
}

std::optional<CutColours> cutColoursNamed(const QString &name)
{
    for (const CutColours colours : Colours)
        if (cutColoursName(colours) == name)
            return colours;
    return std::nullopt;
}

CutExportDialog::CutExportDialog(Prompter &prompter, QWidget *parent) : QDialog(parent), prompter_(prompter)
{
    setObjectName(QStringLiteral("CutExportDialog"));
    setWindowTitle(tr("Export Cut Files"));
    auto *form = new QFormLayout(this);
    machine_ = new QComboBox(this);
    machine_->setObjectName(QStringLiteral("CutMachine"));
    machine_->addItem(tr("Laser"));
    machine_->addItem(tr("Knife plotter"));
    machine_->addItem(tr("Printed template"));
    form->addRow(tr("&Machine:"), machine_);
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("CutFoamWarning"));
    warning_->setWordWrap(true);
    warning_->setVisible(false);
    form->addRow(QString(), warning_);
    kerf_ = new QLineEdit(this);
    kerf_->setObjectName(QStringLiteral("CutKerf"));
    acceptLocalDecimalComma(kerf_);
    form->addRow(tr("&Kerf (in):"), kerf_);
    materialKerfs_ = new QGroupBox(tr("Kerf by material (in)"), this);
    materialKerfs_->setObjectName(QStringLiteral("CutKerfByMaterial"));
    materialKerfRows_ = new QFormLayout(materialKerfs_);
    materialKerfs_->setVisible(false);
    form->addRow(materialKerfs_);
    // An empty field shows the kerf it takes.
    connect(kerf_, &QLineEdit::textChanged, this, [this](const QString &text) {
        for (const auto &[material, field] : materialKerfFields_)
            field->setPlaceholderText(text);
    });
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("CutColours"));
    colours_->addItem(tr("Red cuts, blue engraves"));
    colours_->addItem(tr("Green cuts, blue engraves"));
    colours_->addItem(tr("One layer per operation (DXF)"));
    form->addRow(tr("&Colours:"), colours_);
    board_ = new QLineEdit(this);
    board_->setObjectName(QStringLiteral("CutBoardSize"));
    board_->setToolTip(tr("Width x height in inches (add mm for millimetres), for example 20x30 or 500x750mm"));
    form->addRow(tr("&Board size:"), board_);
    gap_ = new QLineEdit(this);
    gap_->setObjectName(QStringLiteral("CutPartGap"));
    acceptLocalDecimalComma(gap_);
    form->addRow(tr("&Gap between parts (in):"), gap_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CutExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CutExportDialog::reject);
    form->addRow(buttons);
    connect(machine_, &QComboBox::currentIndexChanged, this, &CutExportDialog::machineChanged);
    setChoices({});
}

void CutExportDialog::setChoices(const CutExportChoices &choices)
{
    for (int i = 0; i < 3; ++i) {
        if (Machines[i] == choices.machine)
            machine_->setCurrentIndex(i);
        if (Colours[i] == choices.colours)
            colours_->setCurrentIndex(i);
    }
    // After the machine, whose change puts in its own kerf: the remembered kerf is the lab's.
    kerf_->setText(doubleText(choices.kerfIn));
    kerfByMaterial_ = choices.kerfByMaterial;
    for (const auto &[material, field] : materialKerfFields_) {
        const auto kerf = kerfByMaterial_.find(material);
        field->setText(kerf == kerfByMaterial_.end() ? QString() : doubleText(kerf->second));
    }
    board_->setText(choices.board);
    gap_->setText(doubleText(choices.gapIn));
    showWarning();
}

CutExportChoices CutExportDialog::choices() const
{
    CutExportChoices choices;
    choices.machine = Machines[std::max(0, machine_->currentIndex())];
    choices.colours = Colours[std::max(0, colours_->currentIndex())];
    choices.kerfIn = numberIn(kerf_, 0.0, MaxKerfIn).value_or(DefaultCutProfile(choices.machine).kerfIn);
    choices.kerfByMaterial = kerfByMaterial_;
    for (const auto &[material, field] : materialKerfFields_) {
        if (const std::optional<double> kerf = numberIn(field, 0.0, MaxKerfIn))
            choices.kerfByMaterial[material] = *kerf;
        else
            choices.kerfByMaterial.erase(material);
    }
    choices.gapIn = numberIn(gap_, MinPartGapIn, MaxPartGapIn).value_or(PartGapIn);
    choices.board = board_->text().trimmed();
    return choices;
}

BoardSize CutExportDialog::board() const { return ParseBoardSize(board_->text()).value_or(BoardSize{}); }

void CutExportDialog::setBoardMaterials(const QStringList &names)
{
    materials_ = names;
    showMaterialKerfs();
    showWarning();
}

QLineEdit *CutExportDialog::materialKerfField(const QString &material) const
{
    for (const auto &[name, field] : materialKerfFields_)
        if (name == material)
            return field;
    return nullptr;
}

void CutExportDialog::showMaterialKerfs()
{
    while (materialKerfRows_->rowCount() > 0)
        materialKerfRows_->removeRow(0);
    materialKerfFields_.clear();
    for (const QString &material : materials_) {
        if (materialKerfField(material))
            continue;
        auto *field = new QLineEdit(materialKerfs_);
        field->setObjectName(QStringLiteral("CutKerfFor%1").arg(materialKerfFields_.size() + 1));
        acceptLocalDecimalComma(field);
        field->setPlaceholderText(kerf_->text());
        field->setToolTip(tr("Leave it empty to use the kerf above."));
        const auto kerf = kerfByMaterial_.find(material);
        if (kerf != kerfByMaterial_.end())
            field->setText(doubleText(kerf->second));
        // The material's name is the catalogue's, shown as it is: no markup, no mnemonic.
        auto *name = new QLabel(QString(material).replace(QLatin1Char('&'), QStringLiteral("&&")), materialKerfs_);
        name->setTextFormat(Qt::PlainText);
        name->setObjectName(QStringLiteral("CutKerfForName%1").arg(materialKerfFields_.size() + 1));
        name->setBuddy(field);
        materialKerfRows_->addRow(name, field);
        materialKerfFields_.emplace_back(material, field);
    }
    materialKerfs_->setVisible(!materialKerfFields_.empty());
}

QString CutExportDialog::warningText() const { return warning_->text(); }

void CutExportDialog::machineChanged()
{
    kerf_->setText(doubleText(DefaultCutProfile(Machines[std::max(0, machine_->currentIndex())]).kerfIn));
    // Another machine cuts every material with its own kerf.
    for (const auto &[material, field] : materialKerfFields_)
        field->clear();
    showWarning();
}

void CutExportDialog::showWarning()
{
    const CutMachine machine = Machines[std::max(0, machine_->currentIndex())];
    QString text;
    for (const QString &name : materials_)
        if (text.isEmpty())
            text = LaserOnFoamWarning(machine, name);
    warning_->setText(text);
    warning_->setVisible(!text.isEmpty());
    adjustSize();
}

QString CutExportDialog::refusal() const
{
    if (!numberIn(kerf_, 0.0, MaxKerfIn))
        return tr("The kerf is a number of inches from 0 to 0.25.");
    for (const auto &[material, field] : materialKerfFields_)
        if (!field->text().trimmed().isEmpty() && !numberIn(field, 0.0, MaxKerfIn))
            return tr("The kerf for %1 is a number of inches from 0 to 0.25.").arg(material);
    if (!ParseBoardSize(board_->text()))
        return tr("\"%1\" is not a board size; write it as 20x30 or 500x750mm.").arg(board_->text());
    if (!numberIn(gap_, MinPartGapIn, MaxPartGapIn))
        return tr("The gap between parts is a number of inches from 0.1 to 1.");
    return {};
}

void CutExportDialog::accept()
{
    if (const QString refused = refusal(); !refused.isEmpty()) {
        prompter_.message(refused, windowTitle());
        return;
    }
    QDialog::accept();
}

} // namespace zindle
