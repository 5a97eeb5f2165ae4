// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialEditing.h"

#include "NumberText.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MaterialEditing)
};

QString TryAgain() { return Texts::tr("Please try again"); }
QString TryAgainDot() { return Texts::tr("Please try again."); }

// The typed value is held in single precision and compared with bounds that are not: a typed
// 0.0001 becomes a single just below the bound 0.0001 and is refused, while 0.05, 0.5, 6 and the
// other bounds pass because their singles are not below them.
bool inRange(const QString &text, double low, double high)
{
    const auto value = parseFloat(text);
    return value && static_cast<double>(*value) >= low && static_cast<double>(*value) <= high;
}

// A range refusal, said after the note that the text is no number when it is none.
Refusal rangeRefusal(const QString &typed, const QString &message, const QString &title)
{
    return {notANumberNote(typed) + message, title};
}

// The entry the name belongs to, as the list shows it (the built-in tread is "Ideal rubber"
// there), or -1.
int entryNamed(const MaterialCatalogue &catalogue, MaterialKind kind, const QString &name)
{
    QStringList names = catalogue.names(kind);
    if (!names.isEmpty())
        names[0] = builtInItemText(kind);
    const int index = static_cast<int>(names.indexOf(name));
    return index >= 0 ? index : static_cast<int>(catalogue.names(kind).indexOf(name));
}

template <typename Entry>
DefineResult store(std::vector<Entry> &entries, const MaterialCatalogue &catalogue,
                   MaterialKind kind, const QString &name, const Entry &typed, int selectedIndex)
{
    DefineResult result;
    const int named = entryNamed(catalogue, kind, name);
    if (named < 0) {
        if (catalogue.isFull(kind)) {
            result.refusal = catalogueFullRefusal(kind);
            return result;
        }
        entries.push_back(typed);
        result.outcome = DefineOutcome::AddedNew;
        result.index = static_cast<int>(entries.size()) - 1;
        return result;
    }
    // Only the entry being edited may keep its name: a new material (or an edited one given
    // another's name) would otherwise silently overwrite whichever entry is selected.
    if (named >= 1 && named == selectedIndex && selectedIndex < static_cast<int>(entries.size())) {
        entries[static_cast<size_t>(selectedIndex)] = typed;
        result.outcome = DefineOutcome::Updated;
        result.index = selectedIndex;
        return result;
    }
    result.refusal = nameTakenRefusal(name);
    return result;
}

} // namespace

std::optional<Refusal> ValidateBoard(const BoardMaterial &typed)
{
    if (typed.BoardName.isEmpty())
        return Refusal{Texts::tr("Please enter a name for this board."), TryAgain()};
    if (!inRange(typed.BoardThickness, 0.05, 6.0))
        return rangeRefusal(typed.BoardThickness, Texts::tr("The thickness must be positive, greater than 0.05 inches, and less than 6 inches. "),
                            TryAgainDot());
    if (!inRange(typed.BoardDensity, 0.0001, 0.5))
        return rangeRefusal(typed.BoardDensity, Texts::tr("The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch."),
                            TryAgain());
    return std::nullopt;
}

std::optional<Refusal> ValidateAxle(const AxleMaterial &typed)
{
    if (typed.AxleName.isEmpty())
        return Refusal{Texts::tr("Please enter a name for this axle material."), TryAgain()};
    if (!inRange(typed.AxleDensity, 0.0001, 0.5))
        return rangeRefusal(typed.AxleDensity, Texts::tr("The axle density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch. "),
                            TryAgainDot());
    return std::nullopt;
}

std::optional<Refusal> ValidateSpring(const SpringMaterial &typed)
{
    if (typed.SpringName.isEmpty())
        return Refusal{Texts::tr("Please enter a name for this spring material."), TryAgain()};
    if (!inRange(typed.SpringThickness, 0.0001, 0.125))
        return rangeRefusal(typed.SpringThickness, Texts::tr("The thickness must be positive, greater than zero, and no more than 0.125 inches. "),
                            TryAgainDot());
    if (!inRange(typed.SpringDensity, 0.0001, 0.5))
        return rangeRefusal(typed.SpringDensity, Texts::tr("The density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch."),
                            TryAgain());
    if (!inRange(typed.SpringSampleWidth, 0.0001, 6.0))
        return rangeRefusal(typed.SpringSampleWidth, Texts::tr("The width of your test sample must be positive, greater than zero, and no more than 6 inches."),
                            TryAgain());
    if (!inRange(typed.SpringTorqueCurve[0], 0.0001, 10.0))
        return rangeRefusal(typed.SpringTorqueCurve[0], Texts::tr("The maximum torque must be positive, greater than zero, and no more than 10 lb-inches."),
                            TryAgain());
    for (size_t cell = 1; cell < typed.SpringTorqueCurve.size(); ++cell) {
        const QString &text = typed.SpringTorqueCurve[cell];
        if (!text.trimmed().isEmpty() && !parseFloat(text))
            return Refusal{Texts::tr("All torque values must be positive, greater than zero, and no more than 3 lb-inches -- some values are not valid."),
                           TryAgain()};
    }
    return std::nullopt;
}

std::optional<Refusal> ValidateTread(const TreadMaterial &typed)
{
    if (typed.TreadName.isEmpty())
        return Refusal{Texts::tr("Please enter a name for this tread material."), TryAgain()};
    if (!inRange(typed.TreadFriction, 0.0001, 2.0))
        return rangeRefusal(typed.TreadFriction, Texts::tr("The coefficient of static friction must be positive, greater than zero, and less than 2. "),
                            TryAgainDot());
    return std::nullopt;
}

Refusal nameTakenRefusal(const QString &name)
{
    return {Texts::tr("There is already a material named \"%1\". Type another name, or select "
                           "\"%1\" in the list and press Edit to change it.")
                .arg(name),
            TryAgainDot()};
}

Refusal catalogueFullRefusal(MaterialKind kind)
{
    // Whole sentences: a kind's word set into one sentence would not agree with it in every
    // language.
    static const char *const full[] = {
        QT_TRANSLATE_NOOP("MaterialEditing", "The list of board materials is full (100 materials).  Delete a material "
                                             "before you define a new one."),
        QT_TRANSLATE_NOOP("MaterialEditing", "The list of axle materials is full (100 materials).  Delete a material "
                                             "before you define a new one."),
        QT_TRANSLATE_NOOP("MaterialEditing", "The list of spring materials is full (100 materials).  Delete a material "
                                             "before you define a new one."),
        QT_TRANSLATE_NOOP("MaterialEditing", "The list of tread materials is full (100 materials).  Delete a material "
                                             "before you define a new one.")};
    return {Texts::tr(full[static_cast<int>(kind)]), TryAgainDot()};
}

DefineResult DefineBoard(MaterialCatalogue &catalogue, const BoardMaterial &typed, int selectedIndex)
{
    if (auto refusal = ValidateBoard(typed))
        return {DefineOutcome::Refused, -1, *refusal};
    return store(catalogue.boards, catalogue, MaterialKind::Board, typed.BoardName, typed, selectedIndex);
}

DefineResult DefineAxle(MaterialCatalogue &catalogue, const AxleMaterial &typed, int selectedIndex)
{
    if (auto refusal = ValidateAxle(typed))
        return {DefineOutcome::Refused, -1, *refusal};
    return store(catalogue.axles, catalogue, MaterialKind::Axle, typed.AxleName, typed, selectedIndex);
}

DefineResult DefineSpring(MaterialCatalogue &catalogue, const SpringMaterial &typed, int selectedIndex)
{
    if (auto refusal = ValidateSpring(typed))
        return {DefineOutcome::Refused, -1, *refusal};
    SpringMaterial stored = typed;
    for (QString &cell : stored.SpringTorqueCurve)
        if (cell.trimmed().isEmpty())
            cell = QStringLiteral("0");
    return store(catalogue.springs, catalogue, MaterialKind::Spring, typed.SpringName, stored, selectedIndex);
}

DefineResult DefineTread(MaterialCatalogue &catalogue, const TreadMaterial &typed, int selectedIndex)
{
    if (auto refusal = ValidateTread(typed))
        return {DefineOutcome::Refused, -1, *refusal};
    return store(catalogue.treads, catalogue, MaterialKind::Tread, typed.TreadName, typed, selectedIndex);
}

MaterialKind partKind(int part)
{
    switch (part) {
    case OuterBodyPart:
    case InnerBodyPart:
    case DriveWheelPart:
    case OtherWheelPart: return MaterialKind::Board;
    case DriveAxlePart:
    case OtherAxlePart: return MaterialKind::Axle;
    case SpringPart: return MaterialKind::Spring;
    default: return MaterialKind::Tread;
    }
}

bool DeleteMaterial(DesignState &workspace, MaterialKind kind, int index)
{
    if (!workspace.catalogue.removeEntry(kind, index))
        return false;
    for (int part = 0; part < PartCount; ++part) {
        if (partKind(part) != kind)
            continue;
        int &used = workspace.design.MatIndex[static_cast<size_t>(part)];
        if (used == index)
            used = 0;
        else if (used > index)
            --used;
    }
    return true;
}

Refusal colorPickerRefusal(MaterialKind kind)
{
    return {Texts::tr("Sorry, this computer does not have the ColorPicker component installed.  "
                           "A default color will be used instead."),
            kind == MaterialKind::Axle ? Texts::tr("Colors not available") : TryAgainDot()};
}

} // namespace zindle
