// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader would find in a window: the controls it could not name, and the result
// fields that do not say their caption and value.

#include "physics/ResultFieldTable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QTest>
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

// The controls shown that a student using only the keyboard never reaches: Tab is pressed round
// the whole focus chain from the window's first control, and whatever operable control it did
// not stop at is named. Tool bar buttons are left out: each repeats a menu item, which Alt reaches.
inline QStringList controlsTabNeverReaches(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible() || !widget->isEnabled() || qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue;
        // A table's headers, scroll bars and corner are the table's own: its keys move through it.
        if (qobject_cast<QHeaderView *>(widget) || widget->inherits("QTableCornerButton") ||
            (qobject_cast<QScrollBar *>(widget) && widget->parentWidget() &&
             qobject_cast<QAbstractScrollArea *>(widget->parentWidget()->parentWidget())))
            continue;
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button && button->inherits("QToolButton") && widget->parentWidget()->inherits("QToolBar"))
            continue;
        const auto *field = qobject_cast<QLineEdit *>(widget);
        if (button || (field && !field->isReadOnly()) || qobject_cast<QComboBox *>(widget) ||
            qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QAbstractItemView *>(widget) ||
            qobject_cast<QAbstractSlider *>(widget))
            controls << widget;
    }
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    window.setFocus(Qt::TabFocusReason);
    QSet<QWidget *> reached;
    for (int press = 0; press < 2 * controls.size() + 20; ++press) {
        QWidget *focused = QApplication::focusWidget();
        if (!focused)
            break;
        reached.insert(focused);
        // A table or a text field could take Tab for itself; Ctrl+Tab is how a student leaves one.
        QTest::keyClick(focused, Qt::Key_Tab);
        if (QApplication::focusWidget() == focused)
            QTest::keyClick(focused, Qt::Key_Tab, Qt::ControlModifier);
    }
    // In a group of which one button is chosen, Tab stops at one and the arrows move among them.
    const auto groupReached = [&reached](QWidget *control) {
        const auto *button = qobject_cast<QAbstractButton *>(control);
        if (!button)
            return false;
        QList<QAbstractButton *> members;
        if (button->group() && button->group()->exclusive())
            members = button->group()->buttons();
        else if (button->autoExclusive())
            members = button->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
        return std::any_of(members.begin(), members.end(), [&reached](QAbstractButton *b) { return reached.contains(b); });
    };
    QStringList unreached;
    for (QWidget *control : controls)
        if (!reached.contains(control) && !reached.contains(control->focusProxy()) && !groupReached(control))
            unreached << describe(control);
    return unreached;
}

} // namespace zindle::test
