// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While a sheet tool is active every other tool, field, menu and button is disabled, and each
// gets back exactly the enabled state it had before. The lock knows controls only through two
// callbacks, so the window registers its widgets and the tests register plain flags.

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace zindle {

enum class LockGroup { Tools, ParameterFields, Shell, Apply };

class ToolLock {
public:
    using IsEnabled = std::function<bool()>;
    using SetEnabled = std::function<void(bool)>;

    void add(LockGroup group, const QString &name, IsEnabled isEnabled, SetEnabled setEnabled);

    // Locks every unlocked group (saving its controls' states and disabling them), then enables
    // `activeTool`, the button of the tool in use. A group that is locked already is left alone,
    // so its saved states are never overwritten by the disabled ones.
    void LockTools(const QString &activeTool = QString());
    // Restores the saved states of every locked group. Apply stays disabled: it is enabled
    // again only by the next edit of a parameter.
    void UnlockTools();
    // Locks one group only; a key press in a parameter field uses this with the Apply group
    // and ApplyBtn as the active control.
    void lockGroup(LockGroup group, const QString &activeControl = QString());
    void unlockGroup(LockGroup group);
    bool isLocked(LockGroup group) const { return locked_[static_cast<size_t>(group)]; }

private:
    struct Control {
        LockGroup group;
        QString name;
        IsEnabled isEnabled;
        SetEnabled setEnabled;
        bool saved = true;
    };
    void enable(LockGroup group, const QString &name);

    std::vector<Control> controls_;
    std::array<bool, 4> locked_{};
};

} // namespace zindle
