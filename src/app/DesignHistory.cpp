// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignHistory.h"

#include "files/DesignFile.h"

#include <QUndoCommand>

namespace zindle {

namespace {

struct SizeName {
    QString DesignRecord::*text;
    const char *name;
};
const SizeName SizeNames[8] = {
    {&DesignRecord::SpringWidth, "spring width"},         {&DesignRecord::SpringLength, "spring length"},
    {&DesignRecord::DriveWhlDia, "drive wheel diameter"}, {&DesignRecord::DriveAxleDia, "drive axle diameter"},
    {&DesignRecord::DriveAxleLength, "drive axle length"}, {&DesignRecord::OtherWhlDia, "other wheel diameter"},
    {&DesignRecord::OtherAxleDia, "other axle diameter"}, {&DesignRecord::OtherAxleLength, "other axle length"}};

} // namespace

DesignSnapshot takeSnapshot(const DesignState &state) { return {state.design, state.catalogue}; }

bool sameDesign(const DesignSnapshot &a, const DesignSnapshot &b)
{
    // The file holds everything the user set; what it leaves out (the weights' hit rectangles,
    // the other-wheel size put aside under all-wheel drive) is redrawn or follows from the rest.
    return EncodeDesign(a.design, a.catalogue, QString()) == EncodeDesign(b.design, b.catalogue, QString());
}

QString sizeStepName(const std::vector<QString DesignRecord::*> &taken)
{
    if (taken.size() == 1)
        for (const SizeName &size : SizeNames)
            if (size.text == taken.front())
                return QStringLiteral("Change ") + QLatin1String(size.name);
    return QStringLiteral("Change sizes");
}

QString sizeChangeName(const DesignRecord &before, const DesignRecord &after)
{
    std::vector<QString DesignRecord::*> changed;
    for (const SizeName &size : SizeNames)
        if (before.*size.text != after.*size.text)
            changed.push_back(size.text);
    return sizeStepName(changed);
}

// One step: the design before and after an action.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(DesignHistory &history, const QString &name, DesignSnapshot before, DesignSnapshot after,
                 StepKind kind)
        : QUndoCommand(name), history_(history), before_(std::move(before)), after_(std::move(after)), kind_(kind)
    {
    }
    int id() const override { return kind_ == StepKind::Plain ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SnapshotStep *>(other);
        if (kind_ != StepKind::SizeTyped || next->kind_ != StepKind::SizeApplied)
            return false;
        after_ = next->after_;
        kind_ = StepKind::SizeApplied;
        setText(next->text());
        return true;
    }
    void undo() override { history_.put(before_); }
    void redo() override
    {
        // Pushing runs redo once; the design is in its after state already.
        if (pushed_) {
            pushed_ = false;
            return;
        }
        history_.put(after_);
    }

private:
    DesignHistory &history_;
    DesignSnapshot before_, after_;
    StepKind kind_;
    bool pushed_ = true;
};

namespace {

DesignSlot *currentSlot(DesignState &state)
{
    DesignList &list = state.list;
    if (list.CurrentDesign < 0 || list.CurrentDesign >= list.DesignCount())
        return nullptr;
    return &list.current();
}

} // namespace

DesignEdit::DesignEdit(DesignHistory *history, DesignSnapshot before, unsigned generation)
    : history_(history), before_(std::move(before)), generation_(generation)
{
    if (const DesignSlot *slot = currentSlot(history->state_)) {
        savedBefore_ = slot->DesignSaved;
        simulatedBefore_ = slot->DesignSimulated;
    }
}

DesignEdit::DesignEdit(DesignEdit &&other) noexcept
    : history_(other.history_), before_(std::move(other.before_)), generation_(other.generation_),
      savedBefore_(other.savedBefore_), simulatedBefore_(other.simulatedBefore_)
{
    other.history_ = nullptr;
}

void DesignEdit::giveBackMarksIfUnchanged()
{
    if (generation_ == history_->generation_ && sameDesign(before_, takeSnapshot(history_->state_)))
        history_->giveBackMarks(savedBefore_, simulatedBefore_);
}

DesignEdit::~DesignEdit()
{
    if (!history_)
        return;
    --history_->openEdits_;
    giveBackMarksIfUnchanged();
    history_->notify();
}

bool DesignEdit::commit(const QString &name, StepKind kind)
{
    if (!history_)
        return false;
    DesignHistory *history = history_;
    history_ = nullptr;
    --history->openEdits_;
    bool pushed = false;
    // A design brought in meanwhile (the list changed under a long action) is not this one.
    if (generation_ == history->generation_) {
        DesignSnapshot after = takeSnapshot(history->state_);
        if (!sameDesign(before_, after)) {
            history->stack_.push(new SnapshotStep(*history, name, std::move(before_), std::move(after), kind));
            pushed = true;
            // A step away from the file is a change, whether or not the action marked it.
            if (DesignSlot *slot = currentSlot(history->state_))
                slot->DesignSaved = false;
        } else {
            history->giveBackMarks(savedBefore_, simulatedBefore_);
        }
    }
    history->notify();
    return pushed;
}

DesignHistory::DesignHistory(DesignState &state) : state_(state)
{
    stack_.setUndoLimit(StepLimit);
    QObject::connect(&stack_, &QUndoStack::indexChanged, [this] { notify(); });
    QObject::connect(&stack_, &QUndoStack::cleanChanged, [this] { notify(); });
}

DesignHistory::~DesignHistory()
{
    changed = nullptr;
    restored = nullptr;
}

DesignEdit DesignHistory::begin()
{
    ++openEdits_;
    notify();
    return DesignEdit(this, takeSnapshot(state_), generation_);
}

TentativeMark DesignHistory::markChangedTentatively()
{
    TentativeMark mark{takeSnapshot(state_), false, false, generation_};
    if (const DesignSlot *slot = currentSlot(state_)) {
        mark.saved = slot->DesignSaved;
        mark.simulated = slot->DesignSimulated;
    }
    state_.MarkDesignChanged();
    notify();
    return mark;
}

void DesignHistory::settle(const TentativeMark &mark)
{
    if (mark.generation == generation_ && sameDesign(mark.before, takeSnapshot(state_)))
        giveBackMarks(mark.saved, mark.simulated);
    notify();
}

void DesignHistory::giveBackMarks(bool saved, bool simulated)
{
    DesignSlot *slot = currentSlot(state_);
    if (!slot)
        return;
    // Marks are only given back, never taken: an action inside another (a click inside a tool)
    // finds the marks the outer one set, which the outer one gives back itself.
    slot->DesignSaved = slot->DesignSaved || saved;
    // A run made meanwhile of the same design counts.
    slot->DesignSimulated = slot->DesignSimulated || simulated;
}

void DesignHistory::put(const DesignSnapshot &snapshot)
{
    state_.design = snapshot.design;
    state_.catalogue = snapshot.catalogue;
}

void DesignHistory::afterMove()
{
    // Any step changes the design the race traces were made from; back at the saved step the
    // design is what its file holds again.
    state_.MarkDesignChanged();
    state_.list.current().DesignSaved = stack_.isClean();
    if (restored)
        restored();
    notify();
}

bool DesignHistory::undo()
{
    if (!canUndo() || moving_)
        return false;
    moving_ = true;
    stack_.undo();
    moving_ = false;
    afterMove();
    return true;
}

bool DesignHistory::redo()
{
    if (!canRedo() || moving_)
        return false;
    moving_ = true;
    stack_.redo();
    moving_ = false;
    afterMove();
    return true;
}

void DesignHistory::clear(bool saved)
{
    ++generation_;
    stack_.clear();
    if (saved)
        stack_.setClean();
    else
        stack_.resetClean();
    notify();
}

void DesignHistory::notify()
{
    if (changed)
        changed();
}

} // namespace zindle
