// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointsDialog.h"

#include "LocalDecimalComma.h"
#include "model/Prompter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PointsDialog)
};

QString caption() { return Texts::tr("Points"); }

// The table's editor takes the desktop's decimal comma as the period the design stores.
class InchDelegate : public LocalDecimalCommaDelegate {
public:
    using LocalDecimalCommaDelegate::LocalDecimalCommaDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = LocalDecimalCommaDelegate::createEditor(parent, option, index);
        if (editor)
            editor->setAccessibleName(index.column() == 0 ? Texts::tr("Across (in)") : Texts::tr("Down (in)"));
        return editor;
    }
};

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

} // namespace

PointsDialog::PointsDialog(Prompter &prompter, QWidget *parent) : QDialog(parent), prompter_(prompter)
{
    setObjectName(QStringLiteral("PointsDialog"));
    setWindowTitle(caption());
    auto *layout = new QVBoxLayout(this);

    auto *layerRow = new QHBoxLayout;
    auto *layerLabel = new QLabel(Texts::tr("&Layer:"), this);
    layerBox_ = new QComboBox(this);
    layerBox_->setObjectName(QStringLiteral("PointsLayerBox"));
    layerBox_->addItems({Texts::tr("Outer layer"), Texts::tr("Inner layer")});
    layerBox_->setAccessibleName(Texts::tr("Layer"));
    layerLabel->setBuddy(layerBox_);
    layerRow->addWidget(layerLabel);
    layerRow->addWidget(layerBox_, 1);
    layout->addLayout(layerRow);

    auto *hint = new QLabel(Texts::tr("Inches from the sheet's top left corner. Insert adds a point "
                                      "after the current one, Delete removes it."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("PointsTable"));
    table_->setHorizontalHeaderLabels({Texts::tr("Across (in)"), Texts::tr("Down (in)")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setItemDelegate(new InchDelegate(table_));
    table_->setAccessibleName(Texts::tr("Outline points"));
    table_->setAccessibleDescription(hint->text());
    // Typing starts editing the current cell, as in a spreadsheet.
    table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    table_->setTabKeyNavigation(false);
    table_->installEventFilter(this);
    layout->addWidget(table_, 1);

    auto *rowButtons = new QHBoxLayout;
    addButton_ = new QPushButton(Texts::tr("&Add Point"), this);
    removeButton_ = new QPushButton(Texts::tr("&Remove Point"), this);
    for (QPushButton *button : {addButton_, removeButton_}) {
        button->setAutoDefault(false);
        rowButtons->addWidget(button);
    }
    rowButtons->addStretch(1);
    layout->addLayout(rowButtons);
    connect(addButton_, &QPushButton::clicked, this, [this] { addPoint(); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { removePoint(); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PointsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PointsDialog::reject);

    connect(layerBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        keepTypedRows();
        showLayer(index == 1 ? PointsLayer::Inner : PointsLayer::Outer);
    });
    resize(360, 420);
}

void PointsDialog::prepare(const std::vector<QPoint> &outer, const std::vector<QPoint> &inner, bool innerAllowed,
                           PointsLayer shown)
{
    rows_[0] = PointsInInches(outer);
    rows_[1] = PointsInInches(inner);
    accepted_.clear();
    if (!innerAllowed)
        shown = PointsLayer::Outer;
    if (auto *model = qobject_cast<QStandardItemModel *>(layerBox_->model()))
        model->item(1)->setEnabled(innerAllowed);
    const QSignalBlocker quiet(layerBox_);
    layerBox_->setCurrentIndex(shown == PointsLayer::Inner ? 1 : 0);
    showLayer(shown);
}

void PointsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The keys go to the points first: the layer is the less frequent choice.
    table_->setFocus();
}

PointsLayer PointsDialog::layer() const { return shown_; }

void PointsDialog::showLayer(PointsLayer which)
{
    shown_ = which;
    const std::vector<InchTexts> &rows = rows_[which == PointsLayer::Inner ? 1 : 0];
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setItem(r, 0, new QTableWidgetItem(rows[r].across));
        table_->setItem(r, 1, new QTableWidgetItem(rows[r].down));
    }
    table_->setCurrentCell(table_->rowCount() > 0 ? 0 : -1, 0);
}

std::vector<InchTexts> PointsDialog::typedRows() const
{
    std::vector<InchTexts> rows;
    for (int r = 0; r < table_->rowCount(); ++r)
        rows.push_back({cellText(table_, r, 0), cellText(table_, r, 1)});
    return rows;
}

void PointsDialog::keepTypedRows() { rows_[shown_ == PointsLayer::Inner ? 1 : 0] = typedRows(); }

void PointsDialog::addPoint()
{
    // A new point starts where the current one is, so the outline keeps its shape until it is moved.
    const int current = table_->currentRow();
    const int row = current < 0 ? table_->rowCount() : current + 1;
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(current < 0 ? QStringLiteral("0") : cellText(table_, current, 0)));
    table_->setItem(row, 1, new QTableWidgetItem(current < 0 ? QStringLiteral("0") : cellText(table_, current, 1)));
    table_->setCurrentCell(row, 0);
    table_->setFocus();
}

void PointsDialog::removePoint()
{
    const int current = table_->currentRow();
    if (current < 0)
        return;
    table_->removeRow(current);
    if (table_->rowCount() > 0)
        table_->setCurrentCell(std::min(current, table_->rowCount() - 1), table_->currentColumn() < 0 ? 0 : table_->currentColumn());
    table_->setFocus();
}

bool PointsDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Keys typed into a cell go to its editor, not to the table: these never cut into typing.
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Insert) {
            addPoint();
            return true;
        }
        if (key == Qt::Key_Delete) {
            removePoint();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PointsDialog::accept()
{
    // A cell still being edited holds what the student sees; it counts.
    if (QWidget *editor = table_->focusWidget(); editor && editor != table_)
        table_->setFocus();
    const TypedOutline outline = OutlineFromInches(typedRows());
    if (!outline.error.isEmpty()) {
        prompter_.message(outline.error, caption());
        return;
    }
    accepted_ = outline.points;
    QDialog::accept();
}

} // namespace zindle
