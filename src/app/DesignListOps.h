// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations of the design list (select, new, open, save, rename, remove, convert and the
// unsaved-changes prompt) as logic without widgets: they change the workspace and ask the user
// through a Prompter. The desktop program calls them from its buttons and menus and then copies
// the workspace into its widgets.

#include "files/FileErrors.h"
#include "model/Prompter.h"
#include "app/Workspace.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace zindle {

enum class PromptAnswer {
    SavedAsNew, SavedInPlace, NoBuiltIn, NoRemoved, AlreadySaved, // go on
    SaveCancelled, PromptCancelled,                                // stay
};
bool goesOn(PromptAnswer answer);

class DesignListOps {
public:
    // `designRebuilt` runs whenever the current design was rebuilt and Design mode must be
    // entered and refreshed; the desktop program switches mode and redraws there.
    DesignListOps(Workspace &workspace, Prompter &prompter,
                  std::function<void()> designRebuilt = {});

    PromptAnswer PromptUnsaved();
    // The save dialog; the chosen name always ends in ".zndl", and a file of that name is
    // replaced only when the user says so. Empty when cancelled.
    QString AskSavePath();
    // Save without prompt. Returns whether a file was written.
    bool SaveCurrent();
    // Choosing item `chosen` of the design list.
    void ChangeDesignWithPrompt(int chosen);
    void ChangeDesign(int chosen);
    bool NewDesign();
    bool OpenDesign();
    // Open without the file dialog: a file named on the command line, dropped on the window,
    // chosen from the recent files or from the class results.
    bool OpenDesignFile(const QString &path);
    void RenameDesign();
    // Removes the current entry after asking; the list then selects the Default design and
    // that design is loaded, so that list, sheet and memory agree.
    void RemoveDesign();
    // "Convert" in the conversion dialog: reads an older text file and saves it again.
    void ConvertDesign();
    // Quit or closing the window: whether the program may end.
    bool MayQuit();

    // The initial file name the save dialog proposes for the current design.
    QString proposedFileName() const;
    // The same in the folder of the design's own file, when it has one.
    QString proposedSavePath() const;

    // Runs with the path of every design file read or written successfully (the recent files).
    std::function<void(const QString &path)> fileUsed;
    // Runs with the path after the current design was written there (its journal follows it).
    std::function<void(const QString &path)> designSaved;

private:
    bool refuseWhenFull();
    void reportFileError(const QString &text);
    void rebuilt();
    void saveTo(const QString &path, int slot);
    void used(const QString &path);

    Workspace &workspace_;
    Prompter &prompter_;
    std::function<void()> designRebuilt_;
};

// Message texts of the design list, shared with the tests; made when asked, in the language
// installed by then.
namespace ListMessages {
// The question names the design: a student with several open is otherwise unsure which one.
inline QString NotSaved(const QString &designName)
{
    return QCoreApplication::translate("ListMessages", "Current design \"%1\" is not saved. Save it?").arg(designName);
}
inline QString CannotRename()
{
    return QCoreApplication::translate("ListMessages",
                                       "Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be renamed.\n"
                                       "However, you may save this design under a different name.");
}
inline QString CannotRemove()
{
    return QCoreApplication::translate(
        "ListMessages", "Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be deleted from the list.");
}
inline QString NameRevised()
{
    return QCoreApplication::translate(
        "ListMessages",
        "The name you suggested has been revised to eliminate any commas (,), slashes (\\ or /), or colons (:).");
}
inline QString NameTooLong()
{
    return QCoreApplication::translate("ListMessages", "The car name must be 32 characters or less. ");
}
inline QString SureToRemove()
{
    return QCoreApplication::translate("ListMessages", "Are you sure that you wish to remove this design from the list?");
}
inline QString ListFull()
{
    return QCoreApplication::translate(
        "ListMessages", "The design list is full (257 designs).  Remove a design from the list before you add another.");
}
} // namespace ListMessages

} // namespace zindle
