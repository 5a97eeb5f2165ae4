// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the material define dialogs, without the dialogs: checking what was typed,
// storing a new or edited entry, deleting one, and keeping the parts' material indices in range.

#include "MaterialCatalogue.h"
#include "DesignState.h"

#include <QString>
#include <optional>

namespace zindle {

struct Refusal {
    QString message;
    QString title;
};

// The first failing check of what was typed, in the order the dialog checks, or nothing.
std::optional<Refusal> ValidateBoard(const BoardMaterial &typed);
std::optional<Refusal> ValidateAxle(const AxleMaterial &typed);
std::optional<Refusal> ValidateSpring(const SpringMaterial &typed);
std::optional<Refusal> ValidateTread(const TreadMaterial &typed);

enum class DefineOutcome {
    Refused,       // a check failed: the dialog stays open (refusal says why)
    AddedNew,      // the name was new: appended at `index`
    Updated,       // the selected user entry `index` took the typed values
};

struct DefineResult {
    DefineOutcome outcome = DefineOutcome::Refused;
    int index = -1;
    Refusal refusal;
};

// "Done" in a define dialog. `selectedIndex` is the entry being edited (-1 for a new one): a
// name that is another entry's is refused. A spring's empty torque cells are stored as "0".
DefineResult DefineBoard(MaterialCatalogue &catalogue, const BoardMaterial &typed, int selectedIndex);
DefineResult DefineAxle(MaterialCatalogue &catalogue, const AxleMaterial &typed, int selectedIndex);
DefineResult DefineSpring(MaterialCatalogue &catalogue, const SpringMaterial &typed, int selectedIndex);
DefineResult DefineTread(MaterialCatalogue &catalogue, const TreadMaterial &typed, int selectedIndex);

// Shown when the typed name is another entry's.
Refusal nameTakenRefusal(const QString &name);
// Shown when a kind already holds its 100 user entries and a new name is typed.
Refusal catalogueFullRefusal(MaterialKind kind);

// Deletes user entry `index` of a kind and brings the current design's material indices back
// in range: parts that used the deleted entry fall back to the built-in material, parts that
// used a later entry follow it down. Returns whether an entry was deleted.
bool DeleteMaterial(DesignState &workspace, MaterialKind kind, int index);

// The catalogue kind each of the eight parts draws from, in MatIndex order.
MaterialKind partKind(int part);

// "Choose color..." in a define dialog: materials carry no colour.
Refusal colorPickerRefusal(MaterialKind kind);

} // namespace zindle
