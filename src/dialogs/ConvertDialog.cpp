// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zindle {

ConvertDialog::ConvertDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCVWin"));
    setWindowTitle(QStringLiteral("Convert to 4.1 file format"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    const QStringList lines = {
        QStringLiteral("This feature converts old car files to a new format for"),
        QStringLiteral("use with Zindle 4.1.  You will first be asked to locate"),
        QStringLiteral("a .zndl file from a previous version of Zindle.  Then,"),
        QStringLiteral("you will be asked to resave it.  To proceed, press \"Convert\"."),
    };
    for (const QString &line : lines)
        layout->addWidget(new QLabel(line, this));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *convert = new QPushButton(QStringLiteral("Convert"), this);
    convert->setObjectName(QStringLiteral("ConvertBtn"));
    convert->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CVCancelBtn"));
    buttons->addWidget(convert);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(convert, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace zindle
