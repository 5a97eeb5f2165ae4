// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The designs the user has open in this run: five built-ins, then new, opened and saved ones.
// Only the current design lives in memory; a slot keeps its name, file path and two flags, and
// for the first 16 entries the traces of its last simulation, which the race replays.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zindle {

inline constexpr int MaxDesigns = 257;
inline constexpr int RaceSlots = 16;
inline constexpr int TraceSamples = 1001;

struct RaceTrace {
    std::array<float, TraceSamples> DistanceTrace; // ft; -1 marks an empty sample
    std::array<unsigned char, TraceSamples> SkidTrace;
    RaceTrace() { clear(); }
    void clear()
    {
        DistanceTrace.fill(-1.0f);
        SkidTrace.fill(0);
    }
};

struct DesignSlot {
    QString DesignPath;
    QString DesignName;
    bool DesignSaved = true;
    bool DesignSimulated = false;
};

class DesignList {
public:
    DesignList(); // the five built-ins, all saved, slot 0 current

    std::vector<DesignSlot> entries;
    // What the design combo shows for each slot; it can differ from the stored name
    // ("Default design" for slot 0, or the old text after a file gave another name).
    QStringList items;
    int CurrentDesign = 0;
    std::array<RaceTrace, RaceSlots> traces;

    int DesignCount() const { return static_cast<int>(entries.size()); }
    bool isFull() const { return DesignCount() >= MaxDesigns; }
    DesignSlot &current() { return entries[static_cast<size_t>(CurrentDesign)]; }
    const DesignSlot &current() const { return entries[static_cast<size_t>(CurrentDesign)]; }
    bool currentIsBuiltIn() const;
    // The name the user knows slot `slot` by: its item in the design list, which after a file
    // was read can differ from the name stored in the file.
    QString shownName(int slot) const;

    // Appends a slot (refused, returning -1, when the list is full) and returns its index.
    int append(const QString &name, const QString &path, bool saved);
    // Removes slot k, moving later entries and their race traces down; slot 0 becomes current.
    void RemoveSlot(int k);
    void MarkDesignChanged(int slot);
};

} // namespace zindle
