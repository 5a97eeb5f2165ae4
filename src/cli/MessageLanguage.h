// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language zindle-cli speaks to a person on standard error. Only its messages are
// translated: the pages, charts, tables and sentences it prints or writes are data, which the
// lower layers word in the window's language once a translator of all texts is installed, so
// the command line installs one that answers for messages alone.

#include <QString>

class QCoreApplication;

namespace zindle::cli {

// Whether texts of this translation context are messages to a person: the command line's own
// (context "Cli" or "...Command") and the few lower-layer refusals it passes on.
bool isMessageContext(const char *context);

// Installs the translation of `code` (an offered language) from `folder` for the message
// contexts; English needs none. Returns a line for a person when the translation is missing.
QString installMessageLanguage(QCoreApplication &application, const QString &code, const QString &folder);

} // namespace zindle::cli
