// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop program's answer to every question the core asks: Qt's standard dialogs, with the
// texts and captions exactly as the core gives them.

#include "model/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace zindle {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }

    void message(const QString &text, const QString &caption) override;
    Answer confirm(const QString &text, const QString &caption) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &initial) override;
    QString savePath(const QString &title, const QStringList &filters,
                     const QString &initialName) override;
    QString openPath(const QString &title, const QStringList &filters) override;
    void beep() override;

    // "Label|*.ext" pairs to Qt's ";;"-separated "Label (*.ext)" form.
    static QString qtFilter(const QStringList &filters);
    // A name chosen without an extension takes that of the type selected in the dialog
    // (`selectedQtFilter` in Qt's form, "PNG picture (*.png)"); "*.*" adds none.
    static QString withSelectedSuffix(const QString &path, const QString &selectedQtFilter);

private:
    QPointer<QWidget> parent_;
};

} // namespace zindle
