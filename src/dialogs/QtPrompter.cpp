// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace zindle {

QString QtPrompter::qtFilter(const QStringList &filters)
{
    QStringList parts;
    for (const QString &filter : filters) {
        const qsizetype bar = filter.indexOf(QLatin1Char('|'));
        if (bar < 0) {
            parts << filter;
            continue;
        }
        parts << filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
    }
    return parts.join(QStringLiteral(";;"));
}

QString QtPrompter::withSelectedSuffix(const QString &path, const QString &selectedQtFilter)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    const qsizetype star = selectedQtFilter.indexOf(QStringLiteral("*."));
    if (star < 0)
        return path;
    QString suffix = selectedQtFilter.mid(star + 2);
    const qsizetype end = suffix.indexOf(QRegularExpression(QStringLiteral("[ );]")));
    if (end >= 0)
        suffix.truncate(end);
    if (suffix.isEmpty() || suffix.contains(QLatin1Char('*')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

void QtPrompter::message(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtPrompter::confirm(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::input(const QString &caption, const QString &prompt,
                                         const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompter::savePath(const QString &title, const QStringList &filters,
                             const QString &initialName)
{
    // The program settles the extension itself and asks before replacing a file once it knows
    // the name it will really write (files/ReplaceQuestion.h); a second question here would ask
    // about another name.
    // Which type the user chose is only known here: the name gets its extension before the
    // program decides what to write (a chart or map without one would be refused).
    const QString qtFilters = qtFilter(filters);
    QString selected = qtFilters.section(QStringLiteral(";;"), 0, 0);
    const QString chosen = QFileDialog::getSaveFileName(parent_, title, initialName, qtFilters, &selected,
                                                        QFileDialog::DontConfirmOverwrite);
    return withSelectedSuffix(chosen, selected);
}

QString QtPrompter::openPath(const QString &title, const QStringList &filters)
{
    return QFileDialog::getOpenFileName(parent_, title, QString(), qtFilter(filters));
}

void QtPrompter::beep() { QApplication::beep(); }

} // namespace zindle
