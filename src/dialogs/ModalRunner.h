// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a window shows a modal dialog. The program runs the dialog's own event loop; a test puts
// a function here that fills in the dialog and presses its buttons instead.

#include <QDialog>
#include <functional>

namespace zindle {

using ModalRunner = std::function<int(QDialog &)>;

inline int runModal(const ModalRunner &runner, QDialog &dialog)
{
    return runner ? runner(dialog) : dialog.exec();
}

} // namespace zindle
