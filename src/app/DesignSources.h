// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The designs of a class, found on the disk: files named on the command line as given, and for
// a folder every ".zndl" file below it. Names travel byte-exact (PathText.h), so a file whose
// name is not valid UTF-8 is read like any other. What is found but must not be opened (a pipe,
// a device, a link to one, a folder that cannot be listed, a path beyond the system's length
// limit) is kept with the reason, so that the standings can say why it was not read instead of
// leaving it out or waiting forever on it.

#include "files/FileText.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zindle {

struct DesignSource {
    QString path;
    FileText refusal; // why it is not opened; empty for a design to read
};

class DesignSources {
public:
    DesignSources() = default;
    // Files to read, as given; a list of paths stands for sources wherever they are asked for.
    DesignSources(const QStringList &paths);

    std::vector<DesignSource> entries;

    QStringList paths() const;

    qsizetype size() const { return static_cast<qsizetype>(entries.size()); }
    bool isEmpty() const { return entries.empty(); }
    const QString &operator[](qsizetype i) const { return entries[static_cast<size_t>(i)].path; }
};

// In a stable order: each argument as given, except that a folder stands for every ".zndl" file
// below it (links to files followed, links to folders not), sorted by path. A file reached twice
// is taken once. Arguments that name nothing are kept, so that the reading reports them.
DesignSources CollectDesignSources(const QStringList &arguments);

} // namespace zindle
