// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialDialogs.h"

#include "LocalDecimalComma.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {

struct KindTexts {
    const char *windowName, *caption, *doneName, *title;
};

const KindTexts kindTexts[] = {
    {"TDBWin", QT_TRANSLATE_NOOP("zindle::DefineMaterialDialog", "Define a Board Material"), "DBDoneBtn", "Board"},
    {"TDAWin", QT_TRANSLATE_NOOP("zindle::DefineMaterialDialog", "Define an Axle Material"), "DADoneBtn", "Axle"},
    {"TDSWin", QT_TRANSLATE_NOOP("zindle::DefineMaterialDialog", "Define a Spring Material"), "DSDoneBtn", "Spring"},
    {"TDTWin", QT_TRANSLATE_NOOP("zindle::DefineMaterialDialog", "Define a Tread Material"), "DTDoneBtn", "Tread"},
};

const KindTexts &textsOf(MaterialKind kind) { return kindTexts[static_cast<int>(kind)]; }

QTableWidgetItem *fixedCell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(QColor(192, 192, 192));
    return item;
}

} // namespace

DefineMaterialDialog::DefineMaterialDialog(MaterialKind kind, MaterialCatalogue &catalogue,
                                           Prompter &prompter, QWidget *parent)
    : QDialog(parent), kind_(kind), catalogue_(catalogue), prompter_(prompter)
{
    const KindTexts &texts = textsOf(kind);
    setObjectName(QLatin1String(texts.windowName));
    setWindowTitle(tr(texts.caption));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *body = new QHBoxLayout;
    layout->addLayout(body);
    form_ = new QGridLayout;
    auto *formColumn = new QVBoxLayout;
    formColumn->addLayout(form_);
    formColumn->addStretch();
    body->addLayout(formColumn);
    auto *defaultsHeading = new QLabel(tr("Defaults"), this);
    defaultsHeading->setStyleSheet(QStringLiteral("color: grey;"));
    form_->addWidget(defaultsHeading, 0, 2);

    switch (kind) {
    case MaterialKind::Board:
        addField(QStringLiteral("BoardNameEF"), tr("Board Name"), QStringLiteral("Foamcore"));
        addField(QStringLiteral("BoardThicknessEF"), tr("Board thickness (inches)"), QStringLiteral("0.50"));
        addField(QStringLiteral("BoardDensityEF"), tr("Board density (lbm/cu in)"), QStringLiteral("0.0023"));
        break;
    case MaterialKind::Axle:
        addField(QStringLiteral("AxleNameEF"), tr("Name of axle material"), QStringLiteral("Oak"));
        addField(QStringLiteral("AxleDensityEF"), tr("Density (lbm/cu in)"), QStringLiteral("0.027"));
        break;
    case MaterialKind::Spring:
        addField(QStringLiteral("SpringNameEF"), tr("Name of spring material"), QStringLiteral("Plastic"));
        addField(QStringLiteral("SpringThicknessEF"), tr("Thickness (in)"), QStringLiteral("0.0125"));
        addField(QStringLiteral("SpringDensityEF"), tr("Density (lbm/cu in)"), QStringLiteral("0.045"));
        addField(QStringLiteral("SpringSampleWidthEF"), tr("Width of test sample (in)"), QStringLiteral("1.5"));
        break;
    case MaterialKind::Tread:
        addField(QStringLiteral("TreadNameEF"), tr("Name of tread material"), QStringLiteral("Ideal rubber"));
        addField(QStringLiteral("TreadFrictionEF"), tr("Coefficient of static friction"), QStringLiteral("1.0"));
        break;
    }

    if (kind == MaterialKind::Spring) {
        auto *curve = new QVBoxLayout;
        body->addLayout(curve);
        curve->addWidget(new QLabel(tr("Experimental Torque Curve"), this));
        auto *gridRow = new QHBoxLayout;
        curve->addLayout(gridRow);
        grid_ = new QTableWidget(TorqueCurveCells + 1, 2, this);
        grid_->setObjectName(QStringLiteral("TorqueCurveGrid"));
        grid_->horizontalHeader()->hide();
        grid_->horizontalHeader()->setStretchLastSection(true);
        grid_->verticalHeader()->hide();
        // The materials file keeps the period whatever the desktop writes.
        grid_->setItemDelegate(new LocalDecimalCommaDelegate(grid_));
        grid_->setItem(0, 0, fixedCell(tr("Revs Unwound")));
        grid_->setItem(0, 1, fixedCell(tr("Torque (in-lb)")));
        for (int row = 1; row <= TorqueCurveCells; ++row) {
            grid_->setItem(row, 0, fixedCell(row == 1 ? tr("0 (fully wound):")
                                                      : QString::number(row - 1)));
            grid_->setItem(row, 1, new QTableWidgetItem(QString()));
        }
        grid_->resizeColumnsToContents();
        grid_->setColumnWidth(1, 110);
        grid_->setMinimumSize(260, 220);
        gridRow->addWidget(grid_);
        auto *notes = new QVBoxLayout;
        auto *maxDefault = new QLabel(QStringLiteral("0.57"), this);
        maxDefault->setStyleSheet(QStringLiteral("color: grey;"));
        notes->addSpacing(grid_->rowHeight(0));
        notes->addWidget(maxDefault);
        // One text, broken where the narrow column beside the grid needs it.
        notes->addWidget(new QLabel(tr("(remaining cells\nare optional)"), this));
        notes->addStretch();
        gridRow->addLayout(notes);
    }

    auto *buttons = new QHBoxLayout;
    auto *color = new QPushButton(tr("Choose color..."), this);
    buttons->addWidget(color);
    buttons->addStretch();
    auto *done = new QPushButton(tr("Done"), this);
    done->setObjectName(QLatin1String(texts.doneName));
    done->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    buttons->addWidget(done);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(color, &QPushButton::clicked, this, &DefineMaterialDialog::ChooseColorClick);
    connect(done, &QPushButton::clicked, this, [this] { DoneClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DefineMaterialDialog::addField(const QString &objectName, const QString &label,
                                    const QString &defaultText)
{
    const int row = fieldCount_ + 1;
    auto *edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setMinimumWidth(160);
    // Every field after the name is a number; a name keeps the comma it is typed with.
    if (fieldCount_ > 0)
        acceptLocalDecimalComma(edit);
    auto *defaults = new QLabel(defaultText, this);
    defaults->setObjectName(objectName + QStringLiteral("Default"));
    defaults->setStyleSheet(QStringLiteral("color: grey;"));
    form_->addWidget(new QLabel(label, this), row, 0);
    form_->addWidget(edit, row, 1);
    form_->addWidget(defaults, row, 2);
    fields_[static_cast<size_t>(fieldCount_++)] = edit;
}

void DefineMaterialDialog::LoadEntry(int index)
{
    if (index < 1 || index >= catalogue_.count(kind_))
        return;
    const auto i = static_cast<size_t>(index);
    switch (kind_) {
    case MaterialKind::Board: {
        const BoardMaterial &m = catalogue_.boards[i];
        field(0)->setText(m.BoardName);
        field(1)->setText(m.BoardThickness);
        field(2)->setText(m.BoardDensity);
        break;
    }
    case MaterialKind::Axle: {
        const AxleMaterial &m = catalogue_.axles[i];
        field(0)->setText(m.AxleName);
        field(1)->setText(m.AxleDensity);
        break;
    }
    case MaterialKind::Spring: {
        const SpringMaterial &m = catalogue_.springs[i];
        field(0)->setText(m.SpringName);
        field(1)->setText(m.SpringThickness);
        field(2)->setText(m.SpringDensity);
        field(3)->setText(m.SpringSampleWidth);
        for (int cell = 0; cell < TorqueCurveCells; ++cell)
            grid_->item(cell + 1, 1)->setText(m.SpringTorqueCurve[static_cast<size_t>(cell)]);
        break;
    }
    case MaterialKind::Tread: {
        const TreadMaterial &m = catalogue_.treads[i];
        field(0)->setText(m.TreadName);
        field(1)->setText(m.TreadFriction);
        break;
    }
    }
}

bool DefineMaterialDialog::DoneClick()
{
    switch (kind_) {
    case MaterialKind::Board:
        lastResult_ = DefineBoard(catalogue_, {field(0)->text(), field(1)->text(), field(2)->text()},
                                  selectedIndex_);
        break;
    case MaterialKind::Axle:
        lastResult_ = DefineAxle(catalogue_, {field(0)->text(), field(1)->text()}, selectedIndex_);
        break;
    case MaterialKind::Spring: {
        SpringMaterial typed;
        typed.SpringName = field(0)->text();
        typed.SpringThickness = field(1)->text();
        typed.SpringDensity = field(2)->text();
        typed.SpringSampleWidth = field(3)->text();
        for (int cell = 0; cell < TorqueCurveCells; ++cell)
            typed.SpringTorqueCurve[static_cast<size_t>(cell)] = grid_->item(cell + 1, 1)->text();
        lastResult_ = DefineSpring(catalogue_, typed, selectedIndex_);
        break;
    }
    case MaterialKind::Tread:
        lastResult_ = DefineTread(catalogue_, {field(0)->text(), field(1)->text()}, selectedIndex_);
        break;
    }
    if (lastResult_.outcome == DefineOutcome::Refused) {
        prompter_.message(lastResult_.refusal.message, lastResult_.refusal.title);
        return false;
    }
    accept();
    return true;
}

void DefineMaterialDialog::ChooseColorClick()
{
    const Refusal refusal = colorPickerRefusal(kind_);
    prompter_.message(refusal.message, refusal.title);
}

MaterialsDialog::MaterialsDialog(Workspace &workspace, Prompter &prompter, QWidget *parent)
    : QDialog(parent), workspace_(workspace), prompter_(prompter)
{
    setObjectName(QStringLiteral("TMSWin"));
    setWindowTitle(tr("Material Definitions"));
    setModal(true);

    static const char *const listNames[] = {"BoardListbox", "AxleListbox", "SpringListbox", "TreadListbox"};
    static const char *const groupTitles[] = {
        QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "Boards"),
        QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "Axles"),
        QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "Springs"),
        QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "Treads"),
    };
    static const char *const buttonKinds[] = {"Board", "Axle", "Spring", "Tread"};

    auto *layout = new QVBoxLayout(this);
    // Two kinds a row: four in a row, each with its three buttons, are wider than a 1024-pixel
    // screen, and the dialog's Done and Cancel would be out of reach.
    auto *groups = new QGridLayout;
    layout->addLayout(groups);
    for (int k = 0; k < 4; ++k) {
        const auto kind = static_cast<MaterialKind>(k);
        auto *group = new QGroupBox(tr(groupTitles[k]), this);
        auto *column = new QVBoxLayout(group);
        auto *list = new QListWidget(group);
        list->setObjectName(QLatin1String(listNames[k]));
        list->setAccessibleName(tr(groupTitles[k]));
        list->setMinimumWidth(150);
        column->addWidget(list);
        auto *row = new QHBoxLayout;
        // The English verb names the button's object and its click; only its text is translated.
        for (const char *verb : {QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "New"),
                                 QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "Edit"),
                                 QT_TRANSLATE_NOOP("zindle::MaterialsDialog", "Delete")}) {
            auto *button = new QPushButton(tr(verb), group);
            button->setObjectName(QLatin1String(verb) + QLatin1String(buttonKinds[k]) + QStringLiteral("Btn"));
            row->addWidget(button);
            const QString v = QLatin1String(verb);
            connect(button, &QPushButton::clicked, this, [this, kind, v] {
                if (v == QLatin1String("New"))
                    NewClick(kind);
                else if (v == QLatin1String("Edit"))
                    EditClick(kind);
                else
                    DeleteClick(kind);
            });
        }
        column->addLayout(row);
        groups->addWidget(group, k / 2, k % 2);
        lists_[static_cast<size_t>(k)] = list;
        defines_[static_cast<size_t>(k)] =
            new DefineMaterialDialog(kind, workspace_.catalogue, prompter_, this);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("MSDoneBtn"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("MSCancelBtn"));
    buttons->addWidget(done);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    // Both simply close: every change was made when it was confirmed in a define dialog.
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::accept);
    Reload();
}

void MaterialsDialog::reloadList(MaterialKind kind)
{
    QListWidget *box = list(kind);
    const int selected = box->currentRow();
    box->clear();
    QStringList names = workspace_.catalogue.names(kind);
    if (!names.isEmpty())
        names[0] = builtInItemText(kind);
    box->addItems(names);
    if (selected >= 0 && selected < box->count())
        box->setCurrentRow(selected);
}

void MaterialsDialog::Reload()
{
    for (int k = 0; k < 4; ++k)
        reloadList(static_cast<MaterialKind>(k));
}

void MaterialsDialog::showDefine(MaterialKind kind, int editedIndex)
{
    DefineMaterialDialog *dialog = defineDialog(kind);
    dialog->setSelectedIndex(editedIndex);
    // The name is the field most likely to change (a new material needs one of its own):
    // typing replaces it.
    dialog->field(0)->selectAll();
    dialog->field(0)->setFocus();
    if (runModal(modalRunner, *dialog) != QDialog::Accepted)
        return;
    const DefineResult &result = dialog->lastResult();
    if (result.outcome == DefineOutcome::AddedNew) {
        list(kind)->addItem(workspace_.catalogue.name(kind, result.index));
        if (catalogueChanged)
            catalogueChanged();
    }
}

void MaterialsDialog::NewClick(MaterialKind kind) { showDefine(kind, -1); }

bool MaterialsDialog::userEntrySelected(MaterialKind kind, bool editing)
{
    const int selected = list(kind)->currentRow();
    if (selected >= 1)
        return true;
    // A press that does nothing looks like a broken button: say why.
    const QString tryAgain = tr("Please try again.");
    if (selected < 0)
        prompter_.message(editing ? tr("Select the material to edit in the list first.")
                                  : tr("Select the material to delete in the list first."),
                          tryAgain);
    else
        prompter_.message((editing ? tr("\"%1\" is built in and cannot be edited. Press New to define a material "
                                        "of your own.")
                                   : tr("\"%1\" is built in and cannot be deleted. Press New to define a material "
                                        "of your own."))
                              .arg(list(kind)->item(0)->text()),
                          tryAgain);
    return false;
}

void MaterialsDialog::EditClick(MaterialKind kind)
{
    if (!userEntrySelected(kind, true))
        return;
    const int selected = list(kind)->currentRow();
    defineDialog(kind)->LoadEntry(selected);
    showDefine(kind, selected);
}

void MaterialsDialog::DeleteClick(MaterialKind kind)
{
    if (!userEntrySelected(kind, false))
        return;
    const int selected = list(kind)->currentRow();
    if (prompter_.confirm(tr("Delete the material \"%1\"? Parts made of it go back to the built-in material.")
                              .arg(list(kind)->item(selected)->text()),
                          tr("Confirm")) != Answer::Yes)
        return;
    if (!DeleteMaterial(workspace_, kind, selected))
        return;
    delete list(kind)->takeItem(selected);
    if (catalogueChanged)
        catalogueChanged();
}

} // namespace zindle
