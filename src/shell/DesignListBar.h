// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design-list bar at the top left of the main window: the list of open designs and the
// New, Open, Save, Remove, Rename and Materials buttons. The list operations themselves
// (prompts, files, the design list) are DesignListOps'; this bar starts them and keeps the
// list box in step with the workspace afterwards.

class QBoxLayout;
class QComboBox;
class QWidget;

namespace zindle {

class MainWindow;

class DesignListBar {
public:
    // Builds the bar's widgets on `panel` and adds them to `row`.
    DesignListBar(MainWindow &window, QWidget *panel, QBoxLayout *row);

    QComboBox *designList() const { return designList_; }
    // Shows the workspace's design list and its current design.
    void sync();

    void DesignListClick(int index);
    void NewBtnClick();
    void OpenBtnClick();
    void SaveBtnClick();
    void RenameBtnClick();
    void RemoveBtnClick();

private:
    MainWindow &window_;
    QComboBox *designList_ = nullptr;
    bool syncing_ = false;
};

} // namespace zindle
