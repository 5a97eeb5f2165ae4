// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A number field where the desktop writes numbers with a decimal comma: the comma key (the
// keypad's decimal key on such a keyboard) types the period the design stores, so a student in
// Madrid or Munich types "1,5" and the field holds "1.5". Elsewhere the key types a comma, which
// the field's check refuses by name. Only the keyboard follows the locale; the text, the files
// and every computation stay as they are everywhere.
#include <QStyledItemDelegate>

class QLineEdit;

namespace zindle {

void acceptLocalDecimalComma(QLineEdit *field);

// The same for the cells of a table of numbers.
class LocalDecimalCommaDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace zindle
