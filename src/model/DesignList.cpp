// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignList.h"

#include "BuiltInDesigns.h"

namespace zindle {

DesignList::DesignList()
{
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        entries.push_back({QString(), builtInDesignName(slot), true, false});
        items << builtInDesignItemText(slot);
    }
}

bool DesignList::currentIsBuiltIn() const { return CurrentDesign < BuiltInDesignCount; }

QString DesignList::shownName(int slot) const
{
    if (slot >= 0 && slot < items.size())
        return items[slot];
    if (slot >= 0 && slot < DesignCount())
        return entries[static_cast<size_t>(slot)].DesignName;
    return {};
}

int DesignList::append(const QString &name, const QString &path, bool saved)
{
    if (isFull())
        return -1;
    entries.push_back({path, name, saved, false});
    items << name;
    const int slot = DesignCount() - 1;
    if (slot < RaceSlots)
        traces[static_cast<size_t>(slot)].clear();
    return slot;
}

void DesignList::RemoveSlot(int k)
{
    if (k < 0 || k >= DesignCount())
        return;
    entries.erase(entries.begin() + k);
    items.removeAt(k);
    for (int i = k; i < RaceSlots - 1; ++i)
        traces[static_cast<size_t>(i)] = traces[static_cast<size_t>(i + 1)];
    if (k < RaceSlots)
        traces[RaceSlots - 1].clear();
    CurrentDesign = 0;
}

void DesignList::MarkDesignChanged(int slot)
{
    if (slot < 0 || slot >= DesignCount())
        return;
    entries[static_cast<size_t>(slot)].DesignSaved = false;
    entries[static_cast<size_t>(slot)].DesignSimulated = false;
}

} // namespace zindle
