// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class's hand-in folder: design files made from the built-in designs with other springs and
// wheels, so that some cars reach 15 ft and some do not.

#include "app/Workspace.h"
#include "files/DesignFile.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace zindle::test {

// Writes design `index` of a class as `file` in `folder` under the design name `name`; returns
// its path (empty when it could not be written).
inline QString writeClassDesign(const QString &folder, const QString &file, const QString &name, int index)
{
    static const char *const lengths[] = {"36", "48", "30", "42", "54"};
    static const char *const widths[] = {"1.5", "2", "1", "1.75"};
    static const char *const wheels[] = {"4.80", "5.5", "4", "6"};
    Workspace workspace;
    BuildBuiltInDesign(workspace, index % 5);
    workspace.design.SpringLength = QLatin1String(lengths[(index / 5) % 5]);
    workspace.design.SpringWidth = QLatin1String(widths[(index / 25) % 4]);
    workspace.design.DriveWhlDia = QLatin1String(wheels[(index / 3) % 4]);
    const QString path = QDir(folder).filePath(file);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(EncodeDesign(workspace.design, workspace.catalogue, name)) < 0)
        return {};
    return path;
}

// `count` designs named "Car 000", "Car 001", ... in files car000.zndl, ...
inline QStringList writeClassFolder(const QString &folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << writeClassDesign(folder, QStringLiteral("car%1.zndl").arg(i, 3, 10, QLatin1Char('0')),
                                  QStringLiteral("Car %1").arg(i, 3, 10, QLatin1Char('0')), i);
    return paths;
}

} // namespace zindle::test
