// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A troff manual page (man(7) macros) made from the command line's own help texts, so that the
// installed page and `--help` never disagree.

#include <QString>
#include <QStringList>
#include <vector>

namespace zindle::cli {

struct ManPageSection {
    QString title; // a subsection heading, e.g. a command's name
    QString text;  // help text as printed: prose lines, and indented lines kept as laid out
};

struct ManPageSource {
    QString program;      // e.g. "zindle-cli"
    QString version;      // e.g. "4.1.0"
    QString summary;      // the one line after the name in NAME
    QStringList synopsis; // one invocation per line, words separated by spaces
    QString description;  // help text of the program as a whole
    QString options;      // help text of the options every invocation takes
    std::vector<ManPageSection> commands;
    QStringList seeAlso;  // "zindle(1)"
};

// Text escaped for troff: backslashes, leading control characters, and the hyphens of options
// (which must stay plain ASCII hyphens when copied from a rendered page).
QString troffEscaped(const QString &text);
// The whole page, section 1.
QString manPage(const ManPageSource &source);

} // namespace zindle::cli
