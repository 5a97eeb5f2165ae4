// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemSource.h"

#include "model/NumberText.h"

#include <QtEndian>

namespace zindle {

QString decodeFileText(const QByteArray &bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && static_cast<unsigned char>(bytes[end - 1]) <= ' ')
        --end;
    return QString::fromLatin1(bytes.constData(), end);
}

int BinaryItemSource::readInteger()
{
    if (bytes_.size() - pos_ < 4)
        throw DesignFileError(
            FileText(QT_TRANSLATE_NOOP("FileErrors", "the file ends before the design does (at byte %1)")).arg(pos_));
    const auto value = qFromLittleEndian<qint32>(bytes_.constData() + pos_);
    pos_ += 4;
    return value;
}

QByteArray BinaryItemSource::readRawString()
{
    // Only the low 16 bits of the length count, taken as signed: a length whose low bits are zero
    // or negative reads no text. Files written so far rely on nothing else.
    const int declared = readInteger();
    const qint16 length = static_cast<qint16>(static_cast<quint32>(declared) & 0xFFFFu);
    if (length <= 0)
        return {};
    if (bytes_.size() - pos_ < length)
        throw DesignFileError(
            FileText(QT_TRANSLATE_NOOP("FileErrors", "a text of %1 bytes at byte %2 runs past the end of the file"))
                .arg(length)
                .arg(pos_ - 4));
    QByteArray text = bytes_.mid(pos_, length);
    pos_ += length;
    return text;
}

QString BinaryItemSource::readString() { return decodeFileText(readRawString()); }

float BinaryItemSource::readReal()
{
    const qsizetype at = pos_;
    const QString text = readString();
    const auto value = parseFloat(text);
    if (!value)
        throw DesignFileError(
            FileText(QT_TRANSLATE_NOOP("FileErrors", "\"%1\" at byte %2 is not a number")).arg(text.left(40)).arg(at));
    return *value;
}

TextItemSource::TextItemSource(const QByteArray &bytes)
{
    lines_ = bytes.split('\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast(); // the newline that ends the last line
    for (QByteArray &line : lines_)
        if (line.endsWith('\r'))
            line.chop(1);
}

QString TextItemSource::readLine()
{
    if (next_ >= lines_.size())
        throw DesignFileError(
            FileText(QT_TRANSLATE_NOOP("FileErrors", "the file ends before the design does (after line %1)"))
                .arg(next_));
    return QString::fromLatin1(lines_[next_++]);
}

int TextItemSource::readInteger()
{
    const QString line = readLine();
    const auto value = parseInteger(line);
    if (!value)
        throw DesignFileError(
            FileText(QT_TRANSLATE_NOOP("FileErrors", "line %1 should hold a whole number but holds \"%2\""))
                                  .arg(next_)
                                  .arg(line.left(40)));
    return *value;
}

QString TextItemSource::readString()
{
    const QString line = readLine();
    return decodeFileText(line.toLatin1());
}

float TextItemSource::readReal()
{
    const QString line = readLine();
    const auto value = parseFloat(line);
    if (!value)
        throw DesignFileError(FileText(QT_TRANSLATE_NOOP("FileErrors", "line %1 should hold a number but holds \"%2\""))
                                  .arg(next_)
                                  .arg(line.left(40)));
    return *value;
}

} // namespace zindle
