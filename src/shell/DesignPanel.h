// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Design mode's state panel: the sheet tool buttons, the drive buttons, and SetStatePanel
// with the part box, each part's material list and size fields, and Apply. Material and drive
// changes go into the design at once; size changes wait for Apply. While a sheet tool is in use
// SetStatePanel makes way for the drawing hint and its Cancel button.

#include "model/DesignRecord.h"

#include "ModePanel.h"
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QHBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zindle {

class MainWindow;
class LiveReadout;
class PartSizeFields;
class SheetEditing;

// Part names of the Design mode's part box, in its order.
extern const std::array<const char *, PartCount> PartNameItems;
// The label texts of the parts in the part box's order.
extern const std::array<const char *, PartCount> PartLabelTexts;
// The Part (MatIndex order) each part-box item edits.
Part partOfItem(int partNameIndex);

class DesignPanel : public ModePanel {
    Q_OBJECT
public:
    DesignPanel(MainWindow &window, QWidget *parent);
    ~DesignPanel() override;

    void SelectPart(int partNameIndex);
    void MaterialComboChange(int part, int index);
    void ApplyBtnClick();
    void DriveButtonClick(DriveKind drive);
    // The window's side of resetting the parameters: the sheet tools end and the controls
    // show the design again.
    void ResetParameters();

    void leave() override;
    void enter() override;
    // Lays the panel out for a window `width` pixels wide: on one line when everything fits,
    // else the part attributes below the tools, on two lines of their own when narrower still.
    // Returns the height the panel then needs, 0 when the strip's usual height holds it.
    int fitToWidth(int width);
    void disableApply();
    // A size field was typed in or a material chosen: Apply is enabled and takes Enter.
    void enableApply();
    // The window is going: leaving a size field takes nothing into the design any more.
    void stopWatchingFields();
    // The tool strip is grey while another mode is up.
    void applyToolColour(const QColor &background, bool designModeUp);
    // The material lists follow the catalogue and the design's choices.
    void syncMaterialCombos();
    // The size fields and drive buttons follow the design.
    void syncDesignControls();
    // "Highlighted: ..." for a part-box index, or the invitation to select parts for -1.
    QString partDescription(int partNameIndex) const;

    QLineEdit *parameterField(int partNameIndex, bool bottom) const;
    QComboBox *materialCombo(int part) const { return materialCombos_[static_cast<size_t>(part)]; }
    QComboBox *partNameBox() const { return partNameBox_; }
    QLabel *partAttributesLabel() const { return partAttributesLabel_; }
    // The live results of the design as it stands.
    LiveReadout *liveReadout() const { return readout_; }
    QWidget *setStatePanel() const { return setStatePanel_; }
    QPushButton *drawCancelBtn() const { return drawCancelBtn_; }
    QLabel *drawHintLabel() const { return drawHintLabel_; }
    QToolButton *toolButton(const char *name) const;
    SheetEditing &sheetEditing() { return *editing_; }

private:
    void pendingChange();
    void showDriveControls(DriveKind drive);

    MainWindow &window_;
    bool syncing_ = false;
    QBoxLayout *row_ = nullptr;
    QHBoxLayout *toolLine_ = nullptr;
    QBoxLayout *stateLines_ = nullptr;
    QWidget *toolPanel_ = nullptr;
    QGroupBox *driveBox_ = nullptr;
    QWidget *setStatePanel_ = nullptr;
    QComboBox *partNameBox_ = nullptr;
    QLabel *partNameLabel_ = nullptr, *materialLabel_ = nullptr;
    QLabel *topParameterLabel_ = nullptr, *bottomParameterLabel_ = nullptr;
    QLabel *partAttributesLabel_ = nullptr;
    // The part description and the live results: side by side when the line holds both.
    QBoxLayout *attributesLine_ = nullptr;
    LiveReadout *readout_ = nullptr;
    QPushButton *drawCancelBtn_ = nullptr;
    QLabel *drawHintLabel_ = nullptr;
    std::array<QComboBox *, PartCount> materialCombos_{}; // by Part (MatIndex order)
    PartSizeFields *sizes_ = nullptr;
    std::array<QLineEdit *, 3> secondSpringFields_{};     // RSpringWidthEF, RSpringLengthEF, RArborDiaEF
    std::array<bool, PartCount + 1> materialPending_{}; // pending-change slots 1..8
    QPushButton *applyBtn_ = nullptr;
    std::vector<QToolButton *> drawingTools_;
    std::array<QAbstractButton *, 3> driveButtons_{};
    std::unique_ptr<SheetEditing> editing_;
};

} // namespace zindle
