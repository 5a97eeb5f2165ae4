// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the picture programs save a widget: events processed first, so that what a step
// queued is drawn, and a hidden dialog laid out at its own size.

#include "shell/GuiTestSupport.h"

namespace zindle::test {

inline void saveShot(QWidget *widget, const QString &name)
{
    QApplication::processEvents();
    widget->ensurePolished();
    if (!widget->isVisible())
        widget->adjustSize();
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    EXPECT_TRUE(picture.save(shotFolder() + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();
}

} // namespace zindle::test
