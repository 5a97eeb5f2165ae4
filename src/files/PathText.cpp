// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathText.h"

namespace zindle {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool isEscapedByte(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

// Length of the valid UTF-8 sequence at `at`, or 0 when the byte there does not start one.
int validSequenceLength(const QByteArray &bytes, qsizetype at, char32_t &codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not valid UTF-8.
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString pathFromBytes(const QByteArray &bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        const int length = validSequenceLength(bytes, at, codePoint);
        if (length == 0) {
            path.append(QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        path.append(QString::fromUcs4(&codePoint, 1));
        at += length;
    }
    return path;
}

QByteArray pathToBytes(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        if (isEscapedByte(unit)) {
            bytes.append(static_cast<char>(unit - EscapeBase));
            continue;
        }
        qsizetype length = 1;
        if (QChar::isHighSurrogate(unit) && i + 1 < path.size() && path[i + 1].isLowSurrogate())
            length = 2;
        bytes.append(QStringView(path).mid(i, length).toUtf8());
        i += length - 1;
    }
    return bytes;
}

QString printableText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (isEscapedByte(unit))
            shown += QStringLiteral("\\x%1").arg(unit - EscapeBase, 2, 16, QLatin1Char('0'));
        else if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(int(unit), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace zindle
