// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Export Cut Files": how the lab's machine cuts (laser, knife plotter or a printed template
// cut by hand), its kerf, the colours its software reads as cut and engrave, the board and the
// gap between parts, and a kerf of its own for any board material the design's parts are cut
// from. Asked after the file's name; the window remembers the last choices.
#include "output/CutProfile.h"

#include <QDialog>
#include <QStringList>
#include <map>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zindle {

class Prompter;

// How the cut and the engraving are told apart. The last keeps red and blue: a DXF puts them
// on the CUT and ENGRAVE layers whatever the colours.
enum class CutColours { RedCutsBlueEngraves, GreenCutsBlueEngraves, LayerPerOperation };

struct CutExportChoices {
    CutMachine machine = CutMachine::Plotter;
    double kerfIn = 0.0;
    CutColours colours = CutColours::RedCutsBlueEngraves;
    QString board = QStringLiteral("20x30");
    double gapIn = PartGapIn;
    // By material name; the materials of every design exported so far, not only this one's.
    std::map<QString, double> kerfByMaterial;
};

inline constexpr double MaxKerfIn = 0.25;
inline constexpr double MinPartGapIn = 0.1, MaxPartGapIn = 1.0;

CutProfile cutProfileOf(const CutExportChoices &choices);
// The names the settings store keeps ("laser", "plotter", "print"; "red", "green", "layers").
QString cutMachineName(CutMachine machine);
QString cutColoursName(CutColours colours);
std::optional<CutColours> cutColoursNamed(const QString &name);

class CutExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit CutExportDialog(Prompter &prompter, QWidget *parent = nullptr);

    void setChoices(const CutExportChoices &choices);
    // What the fields hold; after an accepted dialog every value is in range.
    CutExportChoices choices() const;
    CutProfile profile() const { return cutProfileOf(choices()); }
    BoardSize board() const;
    // The board materials the design cuts: a laser on foam board is warned of at once, and
    // each material gets a kerf field (empty: the kerf above).
    void setBoardMaterials(const QStringList &names);

    QComboBox *machineField() const { return machine_; }
    QLineEdit *kerfField() const { return kerf_; }
    QComboBox *coloursField() const { return colours_; }
    QLineEdit *boardField() const { return board_; }
    QLineEdit *gapField() const { return gap_; }
    // Nothing for a material the design does not cut.
    QLineEdit *materialKerfField(const QString &material) const;
    // Empty (and hidden) unless the machine is a laser and a part is of foam board.
    QString warningText() const;

    void accept() override;

private:
    void machineChanged();
    void showWarning();
    void showMaterialKerfs();
    QString refusal() const; // empty when every field is in range

    Prompter &prompter_;
    QStringList materials_;
    std::map<QString, double> kerfByMaterial_; // as set, for the materials without a field
    QGroupBox *materialKerfs_ = nullptr;
    QFormLayout *materialKerfRows_ = nullptr;
    std::vector<std::pair<QString, QLineEdit *>> materialKerfFields_;
    QComboBox *machine_ = nullptr;
    QLabel *warning_ = nullptr;
    QLineEdit *kerf_ = nullptr;
    QComboBox *colours_ = nullptr;
    QLineEdit *board_ = nullptr;
    QLineEdit *gap_ = nullptr;
};

} // namespace zindle
