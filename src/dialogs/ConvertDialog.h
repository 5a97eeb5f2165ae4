// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Convert to 4.1 file format": explains the conversion of an older design file and starts it.

#include <QDialog>

namespace zindle {

class ConvertDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConvertDialog(QWidget *parent = nullptr);
    // "Convert" closes the dialog with Accepted; the caller then runs the conversion.
};

} // namespace zindle
