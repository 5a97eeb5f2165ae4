// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Advisories window: a small always-on-top tool window with one red line per condition
// that makes the car hard or impossible to build (or that made it skid). It shows what the
// last evaluation found and hides itself when that is nothing.

#include <QWidget>

class QLabel;

namespace zindle {

struct AdvisoryState;

class AdvisoriesWindow : public QWidget {
    Q_OBJECT
public:
    explicit AdvisoriesWindow(QWidget *parent);

    // Captions, visibility of the labels and of the window from an evaluation.
    void sync(const AdvisoryState &state);
    QLabel *label(const QString &objectName) const;

private:
    QLabel *addLabel(const char *name, const QString &hint);
    // Puts the window over the main window's sheet, clear of its fields.
    void placeBesideTheFields();
};

} // namespace zindle
