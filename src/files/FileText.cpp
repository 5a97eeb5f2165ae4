// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileText.h"

#include "PathText.h"

#include <QCoreApplication>

namespace zindle {

FileText FileText::plain(const QString &text)
{
    FileText made;
    made.plain_ = text;
    return made;
}

FileText &FileText::arg(const QString &value)
{
    values_.push_back({value, nullptr});
    return *this;
}

FileText &FileText::arg(long long value) { return arg(QString::number(value)); }

FileText &FileText::arg(const FileText &part)
{
    values_.push_back({QString(), std::make_shared<const FileText>(part)});
    return *this;
}

FileText FileText::printable() const
{
    FileText made = *this;
    made.plain_ = printableText(plain_);
    for (Value &value : made.values_) {
        if (value.part)
            value.part = std::make_shared<const FileText>(value.part->printable());
        else
            value.data = printableText(value.data);
    }
    return made;
}

const FileText *FileText::part(size_t index) const
{
    return index < values_.size() ? values_[index].part.get() : nullptr;
}

QString FileText::said(bool translated) const
{
    if (!source_)
        return plain_;
    const QString pattern =
        translated ? QCoreApplication::translate(context_, source_) : QString::fromUtf8(source_);
    // One pass over the pattern, so that a value holding "%2" (a file name may) stays as it is.
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1] >= QLatin1Char('1')
            && pattern[i + 1] <= QLatin1Char('9')) {
            const size_t index = static_cast<size_t>(pattern[i + 1].unicode() - '1');
            if (index < values_.size()) {
                const Value &value = values_[index];
                text += value.part ? value.part->said(translated) : value.data;
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace zindle
