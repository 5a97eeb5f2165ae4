// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonFileRead.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>

namespace zindle {

QJsonObject VersionedJsonTop(const QByteArray &bytes, const JsonFileKind &kind)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw BrokenJsonFile{FileText(kind.notJson).arg(parseError.errorString()).arg(parseError.offset)};
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")) != QLatin1String(kind.format))
        throw BrokenJsonFile{FileText(kind.notThisKind)};
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        throw BrokenJsonFile{FileText(kind.noVersion)};
    if (version.toDouble() > kind.version)
        throw BrokenJsonFile{
            FileText(kind.laterVersion).arg(static_cast<long long>(version.toDouble())).arg(kind.version)};
    return top;
}

} // namespace zindle
