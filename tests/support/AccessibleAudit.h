// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader would find in a window: the controls it could not name, and the result
// fields that do not say their caption and value.

#include "physics/ResultFieldTable.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace zindle::test {

inline QString describe(QWidget *widget)
{
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()));
}

// The controls shown that take the focus and have no name a screen reader could say.
inline QStringList unnamedControls(QWidget &window)
{
    QStringList unnamed;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus || !widget->isEnabled())
            continue;
        // A spin box's text field is the spin box's own part: the spin box speaks for it.
        if (qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << describe(widget);
    }
    return unnamed;
}

// The result fields shown whose name is not their caption or whose value is not their text.
inline QStringList mutedResultFields(QWidget &window)
{
    QStringList muted;
    for (QLineEdit *field : window.findChildren<QLineEdit *>()) {
        const ResultFieldRow *row = resultFieldRow(field->objectName());
        if (!row || !field->isVisible() || !field->isReadOnly())
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
        if (!accessible || accessible->text(QAccessible::Name) != row->captionText() ||
            accessible->text(QAccessible::Value) != field->text())
            muted << describe(field);
    }
    return muted;
}

} // namespace zindle::test
