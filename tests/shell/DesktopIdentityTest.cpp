// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop matches the program's windows with its installed entry by name, and shows the
// program's icon on them even where no icon theme holds it.

#include "shell/DesktopIdentity.h"
#include "shell/GuiTestSupport.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

namespace {

TEST(DesktopIdentity, WindowsCarryTheProgramsNameAndIconWithoutAnInstalledTheme)
{
    QIcon::setThemeSearchPaths({});
    zindle::presentToDesktop(QStringLiteral("org.zindle.zindle"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.zindle.zindle"));

    QWidget window;
    const QImage icon = window.windowIcon().pixmap(64, 64).toImage();
    ASSERT_FALSE(icon.isNull()) << "no icon reached the window";
    EXPECT_EQ(icon.size(), QSize(64, 64));
    // A drawing, not an empty square: the middle of the icon is painted.
    EXPECT_GT(qAlpha(icon.pixel(32, 32)), 0);
}

} // namespace
