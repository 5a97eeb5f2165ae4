// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalDecimalComma.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace zindle {

namespace {

class CommaAsPoint : public QObject {
public:
    explicit CommaAsPoint(QLineEdit *field) : QObject(field), field_(field) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == field_ && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->text() == QLatin1String(",") &&
            QLocale::system().decimalPoint() == QLatin1String(",")) {
            field_->insert(QStringLiteral("."));
            // Typed, so the field's textEdited (and what listens to it) hears of it as of a key.
            emit field_->textEdited(field_->text());
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit *field_;
};

} // namespace

void acceptLocalDecimalComma(QLineEdit *field)
{
    field->installEventFilter(new CommaAsPoint(field));
}

QWidget *LocalDecimalCommaDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                                const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *field = qobject_cast<QLineEdit *>(editor))
        acceptLocalDecimalComma(field);
    return editor;
}

} // namespace zindle
