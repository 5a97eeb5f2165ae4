// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpLinks.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zindle {

namespace {

bool looksLikeHelpFolder(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/index.html")) &&
           QFileInfo::exists(folder + QStringLiteral("/help/index.html"));
}

} // namespace

QString findHelpFolder(const QString &applicationDir, const QString &sourceHelpFolder, QStringList *looked)
{
    const auto tryFolder = [looked](const QString &folder) {
        const QString clean = QDir::cleanPath(folder);
        if (looked && !looked->contains(clean))
            looked->append(clean);
        return looksLikeHelpFolder(clean);
    };
    const QString installed = applicationDir + QStringLiteral("/../share/zindle/help");
    if (tryFolder(installed))
        return QDir::cleanPath(installed);
    // A build folder anywhere: the source tree it was configured from knows the pages.
    if (!sourceHelpFolder.isEmpty() && tryFolder(sourceHelpFolder))
        return QDir::cleanPath(sourceHelpFolder);
    // A build folder below a source tree that has moved since: look upwards for help/.
    QDir dir(applicationDir);
    for (int depth = 0; depth < 6; ++depth) {
        const QString candidate = dir.absoluteFilePath(QStringLiteral("help"));
        if (tryFolder(candidate))
            return QDir::cleanPath(candidate);
        if (!dir.cdUp())
            break;
    }
    return {};
}

QString findHelpFolder(const QString &applicationDir)
{
#ifdef ZINDLE_SOURCE_HELP_DIR
    const QString sourceHelpFolder = QStringLiteral(ZINDLE_SOURCE_HELP_DIR);
#else
    const QString sourceHelpFolder;
#endif
    QStringList looked;
    const QString folder = findHelpFolder(applicationDir, sourceHelpFolder, &looked);
    if (folder.isEmpty()) {
        // Help links will open nothing; say where the pages were expected, once.
        QTextStream err(stderr);
        err << "zindle: help pages not found; looked in:\n";
        for (const QString &tried : looked)
            err << "  " << QDir::toNativeSeparators(tried) << '\n';
        err.flush();
    }
    return folder;
}

QUrl HelpLinks::url(const QString &sitePath) const
{
    QString relative = sitePath;
    if (relative.isEmpty() || relative.endsWith(QLatin1Char('/')))
        relative += QStringLiteral("index.html");
    return QUrl::fromLocalFile(QDir::cleanPath(folder_ + QLatin1Char('/') + relative));
}

void HelpLinks::open(const QString &sitePath) const
{
    if (folder_.isEmpty())
        return;
    const QUrl address = url(sitePath);
    if (launcher)
        launcher(address);
    else
        QDesktopServices::openUrl(address);
}

} // namespace zindle
