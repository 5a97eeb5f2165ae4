// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program remembers between runs, in the platform's settings store: the design files
// used last (newest first, at most ten), the main window's size and place, whether the sheet
// is painted in high contrast, the language chosen in the window, and the last choices of the
// cut file export (the lab's machine and board). The designs
// themselves and their list are not remembered.

#include "dialogs/CutExportDialog.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

class QSettings;

namespace zindle {

class WindowMemory {
public:
    static constexpr int RecentFileCount = 10;

    // The program's own entry in the user's settings store.
    WindowMemory();
    explicit WindowMemory(std::unique_ptr<QSettings> settings);
    ~WindowMemory();

    QStringList recentFiles() const;
    // Puts `path` first; the same file named another way (relative, through a link) counts once.
    void addRecentFile(const QString &path);
    void removeRecentFile(const QString &path);
    void clearRecentFiles();

    // Empty until a window was closed once.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);

    // Off until chosen once.
    bool highContrastSheet() const;
    void setHighContrastSheet(bool on);

    // The language chosen in Setup, a code such as "de"; empty follows the desktop.
    QString language() const;
    void setLanguage(const QString &code);

    // The defaults until exported once; a value that does not read back (another version, a
    // hand-edited store) falls back to its default alone.
    CutExportChoices cutExportChoices() const;
    void setCutExportChoices(const CutExportChoices &choices);

private:
    void storeRecent(const QStringList &files);
    std::unique_ptr<QSettings> settings_;
};

} // namespace zindle
