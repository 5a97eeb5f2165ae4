// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>

namespace zindle {

void presentToDesktop(const QString &desktopId)
{
    QGuiApplication::setDesktopFileName(desktopId);
    QGuiApplication::setWindowIcon(QIcon::fromTheme(desktopId, QIcon(QStringLiteral(":/zindle/icon.svg"))));
}

} // namespace zindle
