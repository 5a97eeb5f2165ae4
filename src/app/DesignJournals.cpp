// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignJournals.h"

#include <algorithm>

#include "app/ResultsOwner.h"
#include "app/Workspace.h"
#include "files/DesignFile.h"
#include "files/JournalFile.h"

#include <QFileInfo>
#include <QTimeZone>

namespace zindle {

namespace {

// The fields hold display text ("3.45", "[2.10]" for a car short of 15 ft) always written in
// the C locale's digits, which QString::toDouble reads whatever the user's locale.
std::optional<double> fieldNumber(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
        text = text.mid(1, text.size() - 2);
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString keyOf(const DesignList &list)
{
    const QString &path = list.current().DesignPath;
    if (!path.isEmpty())
        return QStringLiteral("file:") + QFileInfo(path).absoluteFilePath();
    return QStringLiteral("name:") + list.shownName(list.CurrentDesign);
}

} // namespace

JournalVersion JournalVersionOf(const Workspace &workspace, const QDateTime &when)
{
    JournalVersion version;
    // The file keeps whole seconds; a version read back compares equal to the one kept.
    version.when = QDateTime::fromSecsSinceEpoch(when.toSecsSinceEpoch(), QTimeZone::utc());
    version.design = EncodeDesign(workspace.design, workspace.catalogue, QString());
    const ResultFields &results = workspace.results;
    version.timeS = fieldNumber(results.TimeEF);
    version.reaches15ft = version.timeS && !results.TimeEF.trimmed().startsWith(QLatin1Char('['));
    version.topSpeedFtS = fieldNumber(results.TopSpeedEF);
    version.massLb = fieldNumber(results.ProjectedMassEF);
    return version;
}

const DesignJournals::Entry &DesignJournals::current() const
{
    static const Entry none;
    const auto it = entries_.find(key_);
    return it == entries_.end() ? none : it->second;
}

DesignJournals::Entry DesignJournals::load(const QString &designPath) const
{
    Entry entry;
    entry.path = JournalPathOf(QFileInfo(designPath).absoluteFilePath());
    JournalRead read = ReadJournal(entry.path);
    if (read.ok)
        entry.journal = std::move(read.journal);
    else
        entry.readError = read.errorText;
    return entry;
}

bool DesignJournals::renamed(const QString &key) const
{
    const QString unsaved = QStringLiteral("name:");
    return key.startsWith(unsaved) && key_.startsWith(unsaved) && key != key_;
}

bool DesignJournals::follow(const DesignList &list)
{
    const QString key = keyOf(list);
    const bool sameSlot = list.CurrentDesign == slot_;
    const bool changed = key != key_ && !(sameSlot && renamed(key));
    if (entries_.find(key) == entries_.end()) {
        const QString &designPath = list.current().DesignPath;
        // A design without a file is known by its name: renamed, it keeps its journal.
        if (sameSlot && renamed(key) && entries_.find(key_) != entries_.end()) {
            entries_[key] = std::move(entries_[key_]);
            entries_.erase(key_);
            entries_[key].journal.designName.clear();
        } else {
            entries_[key] = designPath.isEmpty() ? Entry{} : load(designPath);
        }
    }
    key_ = key;
    slot_ = list.CurrentDesign;
    Entry &entry = current();
    if (entry.journal.designName.isEmpty())
        entry.journal.designName = list.shownName(list.CurrentDesign);
    return changed;
}

WriteOutcome DesignJournals::write(Entry &entry)
{
    if (entry.path.isEmpty() || !entry.readError.isEmpty())
        return Written();
    return WriteJournal(entry.path, entry.journal);
}

bool DesignJournals::recordRun(const Workspace &workspace, const QDateTime &when, WriteOutcome &written)
{
    written = Written();
    if (ResultsOfCurrentDesign(workspace) != ResultsCoverage::All || workspace.results.TimeEF.trimmed().isEmpty())
        return false;
    Entry &entry = current();
    JournalVersion version = JournalVersionOf(workspace, when);
    if (!entry.journal.versions.empty() && entry.journal.versions.back().design == version.design)
        return false;
    entry.journal.versions.push_back(std::move(version));
    written = write(entry);
    return true;
}

WriteOutcome DesignJournals::setNote(size_t index, const QString &note)
{
    Entry &entry = current();
    if (index >= entry.journal.versions.size() || entry.journal.versions[index].note == note)
        return Written();
    entry.journal.versions[index].note = note;
    return write(entry);
}

WriteOutcome DesignJournals::setAnswer(const QString &prompt, const QString &answer, const QDateTime &when)
{
    Entry &entry = current();
    std::vector<JournalAnswer> &answers = entry.journal.answers;
    const auto found = std::find_if(answers.begin(), answers.end(), [&](const JournalAnswer &a) { return a.prompt == prompt; });
    if (found == answers.end())
        answers.push_back({prompt, answer, when.toUTC()});
    else if (found->answer == answer)
        return Written();
    else
        *found = {prompt, answer, when.toUTC()};
    return write(entry);
}

WriteOutcome DesignJournals::designSaved(const QString &designPath)
{
    const QString key = QStringLiteral("file:") + QFileInfo(designPath).absoluteFilePath();
    Entry saved = current();
    if (key != key_) {
        // The user agreed to replace the design file; a readable journal beside it went with
        // that design. One that cannot be read may be the only copy of a record: it stays.
        Entry there = load(designPath);
        saved.path = there.path;
        saved.readError = there.readError;
    }
    const WriteOutcome outcome = write(saved);
    entries_[key] = std::move(saved);
    key_ = key;
    return outcome;
}

} // namespace zindle
