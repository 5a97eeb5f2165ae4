// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignListOps.h"

#include "DesignFileOpen.h"
#include "files/DesignFile.h"
#include "files/ReplaceQuestion.h"
#include "files/TextDesignFile.h"
#include "model/BuiltInDesigns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesignListOps)
};

// Made when asked, so that they speak the language installed by then.
QStringList openFilters() { return {QStringLiteral("Zindle|*.zndl")}; }
QStringList saveFilters()
{
    return {QStringLiteral("Zindle|*.zndl"), Texts::tr("All Files|*.*"), Texts::tr("Zindle Design Portfolio|*.zddp")};
}
QString openTitle() { return Texts::tr("Choose a .zndl file"); }
QString saveTitle() { return Texts::tr("Save car as:"); }
QString sorry() { return Texts::tr("Sorry"); }
QString tryAgainDot() { return Texts::tr("Please try again."); }
QString confirmCaption() { return Texts::tr("Confirm"); }

// Whatever extension the chosen name has becomes ".zndl".
QString withDesignExtension(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    QString stem = path;
    if (!suffix.isEmpty())
        stem.chop(suffix.size() + 1);
    return stem + QStringLiteral(".zndl");
}

QString baseName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    name.chop(5); // ".zndl"
    return name;
}

} // namespace

bool goesOn(PromptAnswer answer)
{
    return answer != PromptAnswer::SaveCancelled && answer != PromptAnswer::PromptCancelled;
}

DesignListOps::DesignListOps(Workspace &workspace, Prompter &prompter,
                             std::function<void()> designRebuilt)
    : workspace_(workspace), prompter_(prompter), designRebuilt_(std::move(designRebuilt))
{
}

void DesignListOps::rebuilt()
{
    if (designRebuilt_)
        designRebuilt_();
}

void DesignListOps::reportFileError(const QString &text) { prompter_.message(text, FileErrorCaption()); }

bool DesignListOps::refuseWhenFull()
{
    if (!workspace_.list.isFull())
        return false;
    prompter_.message(ListMessages::ListFull(), tryAgainDot());
    return true;
}

void DesignListOps::used(const QString &path)
{
    if (fileUsed)
        fileUsed(path);
}

void DesignListOps::saveTo(const QString &path, int slot)
{
    const WriteOutcome outcome = SaveDesign(workspace_, path, slot);
    if (!outcome.ok) {
        reportFileError(outcome.shownError());
        return;
    }
    used(path);
    if (designSaved)
        designSaved(path);
}

QString DesignListOps::proposedFileName() const
{
    const QString name = workspace_.list.current().DesignName;
    return workspace_.list.currentIsBuiltIn() ? QStringLiteral("My ") + name + QStringLiteral(".zndl")
                                              : name + QStringLiteral(".zndl");
}

QString DesignListOps::proposedSavePath() const
{
    // A design read from or saved to a file is offered its own folder, not the one the file
    // dialog visited last, where a file of the same name may be another student's.
    const QString path = workspace_.list.current().DesignPath;
    if (path.isEmpty())
        return proposedFileName();
    return QDir(QFileInfo(path).absolutePath()).filePath(proposedFileName());
}

QString DesignListOps::AskSavePath()
{
    return AskPathToWrite(prompter_, saveTitle(), saveFilters(), proposedSavePath(), withDesignExtension);
}

PromptAnswer DesignListOps::PromptUnsaved()
{
    DesignList &list = workspace_.list;
    if (list.current().DesignSaved)
        return PromptAnswer::AlreadySaved;
    const Answer answer = prompter_.confirm(ListMessages::NotSaved(list.current().DesignName), confirmCaption());
    if (answer == Answer::Cancel)
        return PromptAnswer::PromptCancelled;
    if (answer == Answer::No) {
        if (list.currentIsBuiltIn())
            return PromptAnswer::NoBuiltIn;
        list.RemoveSlot(list.CurrentDesign);
        return PromptAnswer::NoRemoved;
    }
    const QString path = AskSavePath();
    if (path.isEmpty())
        return PromptAnswer::SaveCancelled;
    const QString base = baseName(path);
    if (base != list.current().DesignName) {
        // A full list cannot take the new entry; the design is still written under the
        // current slot's name so that nothing is lost.
        const int slot = list.append(base, path, false);
        saveTo(path, slot >= 0 ? slot : list.CurrentDesign);
        return PromptAnswer::SavedAsNew;
    }
    list.current().DesignPath = path;
    saveTo(path, list.CurrentDesign);
    return PromptAnswer::SavedInPlace;
}

bool DesignListOps::SaveCurrent()
{
    const QString path = AskSavePath();
    if (path.isEmpty())
        return false;
    DesignList &list = workspace_.list;
    const QString base = baseName(path);
    if (base == list.current().DesignName) {
        list.current().DesignPath = path;
    } else if (list.currentIsBuiltIn()) {
        if (list.append(base, path, true) < 0)
            prompter_.message(ListMessages::ListFull(), tryAgainDot());
    } else {
        list.current().DesignName = base;
        list.items[list.CurrentDesign] = base;
        list.current().DesignPath = path;
    }
    const WriteOutcome outcome = SaveDesign(workspace_, path, list.CurrentDesign);
    if (!outcome.ok) {
        reportFileError(outcome.shownError());
        return false;
    }
    used(path);
    return true;
}

void DesignListOps::ChangeDesignWithPrompt(int chosen)
{
    DesignList &list = workspace_.list;
    if (chosen == list.CurrentDesign || chosen < 0 || chosen >= list.DesignCount())
        return;
    const int before = list.DesignCount();
    if (!goesOn(PromptUnsaved()))
        return;
    // Answering No for an unsaved new design removed it; the chosen entry may have moved up.
    if (list.DesignCount() < before) {
        ChangeDesign(0);
        return;
    }
    ChangeDesign(chosen);
}

void DesignListOps::ChangeDesign(int chosen)
{
    DesignList &list = workspace_.list;
    if (chosen < 0 || chosen >= list.DesignCount())
        return;
    const int previous = list.CurrentDesign;
    if (chosen < BuiltInDesignCount) {
        list.CurrentDesign = chosen;
        list.current().DesignSaved = true;
        BuildBuiltInDesign(workspace_, chosen);
        rebuilt();
        return;
    }
    const QString path = list.entries[static_cast<size_t>(chosen)].DesignPath;
    if (path.isEmpty()) {
        // A new design never saved: the design in memory stays.
        list.CurrentDesign = chosen;
        list.current().DesignSaved = true;
        return;
    }
    const ReadOutcome outcome = ReadDesignFileOfAnyLayout(workspace_, path);
    if (!outcome.ok()) {
        // The design in memory is still the one before; so is the list's choice, or the next
        // Save would write that design into the file that could not be read.
        reportFileError(outcome.shownError());
        if (previous >= 0 && previous < list.DesignCount())
            list.CurrentDesign = previous;
        return;
    }
    if (!outcome.warning.isEmpty())
        reportFileError(outcome.shownWarning());
    list.CurrentDesign = chosen;
    list.current().DesignName = outcome.name;
    list.current().DesignSaved = true;
    used(path);
    rebuilt();
}

bool DesignListOps::NewDesign()
{
    if (refuseWhenFull())
        return false;
    BuildBuiltInDesign(workspace_, 0);
    DesignList &list = workspace_.list;
    const QString name = newDesignName(workspace_.random);
    list.CurrentDesign = list.append(name, QString(), false);
    rebuilt();
    list.MarkDesignChanged(list.CurrentDesign);
    return true;
}

bool DesignListOps::OpenDesign()
{
    if (refuseWhenFull())
        return false;
    const QString path = prompter_.openPath(openTitle(), openFilters());
    if (path.isEmpty())
        return false;
    return OpenDesignFile(path);
}

bool DesignListOps::OpenDesignFile(const QString &path)
{
    if (refuseWhenFull())
        return false;
    const ReadOutcome outcome = ReadDesignFileOfAnyLayout(workspace_, path);
    if (!outcome.ok()) {
        reportFileError(outcome.shownError());
        return false;
    }
    if (!outcome.warning.isEmpty())
        reportFileError(outcome.shownWarning());
    DesignList &list = workspace_.list;
    list.CurrentDesign = list.append(outcome.name, path, true);
    used(path);
    rebuilt();
    return true;
}

void DesignListOps::RenameDesign()
{
    DesignList &list = workspace_.list;
    if (list.currentIsBuiltIn()) {
        prompter_.message(ListMessages::CannotRename(), sorry());
        return;
    }
    const QString current = list.current().DesignName;
    // After a refusal the box shows what was typed, to be shortened rather than typed again.
    QString proposal = current;
    for (;;) {
        const auto answer = prompter_.input(Texts::tr("Input Box"),
                                            Texts::tr("Please type a new name for %1").arg(current),
                                            proposal);
        if (!answer)
            return;
        QString name = *answer;
        name.remove(QLatin1Char(',')).remove(QLatin1Char('/')).remove(QLatin1Char('\\')).remove(QLatin1Char(':'));
        if (name != *answer)
            prompter_.message(ListMessages::NameRevised(), Texts::tr("Name revised"));
        if (name.isEmpty() || name == current)
            return;
        if (name.size() > 32) {
            prompter_.message(ListMessages::NameTooLong(), tryAgainDot());
            proposal = *answer;
            continue;
        }
        list.current().DesignName = name;
        list.items[list.CurrentDesign] = name;
        list.MarkDesignChanged(list.CurrentDesign);
        return;
    }
}

void DesignListOps::RemoveDesign()
{
    DesignList &list = workspace_.list;
    if (list.currentIsBuiltIn()) {
        prompter_.message(ListMessages::CannotRemove(), sorry());
        return;
    }
    const PromptAnswer answer = PromptUnsaved();
    if (answer == PromptAnswer::NoRemoved) {
        // Answering No took the unsaved design off the list already.
        ChangeDesign(list.CurrentDesign);
        return;
    }
    if (answer != PromptAnswer::SavedAsNew && answer != PromptAnswer::SavedInPlace &&
        answer != PromptAnswer::AlreadySaved)
        return;
    if (prompter_.confirm(ListMessages::SureToRemove(), confirmCaption()) != Answer::Yes)
        return;
    list.RemoveSlot(list.CurrentDesign);
    // The list now selects the first entry; the sheet, the fields and the design in memory
    // follow it, or the removed car would live on under the Default design's name.
    ChangeDesign(list.CurrentDesign);
}

void DesignListOps::ConvertDesign()
{
    if (!goesOn(PromptUnsaved()))
        return;
    const QString path = prompter_.openPath(openTitle(), openFilters());
    if (path.isEmpty())
        return;
    if (refuseWhenFull())
        return;
    const ReadOutcome outcome =
        ReadAllOrNothing(workspace_, [&path](DesignState &scratch) { return ReadTextDesignFile(scratch, path); });
    if (!outcome.ok()) {
        // Nothing usable was read: the design in memory is as it was, and there is nothing to
        // save again.
        reportFileError(outcome.shownError());
        return;
    }
    DesignList &list = workspace_.list;
    list.current().DesignSaved = true;
    // The oldest files carry no name; the file's own name is the best the user can know it by.
    const QString name = outcome.name.isEmpty() ? QFileInfo(path).completeBaseName() : outcome.name;
    list.CurrentDesign = list.append(name, path, true);
    rebuilt();
    SaveCurrent();
}

bool DesignListOps::MayQuit() { return goesOn(PromptUnsaved()); }

} // namespace zindle
