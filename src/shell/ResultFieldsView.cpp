// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultFieldsView.h"

#include "dialogs/ClickLabel.h"
#include "ShellWidgets.h"
#include "physics/ResultFieldTable.h"

#include <QGridLayout>
#include <QLineEdit>

namespace zindle {

QLineEdit *ResultFieldsView::addField(QWidget *parent, QGridLayout *grid, int row, int column,
                                      const QString &fieldName, const QString &labelName)
{
    const ResultFieldRow *field = resultFieldRow(fieldName);
    Q_ASSERT(field);
    const QString caption = field->captionText();
    const QString helpPath = QString::fromLatin1(field->helpPath);
    QLabel *label;
    if (helpPath.isEmpty()) {
        label = new QLabel(caption, parent);
    } else {
        label = helpCaption(caption, helpPath, help_, parent);
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: #0000aa;"));
    }
    label->setObjectName(labelName);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(fieldName);
    edit->setReadOnly(true);
    // A screen reader says the caption, then the value the field holds, then what it means.
    edit->setAccessibleName(caption);
    edit->setAccessibleDescription(field->hintText());
    // A narrow window takes the room from the numbers' trailing digits, never from a caption.
    edit->setMinimumWidth(56);
    edit->setMaximumWidth(96);
    edits_.emplace_back(field, edit);
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

void ResultFieldsView::show(const DesignRecord &design, const ResultFields &results)
{
    for (const auto &[field, edit] : edits_) {
        edit->setText(field->value(design, results));
        edit->setCursorPosition(0); // the leading digits are the ones that matter
    }
}

} // namespace zindle
