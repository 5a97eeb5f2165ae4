#pragma once
// The help pages the program opens in the user's browser. The help site is the folder of HTML
// pages shipped with the program; a site path such as "/help/h-totalmass.html" is a file below
// that folder, and a path ending in "/" means the folder's index.html.

#include <QString>
#include <QUrl>
#include <functional>

namespace zindle {

// The help folder: share/zindle/help beside an installed program, or the source tree's help/
// when the program runs from its build folder. Empty when neither is found.
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

// The name the start-up window and the Help menu give the help site.
inline const QString HelpSiteName = QStringLiteral("the Zindle help pages");
inline const QString HelpSiteShortName = QStringLiteral("zindle help");

} // namespace zindle
