#include "HelpLinks.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace zindle {

namespace {

bool looksLikeHelpFolder(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/index.html")) &&
           QFileInfo::exists(folder + QStringLiteral("/help/index.html"));
}

} // namespace

QString findHelpFolder(const QString &applicationDir)
{
    const QString installed = QDir::cleanPath(applicationDir + QStringLiteral("/../share/zindle/help"));
    if (looksLikeHelpFolder(installed))
        return installed;
    // Run from a build folder somewhere below the source tree: look upwards for help/.
    QDir dir(applicationDir);
    for (int depth = 0; depth < 6; ++depth) {
        const QString candidate = dir.absoluteFilePath(QStringLiteral("help"));
        if (looksLikeHelpFolder(candidate))
            return QDir::cleanPath(candidate);
        if (!dir.cdUp())
            break;
    }
    return {};
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
