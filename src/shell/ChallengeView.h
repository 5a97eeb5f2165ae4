// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The challenge the window checks the design against: opened from a file, closed, written in
// the editor. The challenge is the window's, not the design's: it never goes into a design file,
// and it stays while designs come and go. Its checklist stands right of the sheet while one is
// open, and the sheet is scaled into the room left.

#include "model/Challenge.h"

#include <QString>
#include <memory>

class QAction;
class QBoxLayout;

namespace zindle {

class ChallengeChecklist;
class MainWindow;

class ChallengeView {
public:
    // Puts its items in the window's File menu and its checklist, hidden, at the end of `sheetRow`.
    ChallengeView(MainWindow &window, QBoxLayout &sheetRow);

    // File > Open Challenge...: asks for the file, then OpenChallengeFile.
    void OpenChallenge();
    // A file that cannot be read is named in a message and the challenge open before stays.
    bool OpenChallengeFile(const QString &path);
    void CloseChallenge();
    // The editor, empty or with the open challenge; what it saves becomes the open challenge.
    void NewChallenge();
    void EditChallenge();

    const std::shared_ptr<const Challenge> &challenge() const { return challenge_; }
    QString path() const { return path_; }
    ChallengeChecklist *checklist() const { return checklist_; }
    // The pixels the checklist takes from the sheet's width (none while no challenge is open).
    int besideSheetWidth() const;

private:
    void edit(const Challenge &start, const QString &path);
    void take(std::shared_ptr<const Challenge> challenge, const QString &path);

    MainWindow &window_;
    std::shared_ptr<const Challenge> challenge_;
    QString path_;
    ChallengeChecklist *checklist_ = nullptr;
    QAction *close_ = nullptr;
    QAction *edit_ = nullptr;
};

} // namespace zindle
