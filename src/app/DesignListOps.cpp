#include "DesignListOps.h"

#include "files/DesignFile.h"
#include "files/TextDesignFile.h"
#include "model/BuiltInDesigns.h"

#include <QFileInfo>

namespace zindle {

namespace {

const QStringList OpenFilters = {QStringLiteral("Zindle|*.zndl")};
const QStringList SaveFilters = {QStringLiteral("Zindle|*.zndl"), QStringLiteral("All Files|*.*"),
                                 QStringLiteral("Zindle Design Portfolio|*.zddp")};
const QString OpenTitle = QStringLiteral("Choose a .zndl file");
const QString SaveTitle = QStringLiteral("Save car as:");
const QString Sorry = QStringLiteral("Sorry");
const QString TryAgainDot = QStringLiteral("Please try again.");
const QString Confirm = QStringLiteral("Confirm");

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

void DesignListOps::reportFileError(const QString &text) { prompter_.message(text, FileErrorCaption); }

bool DesignListOps::refuseWhenFull()
{
    if (!workspace_.list.isFull())
        return false;
    prompter_.message(ListMessages::ListFull, TryAgainDot);
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
    if (!outcome.ok)
        reportFileError(outcome.error);
    else
        used(path);
}

QString DesignListOps::proposedFileName() const
{
    const QString name = workspace_.list.current().DesignName;
    return workspace_.list.currentIsBuiltIn() ? QStringLiteral("My ") + name + QStringLiteral(".zndl")
                                              : name + QStringLiteral(".zndl");
}

QString DesignListOps::AskSavePath()
{
    const QString chosen = prompter_.savePath(SaveTitle, SaveFilters, proposedFileName());
    return chosen.isEmpty() ? QString() : withDesignExtension(chosen);
}

PromptAnswer DesignListOps::PromptUnsaved()
{
    DesignList &list = workspace_.list;
    if (list.current().DesignSaved)
        return PromptAnswer::AlreadySaved;
    const Answer answer = prompter_.confirm(ListMessages::NotSaved, Confirm);
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
            prompter_.message(ListMessages::ListFull, TryAgainDot);
    } else {
        list.current().DesignName = base;
        list.items[list.CurrentDesign] = base;
        list.current().DesignPath = path;
    }
    const WriteOutcome outcome = SaveDesign(workspace_, path, list.CurrentDesign);
    if (!outcome.ok) {
        reportFileError(outcome.error);
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
    list.CurrentDesign = chosen;
    list.current().DesignSaved = true;
    if (chosen < BuiltInDesignCount) {
        BuildBuiltInDesign(workspace_, chosen);
        rebuilt();
        return;
    }
    const QString path = list.current().DesignPath;
    if (path.isEmpty())
        return; // a new design never saved: the design in memory stays
    PrepareForFileRead(workspace_);
    ReadOutcome outcome = ReadBinaryDesignFile(workspace_, path);
    if (outcome.status == ReadStatus::NotADesign) {
        // Not the binary layout: it may be a text file of an earlier release.
        PrepareForFileRead(workspace_);
        outcome = ReadTextDesignFile(workspace_, path);
    }
    if (outcome.status == ReadStatus::Failed)
        reportFileError(outcome.error);
    else if (!outcome.warning.isEmpty())
        reportFileError(outcome.warning);
    list.current().DesignName = outcome.ok() ? outcome.name : QString();
    list.current().DesignSaved = true;
    if (outcome.ok())
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
    const QString path = prompter_.openPath(OpenTitle, OpenFilters);
    if (path.isEmpty())
        return false;
    return OpenDesignFile(path);
}

bool DesignListOps::OpenDesignFile(const QString &path)
{
    if (refuseWhenFull())
        return false;
    PrepareForFileRead(workspace_);
    const ReadOutcome outcome = ReadBinaryDesignFile(workspace_, path);
    if (!outcome.ok()) {
        // The design in memory is now the fresh design the read started from; say why.
        reportFileError(outcome.error);
        rebuilt();
        return false;
    }
    if (!outcome.warning.isEmpty())
        reportFileError(outcome.warning);
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
        prompter_.message(ListMessages::CannotRename, Sorry);
        return;
    }
    for (;;) {
        const QString current = list.current().DesignName;
        const auto answer = prompter_.input(QStringLiteral("Input Box"),
                                            QStringLiteral("Please type a new name for ") + current,
                                            current);
        if (!answer)
            return;
        QString name = *answer;
        name.remove(QLatin1Char(',')).remove(QLatin1Char('/')).remove(QLatin1Char('\\')).remove(QLatin1Char(':'));
        if (name != *answer)
            prompter_.message(ListMessages::NameRevised, QStringLiteral("Name revised"));
        if (name.isEmpty() || name == current)
            return;
        if (name.size() > 32) {
            prompter_.message(ListMessages::NameTooLong, TryAgainDot);
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
        prompter_.message(ListMessages::CannotRemove, Sorry);
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
    if (prompter_.confirm(ListMessages::SureToRemove, Confirm) != Answer::Yes)
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
    const QString path = prompter_.openPath(OpenTitle, OpenFilters);
    if (path.isEmpty())
        return;
    DesignList &list = workspace_.list;
    list.current().DesignSaved = true;
    PrepareForFileRead(workspace_);
    const ReadOutcome outcome = ReadTextDesignFile(workspace_, path);
    if (outcome.ok()) {
        if (refuseWhenFull())
            return;
        // The oldest files carry no name; the file's own name is the best the user can know it by.
        const QString name = outcome.name.isEmpty() ? QFileInfo(path).completeBaseName() : outcome.name;
        list.CurrentDesign = list.append(name, path, true);
        rebuilt();
    } else {
        reportFileError(outcome.error);
        // Nothing usable was read: there is nothing to save again.
        return;
    }
    SaveCurrent();
}

bool DesignListOps::MayQuit() { return goesOn(PromptUnsaved()); }

} // namespace zindle
