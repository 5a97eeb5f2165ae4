// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message about a file kept as its source text and its values, so that the same message can
// be said in English, as the command line, the files and the tests keep it, and in the window's
// language. A value is data (a name, a number, a path: never translated) or a message of its own
// (a place in the file such as "heat 3", a reason inside "Cannot read ...").

#include <QString>
#include <memory>
#include <vector>

namespace zindle {

class FileText {
public:
    FileText() = default;
    // `source` is marked QT_TRANSLATE_NOOP("FileErrors", ...) and lives as long as the program.
    explicit FileText(const char *source) : source_(source) {}
    // A sentence marked in another context, such as a rule of a model type said inside a read error.
    FileText(const char *context, const char *source) : context_(context), source_(source) {}
    // A text that is the same in every language, e.g. the system's reason for a failed open.
    static FileText plain(const QString &text);

    // Fill the next placeholder, %1 first.
    FileText &arg(const QString &value);
    FileText &arg(long long value);
    FileText &arg(const FileText &part);

    QString english() const { return said(false); }
    QString shown() const { return said(true); }
    bool isEmpty() const { return !source_ && plain_.isEmpty(); }
    // The same with control characters in its values and plain text shown as \xNN (PathText.h).
    FileText printable() const;
    // The message given for placeholder %(index + 1); null when it holds data or nothing.
    const FileText *part(size_t index) const;

private:
    struct Value {
        QString data;
        std::shared_ptr<const FileText> part;
    };
    QString said(bool translated) const;

    const char *context_ = "FileErrors";
    const char *source_ = nullptr;
    QString plain_;
    std::vector<Value> values_;
};

} // namespace zindle
