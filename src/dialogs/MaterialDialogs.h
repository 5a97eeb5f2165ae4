// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The material catalogue's dialogs: "Material Definitions" with one list per kind, and the four
// define dialogs in which one material is typed. The rules live in model/MaterialEditing.h.

#include "ModalRunner.h"
#include "model/MaterialEditing.h"
#include "model/Prompter.h"
#include "app/Workspace.h"

#include <QDialog>
#include <array>
#include <functional>

class QGridLayout;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace zindle {

// One define dialog (board, axle, spring or tread). It keeps what its fields last held between
// showings, so "New" starts from the previous entry's values.
class DefineMaterialDialog : public QDialog {
    Q_OBJECT
public:
    DefineMaterialDialog(MaterialKind kind, MaterialCatalogue &catalogue, Prompter &prompter,
                         QWidget *parent = nullptr);

    MaterialKind kind() const { return kind_; }
    // The list item selected in "Material Definitions" when the dialog was opened (-1: none).
    void setSelectedIndex(int index) { selectedIndex_ = index; }
    // Copies catalogue entry `index` into the fields.
    void LoadEntry(int index);

    // "Done": stores a new or edited entry and closes, or shows why not and stays open.
    bool DoneClick();
    void ChooseColorClick();
    const DefineResult &lastResult() const { return lastResult_; }

    // The fields in the order of their labels (name first).
    QLineEdit *field(int i) const { return fields_[static_cast<size_t>(i)]; }
    int fieldCount() const { return fieldCount_; }
    QTableWidget *torqueGrid() const { return grid_; }

private:
    void addField(const QString &objectName, const QString &label, const QString &defaultText);

    MaterialKind kind_;
    MaterialCatalogue &catalogue_;
    Prompter &prompter_;
    std::array<QLineEdit *, 4> fields_{};
    int fieldCount_ = 0;
    QTableWidget *grid_ = nullptr;
    QGridLayout *form_ = nullptr;
    int selectedIndex_ = -1;
    DefineResult lastResult_;
};

class MaterialsDialog : public QDialog {
    Q_OBJECT
public:
    MaterialsDialog(Workspace &workspace, Prompter &prompter, QWidget *parent = nullptr);

    // Refills the four lists from the catalogue, keeping the selections where they can stay.
    void Reload();

    void NewClick(MaterialKind kind);
    void EditClick(MaterialKind kind);
    void DeleteClick(MaterialKind kind);

    QListWidget *list(MaterialKind kind) const { return lists_[static_cast<size_t>(kind)]; }
    DefineMaterialDialog *defineDialog(MaterialKind kind) const
    {
        return defines_[static_cast<size_t>(kind)];
    }

    // How the define dialogs are shown (a test answers them itself).
    ModalRunner modalRunner;
    // Told whenever the catalogue or the design's material indices changed.
    std::function<void()> catalogueChanged;

private:
    // Shows the kind's define dialog for a new material (`editedIndex` -1) or for that entry.
    void showDefine(MaterialKind kind, int editedIndex);
    // Whether a user entry of the kind is selected; if not, says why it cannot be edited (or deleted).
    bool userEntrySelected(MaterialKind kind, bool editing);
    void reloadList(MaterialKind kind);

    Workspace &workspace_;
    Prompter &prompter_;
    std::array<QListWidget *, 4> lists_{};
    std::array<DefineMaterialDialog *, 4> defines_{};
};

} // namespace zindle
