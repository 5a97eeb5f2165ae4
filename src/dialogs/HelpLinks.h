// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help pages the program opens in the user's browser. The help site is the folder of HTML
// pages shipped with the program; a site path such as "/help/h-totalmass.html" is a file below
// that folder, and a path ending in "/" means the folder's index.html.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace zindle {

// The help folder, looked for in this order: share/zindle/help beside an installed program, the
// source tree's help/ the build was configured from (`sourceHelpFolder`, empty when unknown),
// and a help/ folder in the program's folder or one of its parents. Empty when none is found;
// `looked`, when given, receives every folder tried.
QString findHelpFolder(const QString &applicationDir, const QString &sourceHelpFolder,
                       QStringList *looked = nullptr);
// The same with the source folder this program was built from, and a note on standard error
// naming the folders tried when none holds the pages.
QString findHelpFolder(const QString &applicationDir);

class HelpLinks {
public:
    explicit HelpLinks(QString folder) : folder_(std::move(folder)) {}

    const QString &folder() const { return folder_; }
    // The address of a site path, e.g. "/forum/" -> file:///.../help/forum/index.html.
    QUrl url(const QString &sitePath) const;
    // Hands the page to the browser. A failed launch changes nothing and says nothing.
    void open(const QString &sitePath) const;

    // What opens an address; QDesktopServices::openUrl unless a test puts something else here.
    std::function<bool(const QUrl &)> launcher;

private:
    QString folder_;
};

} // namespace zindle
