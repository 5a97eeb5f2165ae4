// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design file's items (Integer, String, Real) as a reader consumes them, whether they come
// from the binary layout or one per line from an older text file. One reader of the design's
// items then serves both layouts.

#include "FileErrors.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zindle {

class ItemSource {
public:
    virtual ~ItemSource() = default;
    virtual int readInteger() = 0;
    // Every String is stripped of trailing blanks and control characters.
    virtual QString readString() = 0;
    virtual float readReal() = 0;
};

// Strings are single-byte text; trailing blanks and control characters are dropped.
QString decodeFileText(const QByteArray &bytes);

class BinaryItemSource : public ItemSource {
public:
    explicit BinaryItemSource(const QByteArray &bytes) : bytes_(bytes) {}
    int readInteger() override;
    QString readString() override;
    float readReal() override;
    // The raw String without stripping, for comparing the version marker.
    QByteArray readRawString();
    qsizetype remaining() const { return bytes_.size() - pos_; }

private:
    const QByteArray &bytes_;
    qsizetype pos_ = 0;
};

class TextItemSource : public ItemSource {
public:
    explicit TextItemSource(const QByteArray &bytes);
    int readInteger() override;
    QString readString() override;
    float readReal() override;
    QString readLine(); // the whole line, unstripped
    void rewind() { next_ = 0; }
    bool atEnd() const { return next_ >= lines_.size(); }
    int lineNumber() const { return next_; }

private:
    QList<QByteArray> lines_;
    int next_ = 0;
};

} // namespace zindle
