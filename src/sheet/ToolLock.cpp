// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolLock.h"

namespace zindle {

void ToolLock::add(LockGroup group, const QString &name, IsEnabled isEnabled, SetEnabled setEnabled)
{
    controls_.push_back({group, name, std::move(isEnabled), std::move(setEnabled), true});
}

void ToolLock::enable(LockGroup group, const QString &name)
{
    if (name.isEmpty())
        return;
    for (Control &control : controls_)
        if (control.group == group && control.name == name)
            control.setEnabled(true);
}

void ToolLock::lockGroup(LockGroup group, const QString &activeControl)
{
    bool &locked = locked_[static_cast<size_t>(group)];
    if (!locked) {
        for (Control &control : controls_) {
            if (control.group != group)
                continue;
            if (group != LockGroup::Apply)
                control.saved = control.isEnabled();
            control.setEnabled(false);
        }
        locked = true;
    }
    enable(group, activeControl);
}

void ToolLock::unlockGroup(LockGroup group)
{
    bool &locked = locked_[static_cast<size_t>(group)];
    if (!locked)
        return;
    for (Control &control : controls_)
        if (control.group == group && group != LockGroup::Apply)
            control.setEnabled(control.saved);
    locked = false;
}

void ToolLock::LockTools(const QString &activeTool)
{
    lockGroup(LockGroup::Tools, activeTool);
    lockGroup(LockGroup::ParameterFields);
    lockGroup(LockGroup::Shell);
    lockGroup(LockGroup::Apply);
}

void ToolLock::UnlockTools()
{
    unlockGroup(LockGroup::Tools);
    unlockGroup(LockGroup::ParameterFields);
    unlockGroup(LockGroup::Shell);
    unlockGroup(LockGroup::Apply);
}

} // namespace zindle
