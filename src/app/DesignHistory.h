// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the current design. Every step holds the whole design (record and material
// catalogue) as it was before and after one user action: a design is a few kilobytes, so whole
// copies are cheaper to get right than a reverse operation per tool, and an undo gives back
// exactly the state the user saw, whatever the refreshes wrote into the design in between.
//
// An action opens an edit before it touches the design and commits it with its name when done;
// a commit that finds the design as it was (a tool ended without a change) adds no step. The
// history belongs to the design in memory: bringing in another design clears it. The step whose
// state was last saved or read is the clean one; undoing or redoing to it marks the design saved.

#include "model/DesignState.h"

#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <vector>

namespace zindle {

struct DesignSnapshot {
    DesignRecord design;
    MaterialCatalogue catalogue;
};
DesignSnapshot takeSnapshot(const DesignState &state);
// Whether two snapshots would be saved as the same file.
bool sameDesign(const DesignSnapshot &a, const DesignSnapshot &b);

// The name of a step that changed sizes: "Change spring width" for one, "Change sizes" for more.
QString sizeChangeName(const DesignRecord &before, const DesignRecord &after);
// The same for the sizes an action took, whether or not the design held them already.
QString sizeStepName(const std::vector<QString DesignRecord::*> &taken);

class DesignHistory;

// The marks of the current design (saved, simulated) as an action found them when it began to
// mark the design changed ahead of any change (a sheet tool chosen): if the action ends with the
// design as it was, they are given back.
struct TentativeMark {
    DesignSnapshot before;
    bool saved = false, simulated = false;
    unsigned generation = 0;
};

// How a step joins the one before it. A size typed and left goes into the design at once but
// recomputes nothing; the Apply that follows is the same user action, so the two make one step.
enum class StepKind { Plain, SizeTyped, SizeApplied };

// One user action on the design, from before its first change to its end. Closing it without
// a commit (an early return, an exception) drops it.
class DesignEdit {
public:
    DesignEdit(DesignEdit &&other) noexcept;
    DesignEdit &operator=(DesignEdit &&) = delete;
    ~DesignEdit();
    // Adds a step named `name` when the design now differs from what it was; returns whether.
    bool commit(const QString &name, StepKind kind = StepKind::Plain);
    // The design as it was when the action began.
    const DesignSnapshot &before() const { return before_; }

private:
    friend class DesignHistory;
    DesignEdit(DesignHistory *history, DesignSnapshot before, unsigned generation);
    // An action that marked the design changed and changed nothing leaves the marks as it found them.
    void giveBackMarksIfUnchanged();
    DesignHistory *history_;
    DesignSnapshot before_;
    unsigned generation_;
    bool savedBefore_ = false, simulatedBefore_ = false;
};

class DesignHistory {
public:
    static constexpr int StepLimit = 100;

    explicit DesignHistory(DesignState &state);
    ~DesignHistory();

    DesignEdit begin();
    // Runs `action` as one edit named `name`.
    template <class Action> bool record(const QString &name, Action &&action)
    {
        DesignEdit edit = begin();
        action();
        return edit.commit(name);
    }

    bool canUndo() const { return stack_.canUndo() && openEdits_ == 0; }
    bool canRedo() const { return stack_.canRedo() && openEdits_ == 0; }
    QString undoText() const { return stack_.undoText(); }
    QString redoText() const { return stack_.redoText(); }
    int count() const { return stack_.count(); }
    // Both refuse while an edit is open: the action in progress owns the design.
    bool undo();
    bool redo();

    // Another design is in memory now: no step applies to it. `saved` tells whether it is the
    // state of its file (read or built in) or one never saved.
    void clear(bool saved);
    // The design in memory is what its file holds now.
    void markSaved() { stack_.setClean(); }
    // The design differs from its file in a way no step can undo (a rename): no step is clean.
    void forgetSavedState() { stack_.resetClean(); }
    bool atSavedState() const { return stack_.isClean(); }

    // Marks the design changed now, for an action that may end without changing it.
    TentativeMark markChangedTentatively();
    // The action has ended: a design still as it was gets its marks back (a design read
    // meanwhile keeps its own).
    void settle(const TentativeMark &mark);
    bool editOpen() const { return openEdits_ > 0; }

    // Runs after an undo or redo has put a design back; the window shows it there.
    std::function<void()> restored;
    // Runs whenever what the Edit menu offers may have changed.
    std::function<void()> changed;

private:
    friend class DesignEdit;
    friend class SnapshotStep;
    void put(const DesignSnapshot &snapshot);
    void afterMove();
    void notify();
    void giveBackMarks(bool saved, bool simulated);

    DesignState &state_;
    QUndoStack stack_;
    int openEdits_ = 0;
    unsigned generation_ = 0; // counts clears; an edit begun before one commits nothing
    bool moving_ = false;
};

} // namespace zindle
