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
    setWindowTitle(tr("Convert to 4.1 file format"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    // One text, so that a translation breaks its lines where its own language needs them.
    layout->addWidget(new QLabel(tr("This feature converts old car files to a new format for\n"
                                    "use with Zindle 4.1.  You will first be asked to locate\n"
                                    "a .zndl file from a previous version of Zindle.  Then,\n"
                                    "you will be asked to resave it.  To proceed, press \"Convert\"."),
                                 this));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *convert = new QPushButton(tr("Convert"), this);
    convert->setObjectName(QStringLiteral("ConvertBtn"));
    convert->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CVCancelBtn"));
    buttons->addWidget(convert);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(convert, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace zindle
