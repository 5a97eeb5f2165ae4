#pragma once
// The Design mode's state panel: the sheet tool buttons, the drive buttons, the part box with
// each part's material list and size fields, and Apply. Material and drive changes go into
// the design at once; size changes wait for Apply.

#include "model/DesignRecord.h"

#include "ModePanel.h"
#include <array>
#include <vector>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zindle {

class MainWindow;
class PartSizeFields;

// Part names of the Design mode's part box, in its order.
extern const std::array<const char *, PartCount> PartNameItems;
// The Part (MatIndex order) each part-box item edits.
Part partOfItem(int partNameIndex);

class DesignPanel : public ModePanel {
    Q_OBJECT
public:
    DesignPanel(MainWindow &window, QWidget *parent);

    void SelectPart(int partNameIndex);
    void MaterialComboChange(int part, int index);
    void ApplyBtnClick();
    void DriveButtonClick(DriveKind drive);

    void leave() override;
    void enter() override;
    void disableApply();
    // The window is going: leaving a size field takes nothing into the design any more.
    void stopWatchingFields();
    // The tool strip is grey while another mode is up.
    void applyToolColour(const QColor &background, bool designModeUp);
    // The material lists follow the catalogue and the design's choices.
    void syncMaterialCombos();
    // The size fields and drive buttons follow the design.
    void syncDesignControls();

    QLineEdit *parameterField(int partNameIndex, bool bottom) const;
    QComboBox *materialCombo(int part) const { return materialCombos_[static_cast<size_t>(part)]; }

private:
    void pendingChange();

    MainWindow &window_;
    bool syncing_ = false;
    QWidget *toolPanel_ = nullptr;
    QGroupBox *driveBox_ = nullptr;
    QComboBox *partNameBox_ = nullptr;
    QLabel *partNameLabel_ = nullptr, *materialLabel_ = nullptr;
    QLabel *topParameterLabel_ = nullptr, *bottomParameterLabel_ = nullptr;
    QLabel *partAttributesLabel_ = nullptr;
    std::array<QComboBox *, PartCount> materialCombos_{}; // by Part (MatIndex order)
    PartSizeFields *sizes_ = nullptr;
    std::array<bool, PartCount + 1> materialPending_{}; // pending-change slots 1..8
    QPushButton *applyBtn_ = nullptr;
    std::vector<QAbstractButton *> drawingTools_;
    std::array<QAbstractButton *, 3> driveButtons_{};
};

} // namespace zindle
